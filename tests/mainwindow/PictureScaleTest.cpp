// The pictures on a screen at 100 % and at 200 %: the same pixels as ever at 1x, the
// double-size drawings at 2x. The suite runs these cases again on screens scaled to 150 and
// 200 % (test_mainwindow_scaled_150, _200).
#include "MainFormFixture.h"

#include "BoardView.h"
#include "imgCmbo.h"

#include "Resources.h"

#include <QCryptographicHash>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>

using quorbix::PictureSize;

namespace {

constexpr PictureSize Sizes[] = {PictureSize::Standard, PictureSize::Small, PictureSize::Big};

quorbix::SymbolPictureTable tableFor(PictureSize size, qreal ratio)
{
    // No settings file: every kind shows its default picture.
    const QString noSettings = QStringLiteral("/nonexistent/quorbix.ini");
    quorbix::SymbolPictureTable table;
    switch (size) {
    case PictureSize::Standard: table.LoadStandardPictures(ratio); break;
    case PictureSize::Small: table.LoadSmallPictures(noSettings, ratio); break;
    case PictureSize::Big: table.LoadBigPictures(noSettings, ratio); break;
    }
    return table;
}

// Three cells side by side as the view draws them (kind 0 normal, kind 3 selected, empty), on
// a surface of the given device pixel ratio.
QImage drawCells(PictureSize size, int ratio)
{
    const quorbix::ViewGeometry g = quorbix::viewGeometry(size);
    const quorbix::SymbolPictureTable table = tableFor(size, ratio);
    QImage image(QSize(3 * g.cell, g.cell) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    const engine::Cell cells[] = {{0, engine::CellState::Normal, 0},
                                  {3, engine::CellState::Selected, 0},
                                  {0, engine::CellState::Empty, 0}};
    for (int i = 0; i < 3; ++i)
        quorbix::drawCell(painter, QRect(i * g.cell, 0, g.cell, g.cell), cells[i], table, g.inset);
    return image;
}

QByteArray signature(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return QCryptographicHash::hash(QByteArrayView(rgb.constBits(), rgb.sizeInBytes()),
                                    QCryptographicHash::Sha1)
        .toHex();
}

// How many 2 x 2 blocks of the image hold more than one colour: none in a picture enlarged
// from its designed size.
int detailedBlocks(const QImage &image)
{
    int blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            blocks += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                      image.pixel(x + 1, y + 1) != p;
        }
    return blocks;
}

}  // namespace

TEST(PictureScale, AtOneToOneEveryCellKeepsItsPixels)
{
    // The cells' pixels as they were before the double-size drawings came.
    const char *expected[] = {"1ee4b44beb5adabd0ccea2323b51bc3cd010f217",
                              "8069e6f54342c2cbee7dffddc609237986c6c43d",
                              "da075bc889376d3aa5c48416179a22450381cb3b"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(signature(drawCells(Sizes[i], 1)), QByteArray(expected[i]));
    }
}

TEST(PictureScale, AtTwiceTheScaleCellsShowTheDoubleSizeDrawings)
{
    for (const PictureSize size : Sizes) {
        SCOPED_TRACE(static_cast<int>(size));
        const QImage single = drawCells(size, 1);
        QImage twice = drawCells(size, 2);
        ASSERT_EQ(twice.size(), single.size() * 2);
        twice.setDevicePixelRatio(1);
        // Not the 1x cells enlarged: detail that 1x pictures cannot have (that they are the same
        // pictures, the resource tests show).
        EXPECT_NE(twice, single.scaled(twice.size()));
        EXPECT_GT(detailedBlocks(twice), single.width() * single.height() / 20);
        // The frames of the cells keep their widths.
        const quorbix::ViewGeometry g = quorbix::viewGeometry(size);
        if (g.inset > 0) {
            EXPECT_EQ(twice.pixel(2 * g.inset - 1, 2 * g.cell - 1), qRgb(255, 255, 255));
            EXPECT_EQ(twice.pixel(2 * (g.cell + g.inset) - 1, 2 * g.inset),
                      quorbix::SelectedGround);
        }
    }
}

