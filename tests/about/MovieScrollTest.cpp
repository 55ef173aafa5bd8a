// The credits scroller, drawn into images with its timer stopped and its ticks driven here.
#include "MovieScroll.h"

#include "Resources.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

namespace {

const QColor kBack(0, 0, 0);
const QColor kText(0, 255, 0);
const QColor kShadow(255, 0, 0);

// A pixel font without smoothing, so that every drawn pixel has exactly the text's colour.
TextFont sharpFont()
{
    resources::init();
    resources::registerFonts();
    TextFont f = TextFont::pixels(QStringLiteral("Liberation Sans"), 20, kText);
    f.font.setStyleStrategy(QFont::NoAntialias);
    return f;
}

class Scroller {
public:
    explicit Scroller(const QStringList &lines, bool shadow = false)
    {
        movie.findChild<QTimer *>()->stop();
        movie.setScrollText(lines);
        movie.setDefaultFont(sharpFont());
        movie.setBackColor(kBack);
        movie.setShadowColor(kShadow);
        movie.setShadow(shadow);
        movie.resize(200, 100);
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i) movie.TimerTick();
    }
    QImage image()
    {
        QImage img(movie.size(), QImage::Format_RGB32);
        movie.render(&img);
        return img;
    }
    TMovieScroll movie;
};

struct Box {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    bool empty() const { return right < 0; }
};

