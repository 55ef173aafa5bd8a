// The select-images dialog: what it reads, what the boxes show, and what OK, Cancel, Escape and
// a failing write leave in the settings file.

#include "imgCmbo.h"

#include "AppFiles.h"
#include "ProfileFile.h"
#include "Resources.h"
#include "TempExeDir.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Picture n is opaque in one half only (the top half for odd n, the bottom half for even n),
// in a colour whose red part is n. So a box tells which picture it shows, whether it was
// drawn on white, and whether an earlier picture still shows through.
class NumberedLibrary : public resources::PictureLibrary {
public:
    NumberedLibrary(int count, int size) : count_(count), size_(size) {}
    int count() const override { return count_; }
    int pictureSize() const override { return size_; }
    QPixmap plain(int n, qreal) const override
    {
        if (n < 0 || n >= count_) return {};
        QImage image(size_, size_, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        const int top = n % 2 ? 0 : size_ / 2;
        for (int y = top; y < top + size_ / 2; ++y)
            for (int x = 0; x < size_; ++x) image.setPixel(x, y, qRgb(n, 90, 160));
        return QPixmap::fromImage(image);
    }
    QPixmap onYellow(int, qreal) const override { return {}; }

private:
    int count_;
    int size_;
};

constexpr int kBlank = -1;

class SelectImagesTest : public ::testing::Test {
protected:
    std::unique_ptr<TForm2> open(bool big)
    {
        auto dialog = std::make_unique<TForm2>();
        dialog->setProperty("KidSize", big);  // as a layout or script would set it
        dialog->setBigList(&bigList);
        dialog->setSmallList(&smallList);
        dialog->show();
        return dialog;
    }

    static QTreeWidget *list(TForm2 &dialog) { return dialog.findChild<QTreeWidget *>("LV"); }
    static QLabel *box(TForm2 &dialog, int box)
    {
        return dialog.findChild<QLabel *>(QStringLiteral("Image%1").arg(box));
    }

    // The picture number a box (1..5) shows, kBlank for a white box; fails the test when the
    // box shows anything but one whole picture on white.
    static int shownPicture(TForm2 &dialog, int boxNumber)
    {
        const QImage image = box(dialog, boxNumber)->pixmap().toImage();
        const int half = image.height() / 2;
        const QRgb top = image.pixel(0, 0);
        const QRgb bottom = image.pixel(0, half);
        const QRgb white = qRgb(255, 255, 255);
        if (top == white && bottom == white) return kBlank;
        const QRgb drawn = top == white ? bottom : top;
        const int n = qRed(drawn);
        EXPECT_EQ(top == white, n % 2 == 0) << "picture " << n << " in the wrong half";
        EXPECT_EQ(n % 2 ? bottom : top, white) << "box " << boxNumber << " not cleared";
        return n;
    }
    static std::vector<int> shownPictures(TForm2 &dialog)
    {
        std::vector<int> shown;
        for (int b = 1; b <= 5; ++b) shown.push_back(shownPicture(dialog, b));
        return shown;
    }

    static void selectRow(TForm2 &dialog, int row)
    {
        QTreeWidget *lv = list(dialog);
        QTreeWidgetItem *item = lv->topLevelItem(row);
        lv->scrollToItem(item);
        QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, lv->visualItemRect(item).center());
    }
    static void doubleClickBox(TForm2 &dialog, int boxNumber)
    {
        QTest::mouseDClick(box(dialog, boxNumber), Qt::LeftButton);
    }

    // Keys "0".."4" of a section as stored; "" for a missing key.
    static QStringList stored(const QString &section)
    {
        const platform::ProfileFile settings(platform::settingsFilePath());
        QStringList values;
        for (int kind = 0; kind < 5; ++kind)
            values << settings.readString(section, QString::number(kind), QString());
        return values;
    }
    static void store(const QString &section, const QString &key, const QString &value)
    {
        platform::ProfileFile(platform::settingsFilePath()).writeString(section, key, value);
    }

    TempExeDir exeDir;
    NumberedLibrary bigList{87, 32};
    NumberedLibrary smallList{80, 16};
};

const QStringList kNothing = {"", "", "", "", ""};

