// What the window shows: cells per picture size, the feeder preview, the geometry per size and
// mode, the status panels and the menu.
#include "MainFormFixture.h"

#include "BoardView.h"
#include "imgCmbo.h"

#include "MenuSkin.h"

#include "Resources.h"

#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>

using quorbix::PictureSize;

namespace {

const std::vector<std::string> PairInTheCorner = {
    "34343434343", "43434343434", "34343434343", "43434343434", "34343434343", "43434343434",
    "34343434343", "43434343434", "34343434343", "43434343434", "34343434343", "00434343434",
};

bool samePixels(const QImage &a, const QImage &b)
{
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

// Picture n of a library as a kind shows it: on a white ground of the library's size.
QImage onWhite(const resources::PictureLibrary &library, int n)
{
    const int side = library.pictureSize();
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.drawPixmap(0, 0, library.plain(n, 1));
    return image;
}

// The frame of a cell outside the picture at (inset, inset) of the given size.
bool frameIs(const QImage &cell, int inset, int pictureSize, QRgb colour)
{
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const bool inPicture = x >= inset && y >= inset && x < inset + pictureSize &&
                                   y < inset + pictureSize;
            if (!inPicture && cell.pixel(x, y) != colour) return false;
        }
    return true;
}

struct SizeCase {
    const char *item;
    PictureSize size;
    int cell;
    int inset;
    int picture;
};

}  // namespace

TEST_F(MainFormTest, CellsShowTheirPicturesWithTheFramesOfEachSize)
{
    open();
    const SizeCase cases[] = {{"Standard1", PictureSize::Standard, 24, 0, 24},
                              {"SmallImages1", PictureSize::Small, 24, 4, 16},
                              {"KidsImages1", PictureSize::Big, 34, 0, 32}};
    for (const SizeCase &c : cases) {
        SCOPED_TRACE(c.item);
        item(c.item)->trigger();
        ASSERT_EQ(form->pictureSize(), c.size);
        setField(form->game(), PairInTheCorner);
        QTest::mousePress(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
        grid()->Repaint();  // without the bubble
        const QImage view = grid()->grab().toImage();
        const auto cellImage = [&](int column, int row) {
            return view.copy(grid()->cellRect(column, row).translated(2, 2));
        };
        const QImage selected = cellImage(0, 11);  // kind 0, selected
        const QImage normal = cellImage(2, 11);    // kind 4
        EXPECT_TRUE(samePixels(selected.copy(c.inset, c.inset, c.picture, c.picture),
                               form->pictures().entry(5).toImage()));
        EXPECT_TRUE(samePixels(normal.copy(c.inset, c.inset, c.picture, c.picture),
                               form->pictures().entry(4).toImage()));
        if (c.size != PictureSize::Standard) {
            EXPECT_TRUE(frameIs(selected, c.inset, c.picture, 0xffffff00)) << "yellow frame";
            EXPECT_TRUE(frameIs(normal, c.inset, c.picture, 0xffffffff)) << "white frame";
        }
        QTest::mouseRelease(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    }
}

TEST_F(MainFormTest, LibraryPicturesShowOnWhiteAndOnYellowAndUnknownNumbersDrawBlank)
{
    writeTextFile(exeDir.filePath("quorbix.ini"),
                  "[Kids]\nKids Symbols=1\n[Symbols]\n0=86\n1=87\n2=-1\n");
    open();
    ASSERT_EQ(form->pictureSize(), PictureSize::Big);
    const QImage last = form->pictures().entry(0).toImage();
    EXPECT_EQ(last.size(), QSize(32, 32));
    const QImage blank(32, 32, QImage::Format_RGB32);
    QImage white = blank;
    white.fill(Qt::white);
    EXPECT_FALSE(samePixels(last, white)) << "picture 86 is the library's last";
    EXPECT_TRUE(samePixels(form->pictures().entry(1).toImage(), white)) << "87 is beyond it";
    EXPECT_TRUE(samePixels(form->pictures().entry(2).toImage(), white)) << "negative";
    EXPECT_EQ(form->pictures().entry(6).toImage().pixel(0, 0), white.pixel(0, 0));
    EXPECT_EQ(form->pictures().entry(10).size(), QSize(24, 24)) << "the empty cell";
    // The default picture of kind 3 is picture 3, drawn on yellow when selected.
    EXPECT_EQ(form->pictures().entry(8).toImage().pixel(0, 0), 0xffffff00);
}

TEST_F(MainFormTest, WithoutAStoredChoiceSmallShowsPictures5To9AndBig0To4)
{
    open();
    const struct {
        const char *item;
        const resources::PictureLibrary &library;
        int first;
    } sizes[] = {{"SmallImages1", resources::smallLibrary(), 5},
                 {"KidsImages1", resources::bigLibrary(), 0}};
    for (const auto &size : sizes) {
        SCOPED_TRACE(size.item);
        item(size.item)->trigger();
        for (int kind = 0; kind < 5; ++kind)
            EXPECT_TRUE(samePixels(form->pictures().entry(kind).toImage(),
                                   onWhite(size.library, size.first + kind)));
    }
}

TEST_F(MainFormTest, TheWindowOffersMinimiseAndCloseAndNeverMaximises)
{
    open();
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window) << "a normal window, in the task bar";
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    // A desktop whose decoration offers maximising all the same finds the window as it was.
    const QSize size = form->size();
    form->setWindowState(Qt::WindowMaximized);
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form->size(), size);
}