// Where the pixels of one colour are, leaving out the frame along the edges.
Box boxOf(const QImage &img, const QColor &color)
{
    Box b;
    for (int y = 2; y < img.height() - 1; ++y)
        for (int x = 1; x < img.width() - 1; ++x)
            if (img.pixelColor(x, y) == color) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

// The leftmost inked column of `text` drawn by itself at x.
int leftInkAt(const QString &text, const QFont &font, int x)
{
    QImage img(200, 100, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(x, 50, text);
    p.end();
    return boxOf(img, Qt::white).left;
}

}  // namespace

TEST(MovieScroll, StartsBelowTheBottomWithItsTimerRunning)
{
    TMovieScroll movie;
    EXPECT_EQ(movie.size(), QSize(200, 100));
    EXPECT_EQ(movie.scrollPos(), 101);
    EXPECT_TRUE(movie.findChild<QTimer *>()->isActive());
    EXPECT_EQ(movie.findChild<QTimer *>()->interval(), 40);
    EXPECT_EQ(movie.DefaultFont().font.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(movie.DefaultFont().color, QColor(Qt::white));
    EXPECT_EQ(movie.CompleteText(), QStringLiteral("The End"));
    EXPECT_TRUE(movie.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(MovieScroll, ANewIntervalTakesEffectAtOnceAndNoneStopsTheTimer)
{
    TMovieScroll movie;
    auto *timer = movie.findChild<QTimer *>();
    movie.setTimerInterval(75);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 75);
    movie.setTimerInterval(0);  // would otherwise fire without pause
    EXPECT_FALSE(timer->isActive());
    movie.setTimerInterval(30);
    EXPECT_TRUE(timer->isActive());
}

TEST(MovieScroll, ALeftAlignedLineStandsAtOneAndItsShadowAtOnePlusTheOffset)
{
    Scroller s({QStringLiteral("l")}, true);
    s.movie.setShadowOffset(3);
    s.ticks(60);
    const QImage img = s.image();
    const int ink = leftInkAt(QStringLiteral("l"), sharpFont().font, 1);
    const Box text = boxOf(img, kText);
    const Box shadow = boxOf(img, kShadow);
    ASSERT_FALSE(text.empty());
    ASSERT_FALSE(shadow.empty());
    EXPECT_EQ(text.left, ink);
    EXPECT_EQ(shadow.left, ink + 3);  // the shadow is drawn at x = 4
    EXPECT_EQ(shadow.top, text.top + 3);
}

TEST(MovieScroll, ACentredTitleIsCentredAndTheNextLineIsLeftAlignedAgain)
{
    Scroller s({QStringLiteral("[center][b][color=$FF0000]WWW"), QStringLiteral("l")});
    s.ticks(90);
    const QImage img = s.image();
    const Box title = boxOf(img, QColor(0, 0, 255));
    ASSERT_FALSE(title.empty());
    EXPECT_NEAR(title.left, img.width() - 1 - title.right, 2);

    QFont bold = sharpFont().font;
    bold.setBold(true);
    const int lineHeight = QFontMetrics(bold).height();
    // The second line, below the title, begins at x = 1.
    Box second;
    for (int y = title.bottom + 1; y < img.height() - 1; ++y)
        for (int x = 1; x < img.width() - 1; ++x)
            if (img.pixelColor(x, y) == kText) second.left = std::min(second.left, x);
    EXPECT_EQ(second.left, leftInkAt(QStringLiteral("l"), sharpFont().font, 1));
    EXPECT_LT(title.bottom - title.top, lineHeight);
}

TEST(MovieScroll, AnEmptyLineAdvancesByTheHeightOfW)
{
    Scroller plain({QStringLiteral("l")});
    Scroller spaced({QString(), QStringLiteral("l")});
    plain.ticks(70);
    spaced.ticks(70);
    const Box a = boxOf(plain.image(), kText);
    const Box b = boxOf(spaced.image(), kText);
    ASSERT_FALSE(a.empty());
    ASSERT_FALSE(b.empty());
    EXPECT_EQ(b.top - a.top, QFontMetrics(sharpFont().font).height());
}

TEST(MovieScroll, WithLoopTheTextComesBackFromTheBottomOnceItHasPassedTheTop)
{
    Scroller s({QStringLiteral("one"), QStringLiteral("two")});
    s.movie.setLoop(true);
    const int h = QFontMetrics(sharpFont().font).height();
    // The text ends when the last line's height + ScrollPos + 2 lines' height is below 0.
    const int endPos = -3 * h - 1;
    s.ticks(101 - endPos - 1);
    EXPECT_EQ(s.movie.scrollPos(), endPos + 1);
    s.ticks(1);
    EXPECT_EQ(s.movie.scrollPos(), 101);
    EXPECT_TRUE(s.movie.isScrolling());
}

TEST(MovieScroll, WithoutLoopTheClosingTextStandsCentredAndTheTimerStops)
{
    Scroller s({QStringLiteral("one"), QStringLiteral("two")});
    s.movie.findChild<QTimer *>()->start();
    s.movie.setCompleteText(QStringLiteral("Fin"));
    const int h = QFontMetrics(sharpFont().font).height();
    s.ticks(101 + 3 * h);
    EXPECT_TRUE(s.movie.isScrolling());
    EXPECT_TRUE(boxOf(s.image(), kText).empty());  // the lines have left, nothing shown yet
    s.ticks(1);
    EXPECT_FALSE(s.movie.isScrolling());
    EXPECT_FALSE(s.movie.findChild<QTimer *>()->isActive());

    QFont endFont = sharpFont().font;
    endFont.setPointSize(20);
    endFont.setBold(true);
    const QFontMetrics fm(endFont);
    const QImage img = s.image();
    const Box end = boxOf(img, kText);
    ASSERT_FALSE(end.empty());
    EXPECT_NEAR(end.left, img.width() - 1 - end.right, 2);
    EXPECT_GT(end.top, (img.height() - fm.height()) / 2 - 1);
    EXPECT_LT(end.bottom, (img.height() + fm.height()) / 2 + 1);
    EXPECT_NEAR(end.right - end.left + 1, fm.boundingRect(QStringLiteral("Fin")).width(), 3);
    // Every later repaint draws it again.
    EXPECT_EQ(s.image(), img);
}

TEST(MovieScroll, AResizeRestartsTheTextFromTheBottom)
{
    Scroller s({QStringLiteral("one")});
    s.ticks(10);
    s.movie.resize(300, 150);  // hidden: the next frame notices the new size
    s.ticks(1);
    EXPECT_EQ(s.movie.scrollPos(), 151);
    EXPECT_EQ(s.image().size(), QSize(300, 150));

    s.movie.show();
    s.ticks(10);
    s.movie.resize(250, 120);
    EXPECT_EQ(s.movie.scrollPos(), 121);
}

TEST(MovieScroll, AnEmptyTextShowsBackgroundAndFrameAndNeverEnds)
{
    Scroller s({});
    s.ticks(1000);
    EXPECT_TRUE(s.movie.isScrolling());
    const QImage img = s.image();
    EXPECT_EQ(img.pixelColor(5, 0), kBack);  // the frame starts one row down
    EXPECT_EQ(img.pixelColor(5, 1), kShadow);
    EXPECT_EQ(img.pixelColor(0, 50), kShadow);
    EXPECT_EQ(img.pixelColor(199, 50), kShadow);
    EXPECT_EQ(img.pixelColor(5, 99), kShadow);
    for (int y = 2; y < 99; ++y)
        for (int x = 1; x < 199; ++x) ASSERT_EQ(img.pixelColor(x, y), kBack) << x << "," << y;
}

TEST(MovieScroll, ABadNumberInATagDrawsTheLineAsIfTheTagWereNotThere)
{
    Scroller bad({QStringLiteral("[size=big][color=$red]abc")});
    Scroller plain({QStringLiteral("abc")});
    bad.ticks(50);
    plain.ticks(50);
    EXPECT_EQ(bad.image(), plain.image());
}
