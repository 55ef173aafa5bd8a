// The game-over window: its texts and where they stand, the picture, closing, and dragging.
#include "Results.h"

#include "Resources.h"
#include "TempExeDir.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {

// Records the window system's move instead of asking for it; the offscreen platform has none,
// so the window falls back to moving itself, as it does on desktops that cannot move it for us.
class ResultForm : public TResultForm {
public:
    using TResultForm::TResultForm;
    int systemMoves = 0;
    bool systemMoveWorks = false;

protected:
    bool startSystemMove() override
    {
        ++systemMoves;
        return systemMoveWorks;
    }
};

QLabel *label(const TResultForm &form, const char *name) { return form.findChild<QLabel *>(name); }

class ResultFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        resources::init();
        resources::registerFonts();
    }

    void SetUp() override
    {
        form.setResults("You ve earned 250 points ");
        form.setLeftover("You have left 3 balls ");
        form.setBonus("so you receive a bonus of 333 points !");
        form.label6()->setText("Your total score is: 583!!");
        form.move(100, 100);
        form.show();
        QCoreApplication::processEvents();
    }

    TempExeDir exeDir;
    ResultForm form;
};

}  // namespace

TEST_F(ResultFormTest, ShowsTheResultLinesWhereTheyBelong)
{
    EXPECT_EQ(form.size(), QSize(315, 201));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    struct Expected {
        const char *name;
        QPoint pos;
        int pixels;
        QString text;
        QColor ink = Qt::black;
    };
    const Expected expected[] = {
        {"Label1", {27, 63}, 15, "You ve earned 250 points "},
        {"Label2", {27, 84}, 15, "You have left 3 balls "},
        {"Label3", {114, 8}, 20, "quorbix", Qt::blue},
        {"Label4", {91, 31}, 20, "Game over !"},
        {"Label5", {27, 105}, 15, "so you receive a bonus of 333 points !"},
        {"Label6", {27, 127}, 15, "Your total score is: 583!!"},
    };
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.name);
        const QLabel *l = label(form, e.name);
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->pos(), e.pos);
        EXPECT_EQ(l->text(), e.text);
        EXPECT_EQ(l->font().pixelSize(), e.pixels);
        EXPECT_EQ(l->font().family(), "Britannic Bold");
        EXPECT_TRUE(l->font().italic());
        EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(e.text));
        EXPECT_EQ(l->palette().color(QPalette::WindowText), e.ink);
    }
    const auto *ok = form.findChild<QToolButton *>("SpeedButton1");
    EXPECT_EQ(ok->geometry(), QRect(101, 154, 95, 24));
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->autoRaise());
    EXPECT_EQ(ok->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(ok->font().pixelSize(), 15);
}

TEST_F(ResultFormTest, TheProgramNameFollowsTheProgramFile)
{
    platform::overrideExecutablePath(exeDir.filePath("Tiles.bin"));
    form.hide();
    form.show();
    EXPECT_EQ(label(form, "Label3")->text(), "Tiles");
}

TEST_F(ResultFormTest, LongLinesRunOffTheEdgeWithoutWrapping)
{
    form.setBonus(QString(80, QLatin1Char('W')));
    form.hide();
    form.show();
    const QLabel *bonus = label(form, "Label5");
    EXPECT_EQ(bonus->pos(), QPoint(27, 105));
    EXPECT_GT(bonus->geometry().right(), form.width());
    EXPECT_LT(bonus->height(), 2 * bonus->fontMetrics().height());
}

TEST_F(ResultFormTest, ThePictureStandsUnscaledOnWhite)
{
    const QImage picture = resources::gameOverBackground();
    ASSERT_EQ(picture.size(), QSize(295, 188));
    // Hide the texts so only the picture and the window's own white remain.
    for (QLabel *l : form.findChildren<QLabel *>())
        if (l->objectName() != "Image1") l->hide();
    form.findChild<QToolButton *>()->hide();
    const QImage shot = form.grab().toImage();
    for (const QPoint p : {QPoint(0, 0), QPoint(3, 3), QPoint(150, 60), QPoint(294, 187)})
        EXPECT_EQ(shot.pixelColor(p), picture.pixelColor(p)) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(300, 10), QPoint(10, 195), QPoint(314, 200)})
        EXPECT_EQ(shot.pixelColor(p), QColor(Qt::white)) << p.x() << "," << p.y();
}

TEST_F(ResultFormTest, PressingAnywhereButOnOkDragsTheWindow)
{
    struct From {
        const char *what;
        QWidget *widget;
        QPoint at;
    };
    const From places[] = {
        {"label", label(form, "Label4"), {5, 5}},
        {"picture", label(form, "Image1"), {150, 20}},
        {"white margin", &form, {305, 195}},
    };
    for (const From &from : places) {
        SCOPED_TRACE(from.what);
        const QPoint start = form.pos();
        QTest::mousePress(from.widget, Qt::LeftButton, {}, from.at);
        QTest::mouseMove(from.widget, from.at + QPoint(30, 12));
        QTest::mouseRelease(from.widget, Qt::LeftButton, {}, from.at + QPoint(30, 12));
        EXPECT_EQ(form.pos(), start + QPoint(30, 12));
    }
    EXPECT_EQ(form.systemMoves, 3);

    // Where the window system moves it, the window leaves the pointer alone.
    form.systemMoveWorks = true;
    const QPoint start = form.pos();
    QTest::mousePress(label(form, "Label1"), Qt::LeftButton, {}, {5, 5});
    QTest::mouseMove(label(form, "Label1"), {40, 5});
    QTest::mouseRelease(label(form, "Label1"), Qt::LeftButton, {}, {40, 5});
    EXPECT_EQ(form.pos(), start);
    EXPECT_EQ(form.systemMoves, 4);
}

TEST_F(ResultFormTest, PressingOkClicksItAndMovesNothing)
{
    auto *ok = form.findChild<QToolButton *>("SpeedButton1");
    EXPECT_FALSE(form.isDragPoint(ok->geometry().center()));
    EXPECT_FALSE(form.isDragPoint(ok->geometry().topLeft()));
    EXPECT_TRUE(form.isDragPoint(ok->geometry().topLeft() - QPoint(1, 1)));

    const QPoint start = form.pos();
    QSignalSpy finished(&form, &QDialog::finished);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(form.systemMoves, 0);
    EXPECT_EQ(form.pos(), start);
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished.front().front().toInt(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ResultFormTest, EnterAndEscapeCloseIt)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        form.show();
        QTest::keyClick(&form, key);
        EXPECT_FALSE(form.isVisible()) << key;
    }
}