TEST_F(MainFormTest, TheFeederPreviewShowsInTheFeedingModesOnly)
{
    for (int mode : {0, 1, 2, 3}) {
        SCOPED_TRACE(mode);
        writeTextFile(exeDir.filePath("quorbix.ini"),
                      QByteArray("[Modus]\nShifter=") + QByteArray::number(mode) + "\n");
        open();
        auto *bevel = form->findChild<QWidget *>(QStringLiteral("Bevel1"));
        QWidget *client = form->centralWidget();
        const QImage surface = client->grab().toImage();
        const bool feeds = mode >= 2;
        EXPECT_EQ(bevel->isVisible(), feeds);
        if (feeds) {
            const quorbix::ViewGeometry g = quorbix::viewGeometry(PictureSize::Standard);
            EXPECT_EQ(bevel->geometry(), quorbix::feederPreviewRect(g));
            EXPECT_EQ(bevel->geometry(), QRect(277, 1, 25, 291));
            // Row 11 of the feeder always holds a symbol, drawn in line with the board's row 11
            // (the frame's right edge covers the picture's last column).
            const engine::Cell &waiting = form->game().board().at(engine::FeederColumn, 11);
            const QImage drawn = surface.copy(278, 2 + 11 * 24, 23, 24);
            EXPECT_TRUE(samePixels(
                drawn, form->pictures().entry(waiting.kind).toImage().copy(0, 0, 23, 24)));
        }
        form.reset();
    }
}

TEST_F(MainFormTest, TheWindowFitsEachSizeAndMode)
{
    struct Case {
        const char *size;
        const char *mode;
        int clientWidth;
        QRect view;
    } const cases[] = {
        {"Standard1", "Normal1", 277, {5, 0, 268, 293}},
        {"SmallImages1", "Shifter1", 277, {5, 0, 268, 293}},
        {"Standard1", "AddLast1", 306, {5, 0, 268, 293}},
        {"SmallImages1", "MegaShift1", 306, {5, 0, 268, 293}},
        {"KidsImages1", "Normal1", 393, {7, 0, 378, 416}},
        {"KidsImages1", "MegaShift1", 432, {7, 0, 378, 416}},
    };
    open();
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.size) + " " + c.mode);
        item(c.mode)->trigger();
        item(c.size)->trigger();
        EXPECT_EQ(form->width(), c.clientWidth);
        EXPECT_EQ(grid()->geometry(), c.view);
        EXPECT_EQ(grid()->contentsRect().size(), c.view.size() - QSize(4, 4)) << "2-pixel border";
        EXPECT_EQ(form->centralWidget()->size(), QSize(c.clientWidth, c.view.height()));
        EXPECT_EQ(form->height(),
                  form->menuBar()->height() + c.view.height() + form->statusBar1()->height());
        EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "not resizable";
        EXPECT_EQ(form->windowOpacity(), 1.0);
    }
}

TEST_F(MainFormTest, ASizeChangeKeepsTheBoardTheScoreAndTheTopLeftCorner)
{
    open();
    setField(form->game(), PairInTheCorner);
    QTest::mouseClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    QTest::mouseDClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
    const engine::Board board = form->game().board();
    const QPoint corner = form->pos();
    item("KidsImages1")->trigger();
    EXPECT_TRUE(form->game().board() == board);
    EXPECT_EQ(panel(3), "2");
    EXPECT_EQ(form->pos(), corner);
    EXPECT_TRUE(item("KidsImages1")->isChecked());
    EXPECT_FALSE(item("Standard1")->isChecked());
}