// Run by the suite on the offscreen screen at 100 % and, as test_mainwindow_scaled_150 and _200,
// at 150 and 200 %.
TEST_F(MainFormTest, EveryWindowTakesThePicturesOfItsScreensScale)
{
    open();
    const qreal ratio = form->devicePixelRatioF();
    // The scaled run must really be scaled, or it proves nothing.
    if (!qEnvironmentVariableIsEmpty("QUORBIX_TEST_SCALE")) {
        ASSERT_EQ(ratio, qEnvironmentVariable("QUORBIX_TEST_SCALE").toDouble());
    }
    for (const char *size : {"Standard1", "SmallImages1", "KidsImages1"}) {
        SCOPED_TRACE(size);
        item(size)->trigger();
        for (int n = 0; n < quorbix::PictureEntries; ++n) {
            const QPixmap &entry = form->pictures().entry(n);
            EXPECT_EQ(entry.devicePixelRatio(), ratio) << n;
            EXPECT_EQ(entry.deviceIndependentSize(), QSizeF(entry.size()) / ratio) << n;
        }
        // The view shows the pictures pixel for pixel: none is enlarged on the way.
        setField(form->game(), std::vector<std::string>(engine::Rows, "01234012340"));
        grid()->Repaint();
        const QImage view = grid()->grab().toImage();
        const int inset = quorbix::viewGeometry(form->pictureSize()).inset;
        const QPixmap &picture = form->pictures().entry(1);
        const QRect cell(
            QPointF((grid()->cellRect(1, 0).topLeft() + QPoint(2 + inset, 2 + inset)) * ratio)
                .toPoint(),
            picture.size());
        EXPECT_EQ(view.copy(cell).convertToFormat(QImage::Format_RGB32),
                  picture.toImage().convertToFormat(QImage::Format_RGB32));
    }

    // Menu pictures at both sizes while a screen is scaled.
    const QIcon undo = item("Undo2")->icon();
    EXPECT_EQ(undo.pixmap(QSize(16, 16), ratio).devicePixelRatio(), ratio);

    // The select-images dialog's list and boxes, the dispersion window and the About window.
    ModalWatcher watcher;
    QStringList seen;
    watcher.inspect = [&](QWidget *window) {
        seen << QString::fromLatin1(window->metaObject()->className());
        for (const char *name : {"Image1", "Image5", "ProgramIcon2"}) {
            if (const auto *box = window->findChild<QLabel *>(QLatin1String(name))) {
                EXPECT_EQ(box->pixmap().devicePixelRatio(), ratio)
                    << seen.last().toStdString() << " " << name;
            }
        }
        if (const auto *list = window->findChild<QTreeWidget *>(QStringLiteral("LV"))) {
            const QIcon first = list->topLevelItem(0)->icon(0);
            EXPECT_EQ(first.pixmap(list->iconSize(), ratio).size(), list->iconSize() * ratio);
        }
        if (const auto *close = window->findChild<QToolButton *>(QStringLiteral("SpeedButton1"))) {
            EXPECT_EQ(close->icon().pixmap(close->iconSize(), ratio).devicePixelRatio(), ratio);
        }
    };
    item("SelectSymbols1")->trigger();
    item("Showimagedispersion1")->trigger();
    item("About1")->trigger();
    EXPECT_EQ(seen, QStringList({"TForm2", "Tdispers_form", "TAboutBox"}));
}

// The dotted focus frame inverts the current cell's outermost ring of device pixels, as thick
// on every side as the scale has whole steps, and none of its picture's. Run at 100, 150 and
// 200 %, on the whole window, where the board starts at a fraction of a device pixel at 150 %.
TEST_F(MainFormTest, TheFocusFrameTakesTheCurrentCellsOuterDevicePixels)
{
    open();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_TRUE(grid()->hasFocus());
    const qreal ratio = form->devicePixelRatioF();
    const int width = qMax(1, static_cast<int>(ratio));
    setField(form->game(), std::vector<std::string>(engine::Rows, "01234012340"));
    QTest::keyClick(grid(), Qt::Key_Right);
    QTest::keyClick(grid(), Qt::Key_Down);
    const QImage focused = form->grab().toImage();
    grid()->clearFocus();
    const QImage plain = form->grab().toImage();
    ASSERT_EQ(focused.size(), plain.size());

    QRect frame;
    std::vector<QPoint> inverted;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (focused.pixel(x, y) != plain.pixel(x, y)) {
                inverted.emplace_back(x, y);
                frame |= QRect(x, y, 1, 1);
            }
    const int cell = qRound(grid()->cellSize() * ratio);
    ASSERT_EQ(frame.size(), QSize(cell, cell)) << "the whole cell, not a pixel more or less";
    const QRect inside = frame.adjusted(width, width, -width, -width);
    for (const QPoint &p : inverted) {
        EXPECT_FALSE(inside.contains(p)) << p.x() - frame.x() << "," << p.y() - frame.y();
        // The ground and the faint shadow around a ball are light; the ball is not.
        const QColor under = plain.pixelColor(p);
        EXPECT_GE(std::min({under.red(), under.green(), under.blue()}), 200)
            << "on the picture at " << p.x() - frame.x() << "," << p.y() - frame.y();
    }
    // As thick on every side: the innermost line of each side, beside the inside, has dots.
    const auto dotsBeside = [&](int dx, int dy) {
        return std::any_of(inverted.begin(), inverted.end(), [&](QPoint p) {
            return !inside.contains(p) && inside.contains(p + QPoint(dx, dy));
        });
    };
    EXPECT_TRUE(dotsBeside(1, 0)) << "left";
    EXPECT_TRUE(dotsBeside(-1, 0)) << "right";
    EXPECT_TRUE(dotsBeside(0, 1)) << "top";
    EXPECT_TRUE(dotsBeside(0, -1)) << "bottom";
}