TEST_F(SelectImagesTest, FreshSettingsShowPicturesZeroToFourAndOkWritesThemToTheSizesSection)
{
    for (const bool big : {false, true}) {
        QFile::remove(platform::settingsFilePath());
        auto dialog = open(big);
        const int size = big ? 32 : 16;
        EXPECT_EQ(list(*dialog)->topLevelItemCount(), big ? 87 : 80);
        EXPECT_EQ(list(*dialog)->iconSize(), QSize(size, size));
        EXPECT_EQ(box(*dialog, 1)->pixmap().size(), QSize(size, size));
        EXPECT_EQ(shownPictures(*dialog), (std::vector<int>{0, 1, 2, 3, 4}));
        EXPECT_EQ(dialog->font().pixelSize(), 13);
        EXPECT_EQ(dialog->findChild<QLabel *>("Label1")->font().pixelSize(), 15);

        // Through exec(), as the main window runs it.
        QTimer::singleShot(0, dialog.get(),
                           [&] { dialog->findChild<QPushButton *>("BitBtn1")->click(); });
        EXPECT_EQ(dialog->exec(), QDialog::Accepted);

        const QStringList written = {"0", "1", "2", "3", "4"};
        EXPECT_EQ(stored("Symbols"), big ? written : kNothing);
        EXPECT_EQ(stored("Small Symbols"), big ? kNothing : written);
    }
}

TEST_F(SelectImagesTest, ShowsTheStoredChoicesOfItsOwnSectionWithTheKindNumberAsDefault)
{
    store("Small Symbols", "0", "12");
    store("Small Symbols", "1", "abc");
    store("Small Symbols", "3", "79");
    store("Symbols", "2", "50");
    auto small = open(false);
    EXPECT_EQ(shownPictures(*small), (std::vector<int>{12, 1, 2, 79, 4}));

    // A number the library does not have leaves its box white instead of failing.
    store("Symbols", "4", "300");
    auto big = open(true);
    EXPECT_EQ(shownPictures(*big), (std::vector<int>{0, 1, 50, 3, kBlank}));
}

TEST_F(SelectImagesTest, PlacedPicturesReplaceTheBoxesAndOkWritesThem)
{
    auto dialog = open(true);
    selectRow(*dialog, 7);
    doubleClickBox(*dialog, 2);
    doubleClickBox(*dialog, 4);
    EXPECT_EQ(shownPictures(*dialog), (std::vector<int>{0, 7, 2, 7, 4}));

    // Picture 8 covers the other half of its square than 7, so a leftover would show.
    selectRow(*dialog, 8);
    doubleClickBox(*dialog, 2);
    EXPECT_EQ(shownPictures(*dialog), (std::vector<int>{0, 8, 2, 7, 4}));
    EXPECT_EQ(stored("Symbols"), kNothing) << "written before OK";

    QTest::keyClick(dialog.get(), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(stored("Symbols"), (QStringList{"0", "8", "2", "7", "4"}));
}

TEST_F(SelectImagesTest, CancelEscapeAndTheCloseButtonWriteNothing)
{
    store("Small Symbols", "0", "33");
    QFile before(platform::settingsFilePath());
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray content = before.readAll();
    before.close();

    const std::vector<std::function<void(TForm2 &)>> closings = {
        [](TForm2 &d) { d.findChild<QPushButton *>("BitBtn2")->click(); },
        [](TForm2 &d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](TForm2 &d) { d.close(); },
    };
    for (const auto &closeDialog : closings) {
        auto dialog = open(false);
        selectRow(*dialog, 20);
        doubleClickBox(*dialog, 1);
        doubleClickBox(*dialog, 5);
        closeDialog(*dialog);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Rejected);

        QFile after(platform::settingsFilePath());
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        EXPECT_EQ(after.readAll(), content);
    }
}