TEST_F(MainFormTest, AWindowGrownPastTheScreensEdgeMovesBackJustEnough)
{
    open();
    const QRect area = form->screen()->availableGeometry();
    const QSize standard = form->frameGeometry().size();
    // Ten pixels from the bottom right corner, Big runs past both edges.
    form->move(area.right() + 1 - standard.width() - 10,
               area.bottom() + 1 - standard.height() - 10);
    item("KidsImages1")->trigger();
    ASSERT_LE(form->frameGeometry().width(), area.width());
    ASSERT_LE(form->frameGeometry().height(), area.height());
    EXPECT_EQ(form->frameGeometry().bottomRight(), area.bottomRight());
    // Shrinking, it stays where it is.
    const QPoint corner = form->pos();
    item("Standard1")->trigger();
    EXPECT_EQ(form->pos(), corner);
}

TEST_F(MainFormTest, ThePointsBubbleSitsBelowLeftOfThePointerAndStaysInsideTheView)
{
    open();
    // An empty field: the bubble (with "0") is the only blue on the white view.
    setField(form->game(), {});
    const struct {
        QPoint press;     // in the view's content, inside its 2-pixel border
        int circleTop;    // y0 - 2
        int circleRight;  // X + 2
    } cases[] = {
        {{150, 100}, 118, 152},  // y0 = Y + 20
        {{5, 5}, 48, 52},        // y0 raised to 50; X < 20 moves it to 50
        {{200, 280}, 241, 202},  // y0 lowered to the view's height 293 - 50
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.press.y());
        QTest::mousePress(grid(), Qt::LeftButton, {}, c.press + QPoint(2, 2));
        const QImage view = grid()->grab().toImage().copy(grid()->contentsRect());
        QRect blue;
        bool lightYellow = false;
        for (int y = 0; y < view.height(); ++y)
            for (int x = 0; x < view.width(); ++x) {
                const QColor p = view.pixelColor(x, y);
                if (p.blue() > 200 && p.red() < 60 && p.green() < 60) blue |= QRect(x, y, 1, 1);
                if (p == QColor(255, 255, 187)) lightYellow = true;
            }
        // The 2-pixel pen straddles the circle's box by a pixel.
        EXPECT_NEAR(blue.top(), c.circleTop, 1);
        EXPECT_NEAR(blue.right(), c.circleRight, 1);
        EXPECT_NEAR(blue.width(), blue.height(), 1) << "a circle";
        EXPECT_TRUE(lightYellow);
        QTest::mouseRelease(grid(), Qt::LeftButton, {}, c.press + QPoint(2, 2));
    }
}

TEST_F(MainFormTest, TheStatusBarHasFivePanelsAndCutsTheLastOffInTheNarrowWindow)
{
    open();
    TStatusBar *bar = form->statusBar1();
    ASSERT_EQ(bar->panelCount(), 5);
    const int widths[] = {45, 60, 40, 60, 140};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(bar->panelWidth(i), widths[i]);
    EXPECT_EQ(panel(0), "Actual");
    EXPECT_EQ(panel(1), "0");
    EXPECT_EQ(panel(2), "Total");
    EXPECT_EQ(panel(3), "0");
    EXPECT_EQ(panel(4), "Standard");
    EXPECT_GT(bar->panelRect(4).right(), bar->width()) << "345 pixels in a 277-pixel window";
    EXPECT_EQ(bar->y() + bar->height(), form->height()) << "nothing below the status bar";
    EXPECT_FALSE(bar->font().bold()) << "the interface font, not the board's";
    EXPECT_EQ(bar->font().pixelSize(), 11);
    // Menu hints never take over the status bar.
    bar->showMessage(QStringLiteral("Starts new game"));
    EXPECT_EQ(panel(0), "Actual");
}