TEST_F(SelectImagesTest, DoubleClickWithNoPictureSelectedLeavesTheBox)
{
    auto dialog = open(false);
    doubleClickBox(*dialog, 3);
    selectRow(*dialog, 11);
    list(*dialog)->clearSelection();
    doubleClickBox(*dialog, 4);
    EXPECT_EQ(shownPictures(*dialog), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(dialog->PictureChoice(), (std::array<int, 5>{0, 1, 2, 3, 4}));
}

TEST_F(SelectImagesTest, ComingBackToTheDialogKeepsPlacementsAndListsEachPictureOnce)
{
    auto dialog = open(false);
    selectRow(*dialog, 9);
    doubleClickBox(*dialog, 1);

    store("Small Symbols", "1", "60");  // changed behind the dialog's back
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(dialog.get(), &deactivate);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(dialog.get(), &activate);

    EXPECT_EQ(list(*dialog)->topLevelItemCount(), 80);
    EXPECT_EQ(shownPictures(*dialog), (std::vector<int>{9, 1, 2, 3, 4}));
    EXPECT_EQ(stored("Small Symbols"), (QStringList{"", "60", "", "", ""}))
        << "deactivation without OK wrote";
}

TEST_F(SelectImagesTest, UnwritableSettingsShowTheErrorAndKeepTheFile)
{
    // A folder where the settings file belongs cannot be written, whoever runs the test.
    ASSERT_TRUE(QDir().mkdir(platform::settingsFilePath()));
    auto dialog = open(true);
    selectRow(*dialog, 5);
    doubleClickBox(*dialog, 1);

    QString message;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, dialog.get(), [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                message = box->text();
                icon = box->icon();
                box->accept();
            }
        }
    });
    dialog->findChild<QPushButton *>("BitBtn1")->click();

    EXPECT_EQ(message, "Unable to write to " + platform::settingsFilePath());
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(QFileInfo(platform::settingsFilePath()).isDir());
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SelectImagesTest, ListsEveryPictureOfTheBuiltInLibraries)
{
    resources::init();
    TForm2 dialog;
    dialog.setKidSize(true);
    dialog.setBigList(&resources::bigLibrary());
    dialog.show();
    EXPECT_EQ(list(dialog)->topLevelItemCount(), 87);
    EXPECT_EQ(box(dialog, 5)->pixmap().size(), QSize(32, 32));

    TForm2 small;
    small.setSmallList(&resources::smallLibrary());
    small.show();
    EXPECT_EQ(list(small)->topLevelItemCount(), 80);
    EXPECT_EQ(box(small, 1)->pixmap().size(), QSize(16, 16));
}

}  // namespace

TEST_F(SelectImagesTest, KeysAloneChooseAPictureAndPutItOnAKindThatAScreenReaderNames)
{
    auto dialog = open(true);
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QTreeWidget *lv = list(*dialog);
    EXPECT_EQ(lv->model()->index(1, 0).data(Qt::AccessibleTextRole).toString(), "Frog");
    EXPECT_EQ(box(*dialog, 2)->accessibleName(), "Symbol 2: Frog");

    // Down the list to picture 3, Tab to the first box, Right to the second, Enter puts it there.
    lv->setFocus();
    lv->setCurrentItem(lv->topLevelItem(0));
    for (int i = 0; i < 3; ++i) QTest::keyClick(lv, Qt::Key_Down);
    QTest::keyClick(lv, Qt::Key_Tab);
    EXPECT_TRUE(box(*dialog, 1)->hasFocus());
    QTest::keyClick(box(*dialog, 1), Qt::Key_Right);
    ASSERT_TRUE(box(*dialog, 2)->hasFocus());
    QTest::keyClick(box(*dialog, 2), Qt::Key_Return);
    EXPECT_EQ(shownPicture(*dialog, 2), 3);
    EXPECT_EQ(box(*dialog, 2)->accessibleName(), "Symbol 2: Bee");
    // Space on the fifth box (Left wraps round from the first).
    QTest::keyClick(box(*dialog, 2), Qt::Key_Left);
    QTest::keyClick(box(*dialog, 1), Qt::Key_Left);
    ASSERT_TRUE(box(*dialog, 5)->hasFocus());
    QTest::keyClick(box(*dialog, 5), Qt::Key_Space);
    EXPECT_EQ(shownPictures(*dialog), (std::vector<int>{0, 3, 2, 3, 3}));

    // The focused box shows a frame on its edge; the others look as before.
    const QImage focused = box(*dialog, 5)->grab().toImage();
    const QImage resting = box(*dialog, 4)->grab().toImage();
    EXPECT_NE(focused.pixel(0, 0), resting.pixel(0, 0));
    EXPECT_EQ(focused.pixel(focused.width() / 2, focused.height() / 2),
              resting.pixel(resting.width() / 2, resting.height() / 2));
    QTest::keyClick(box(*dialog, 5), Qt::Key_Tab);
    EXPECT_EQ(resting.pixel(0, 0), box(*dialog, 5)->grab().toImage().pixel(0, 0))
        << "the frame goes with the focus";
}