TEST_F(MainFormTest, TheMenuHasEveryItemWithItsHintPictureAndState)
{
    open();
    struct Entry {
        const char *name;
        const char *caption;
        const char *hint;
        int picture;
    } const entries[] = {
        {"NewGame1", "New Game", "Starts new game", 12},
        {"Exit1", "Exit", "Exit quorbix", 2},
        {"Undo2", "", "undo one step", 5},
        {"Redo2", "", "redo one step", 6},
        {"dfdf1", "View high score list", "Beat High Score and look where you are", 13},
        {"Showimagedispersion1", "Show image dispersion", "", 14},
        {"Soundson1", "Sounds", "Toggle sound", -1},
        {"Normal1", "Standard", "Normal mode (applied in new game)", 7},
        {"Shifter1", "Shifter", "Shifts symbols right (applied in new game)", 10},
        {"AddLast1", "Add Mega Row", "Add new row if emty (applied in new game)", 9},
        {"MegaShift1", "Shift Mega Row",
         "Add new row if empty and shift symbols right (applied in new game)", 8},
        {"Standard1", "Standard", "", -1},
        {"KidsImages1", "Big (customize)", "", -1},
        {"SmallImages1", "Small (customize)", "", -1},
        {"SelectSymbols1", "Customize images", "Select different symbols for images", 11},
        {"About1", "About", "", 0},
        {"Help2", "Help", "Display help file", 4},
    };
    for (const Entry &e : entries) {
        SCOPED_TRACE(e.name);
        QAction *a = item(e.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), QString::fromLatin1(e.caption));
        if (*e.hint) {
            EXPECT_EQ(a->toolTip(), QString::fromLatin1(e.hint));
        }
        EXPECT_TRUE(a->statusTip().isEmpty());
        EXPECT_EQ(a->property("ImageIndex").toInt(), e.picture);
        EXPECT_EQ(a->icon().isNull(), e.picture < 0);
    }
    const QStringList bar = [&] {
        QStringList names;
        for (QAction *a : form->menuBar()->actions())
            names << (a->menu() ? a->menu()->objectName() : a->objectName());
        return names;
    }();
    EXPECT_EQ(bar, (QStringList{"Game1", "Undo2", "Redo2", "View1", "Edit1", "Help1"}));
    auto *help = form->findChild<QMenu *>(QStringLiteral("Help1"));
    EXPECT_EQ(help->menuAction()->toolTip(), "About Quorbix");
    EXPECT_TRUE(item("Soundson1")->isChecked());
    EXPECT_TRUE(item("Standard1")->isChecked());
    EXPECT_TRUE(item("Normal1")->isChecked()) << "the stored mode 0";
    EXPECT_EQ(form->windowTitle().left(13), "Quorbix from ");
    const auto *skin = form->findChild<menuskin::TMenuSkin *>(QStringLiteral("MenuSkin1"));
    ASSERT_NE(skin, nullptr);
    EXPECT_TRUE(skin->Active());
    EXPECT_TRUE(skin->Gradient());
    EXPECT_EQ(form->menuBar()->style(), skin->menuStyle());
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 255, 34));
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 20);
    EXPECT_EQ(form->font().pixelSize(), 19);
    EXPECT_TRUE(form->font().bold());
}

TEST_F(MainFormTest, CustomizeInTheStandardSizeOnlyExplains)
{
    open();
    ModalWatcher watcher;
    item("SelectSymbols1")->trigger();
    ASSERT_EQ(watcher.seen.size(), 1u);
    EXPECT_EQ(watcher.seen[0].text, "This only works for Mode: Small or Big Images");
}

TEST_F(MainFormTest, CustomizedPicturesShowAtOnceAfterOkAndNotAfterCancel)
{
    open();
    const struct {
        const char *item;
        bool kidSize;
        const resources::PictureLibrary &library;
    } sizes[] = {{"SmallImages1", false, resources::smallLibrary()},
                 {"KidsImages1", true, resources::bigLibrary()}};
    for (const auto &size : sizes) {
        SCOPED_TRACE(size.item);
        item(size.item)->trigger();
        const QImage before = form->pictures().entry(0).toImage();
        const auto placePicture = [&](QWidget *w, bool ok) {
            auto *dialog = qobject_cast<TForm2 *>(w);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->KidSize(), size.kidSize);
            auto *list = dialog->findChild<QTreeWidget *>(QStringLiteral("LV"));
            list->setCurrentItem(list->topLevelItem(40));
            dialog->Image1DblClick();
            if (ok) dialog->accept();
        };
        {
            ModalWatcher watcher;
            watcher.inspect = [&](QWidget *w) { placePicture(w, false); };
            item("SelectSymbols1")->trigger();
        }
        EXPECT_TRUE(samePixels(form->pictures().entry(0).toImage(), before)) << "Cancel";
        {
            ModalWatcher watcher;
            watcher.inspect = [&](QWidget *w) { placePicture(w, true); };
            item("SelectSymbols1")->trigger();
        }
        EXPECT_TRUE(samePixels(form->pictures().entry(0).toImage(), onWhite(size.library, 40)));
    }
}

TEST_F(MainFormTest, EveryOtherCommandOpensItsWindow)
{
    open();
    item("SmallImages1")->trigger();
    const struct {
        const char *item;
        const char *window;
    } commands[] = {
        {"SelectSymbols1", "TForm2"},
        {"dfdf1", "THighScoreForm"},
        {"Showimagedispersion1", "Tdispers_form"},
        {"About1", "TAboutBox"},
        {"Help2", "QMessageBox"},  // no help file beside this "executable"
    };
    for (const auto &c : commands) {
        SCOPED_TRACE(c.item);
        ModalWatcher watcher;
        item(c.item)->trigger();
        ASSERT_FALSE(watcher.seen.empty());
        EXPECT_EQ(watcher.seen.front().className, c.window);
    }
}
