// The picture lists: counts, sizes and order, the grounds of both library forms, the standard
// balls, and every picture's double-size drawing for scaled screens.

#include "Resources.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QImage argb(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

bool fullyOpaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 255) return false;
    return true;
}

// The mean of one property of every pixel's colour (lightness, saturation).
double mean(const QImage &image, float (QColor::*property)() const)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) sum += (QColor(image.pixel(x, y)).*property)();
    return sum / (image.width() * image.height());
}

// Which of red, green and blue are strong in the ball's middle: the kind's colour.
QString dominantChannels(const QImage &ball)
{
    const QColor c(ball.pixel(ball.width() / 2, ball.height() * 2 / 3));
    const int top = std::max({c.red(), c.green(), c.blue()});
    const int bottom = std::min({c.red(), c.green(), c.blue()});
    const int middle = (top + bottom) / 2;
    QString channels;
    if (c.red() > middle) channels += 'r';
    if (c.green() > middle) channels += 'g';
    if (c.blue() > middle) channels += 'b';
    return channels;
}

// A picture's double-size drawing: twice the pixels in the same room, and the same picture,
// drawn afresh rather than enlarged.
void expectDoubleSize(const QPixmap &single, const QPixmap &twice)
{
    ASSERT_FALSE(twice.isNull());
    EXPECT_EQ(single.devicePixelRatio(), 1.0);
    EXPECT_EQ(twice.devicePixelRatio(), 2.0);
    ASSERT_EQ(twice.size(), single.size() * 2);
    QImage large = argb(twice);
    large.setDevicePixelRatio(1);
    EXPECT_NE(large, argb(single).scaled(large.size()));
    // Reduced to the designed size, it is the designed picture (premultiplied, so that colours
    // under full transparency do not count).
    const QImage reduced = large.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                               .scaled(single.size(), Qt::IgnoreAspectRatio,
                                       Qt::SmoothTransformation);
    const QImage designed = single.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double difference = 0;
    for (int y = 0; y < designed.height(); ++y)
        for (int x = 0; x < designed.width(); ++x) {
            const QRgb p = reduced.pixel(x, y);
            const QRgb q = designed.pixel(x, y);
            difference += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                          std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    EXPECT_LT(difference / (4.0 * designed.width() * designed.height()), 12.0);
}

void expectLibrary(const resources::PictureLibrary &library, int count, int size, qreal ratio)
{
    ASSERT_EQ(library.count(), count);
    ASSERT_EQ(library.pictureSize(), size);
    EXPECT_TRUE(library.plain(-1, ratio).isNull());
    EXPECT_TRUE(library.plain(count, ratio).isNull());
    EXPECT_TRUE(library.onYellow(-1, ratio).isNull());
    EXPECT_TRUE(library.onYellow(count, ratio).isNull());

    const int scale = ratio > 1 ? 2 : 1;
    size *= scale;
    QSet<QByteArray> seen;
    for (int n = 0; n < count; ++n) {
        SCOPED_TRACE(n);
        const QImage plain = argb(library.plain(n, ratio));
        const QImage yellow = argb(library.onYellow(n, ratio));
        ASSERT_EQ(plain.devicePixelRatio(), scale);
        ASSERT_EQ(yellow.devicePixelRatio(), scale);
        ASSERT_EQ(plain.size(), QSize(size, size));
        ASSERT_EQ(yellow.size(), QSize(size, size));

        int transparent = 0, covered = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb p = plain.pixel(x, y);
                const QRgb q = yellow.pixel(x, y);
                const int a = qAlpha(p);
                ASSERT_EQ(qAlpha(q), 255) << "yellow form not opaque at " << x << "," << y;
                if (a == 0) {
                    ++transparent;
                    ASSERT_EQ(q, qRgb(255, 255, 0)) << "not pure yellow at " << x << "," << y;
                } else {
                    if (a >= 128) ++covered;
                    // The picture laid over yellow with its own coverage.
                    const auto over = [a](int c, int ground) {
                        return (c * a + ground * (255 - a)) / 255.0;
                    };
                    ASSERT_NEAR(qRed(q), over(qRed(p), 255), 2.0) << x << "," << y;
                    ASSERT_NEAR(qGreen(q), over(qGreen(p), 255), 2.0) << x << "," << y;
                    ASSERT_NEAR(qBlue(q), over(qBlue(p), 0), 2.0) << x << "," << y;
                }
            }
        }
        // A real picture with a transparent ground around it, not an empty or solid square.
        EXPECT_GT(transparent, 0);
        EXPECT_GT(covered, size * size / 16);
        // Each number shows its own picture: a strip cut at the wrong place repeats or mixes.
        const QByteArray bytes(reinterpret_cast<const char *>(plain.constBits()),
                               plain.sizeInBytes());
        EXPECT_FALSE(seen.contains(bytes)) << "picture " << n << " repeats an earlier one";
        seen.insert(bytes);
    }
}

}  // namespace

TEST(ResourcesInit, AConsumerOfTheStaticLibrarySeesTheEmbeddedFiles)
{
    resources::init();
    resources::init();  // a second call is harmless
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/resources/pictures/standard.png")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/resources/sounds/gong.wav")));
}

TEST(StandardPictures, TenOpaqueBallsInKindOrderWithPaleSelectedForms)
{
    const QStringList kindColours{"r", "g", "b", "rg", "rb"};
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE(k);
        const QImage ball = argb(resources::standardPicture(k));
        ASSERT_EQ(ball.size(), QSize(24, 24));
        EXPECT_TRUE(fullyOpaque(ball));
        // A near-white ground: the corners are light but not the empty cell's pure white.
        const QColor corner(ball.pixel(0, 0));
        EXPECT_GT(corner.lightness(), 225);
        EXPECT_NE(corner.rgb(), qRgb(255, 255, 255));
        EXPECT_EQ(dominantChannels(ball), kindColours[k % 5]);
    }
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        const QImage normal = argb(resources::standardPicture(k));
        const QImage selected = argb(resources::standardPicture(5 + k));
        EXPECT_GT(mean(selected, &QColor::lightnessF), mean(normal, &QColor::lightnessF) + 0.1);
        EXPECT_LT(mean(selected, &QColor::hslSaturationF), mean(normal, &QColor::hslSaturationF));
    }
    EXPECT_TRUE(resources::standardPicture(-1).isNull());
    EXPECT_TRUE(resources::standardPicture(10).isNull());
}

TEST(StandardPictures, EmptyCellIsAllWhite)
{
    const QImage empty = argb(resources::emptyCellPicture());
    ASSERT_EQ(empty.size(), QSize(24, 24));
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) ASSERT_EQ(empty.pixel(x, y), qRgb(255, 255, 255));
}

TEST(PictureLibraries, BigLibraryHas87DistinctPicturesInTwoAgreeingForms)
{
    expectLibrary(resources::bigLibrary(), 87, 32, 1);
}

TEST(PictureLibraries, SmallLibraryHas80DistinctPicturesInTwoAgreeingForms)
{
    expectLibrary(resources::smallLibrary(), 80, 16, 1);
}

TEST(DoubleSizePictures, LibrariesHaveTheSameListsAtTwiceTheSize)
{
    for (const auto *library : {&resources::bigLibrary(), &resources::smallLibrary()}) {
        SCOPED_TRACE(library->pictureSize());
        expectLibrary(*library, library->count(), library->pictureSize(), 2);
        for (int n = 0; n < library->count(); ++n) {
            SCOPED_TRACE(n);
            expectDoubleSize(library->plain(n, 1), library->plain(n, 2));
            expectDoubleSize(library->onYellow(n, 1), library->onYellow(n, 2));
        }
    }
}

TEST(DoubleSizePictures, BallsIconsAndAboutPicturesAreDrawnAtTwiceTheSize)
{
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE(k);
        expectDoubleSize(resources::standardPicture(k), resources::standardPicture(k, 2));
    }
    for (int n = 0; n < 15; ++n) {
        SCOPED_TRACE(n);
        expectDoubleSize(resources::menuIcon(n), resources::menuIcon(n, 2));
        // The skin's transparent colour is the bottom-left pixel at this size too.
        EXPECT_EQ(qAlpha(argb(resources::menuIcon(n, 2)).pixel(0, 31)), 0);
    }
    expectDoubleSize(resources::aboutHeader(), resources::aboutHeader(2));
    expectDoubleSize(resources::aboutBackgroundTile(), resources::aboutBackgroundTile(2));
    expectDoubleSize(resources::aboutToolBand(), resources::aboutToolBand(2));
    expectDoubleSize(resources::aboutInfoGlyph(), resources::aboutInfoGlyph(2));
    expectDoubleSize(resources::aboutCloseGlyph(), resources::aboutCloseGlyph(2));
    // A screen at 150 % gets the double-size drawing reduced to its own pixels, so nothing is
    // resampled as it is drawn; out-of-range numbers stay null.
    const QPixmap atOneAndAHalf = resources::standardPicture(0, 1.5);
    EXPECT_EQ(atOneAndAHalf.devicePixelRatio(), 1.5);
    EXPECT_EQ(atOneAndAHalf.size(), QSize(36, 36));
    EXPECT_EQ(resources::onWhite(atOneAndAHalf, 24, 1.5).size(), QSize(36, 36));
    EXPECT_TRUE(resources::standardPicture(10, 2).isNull());
    EXPECT_TRUE(resources::menuIcon(15, 2).isNull());
    const QPixmap empty = resources::emptyCellPicture(2);
    EXPECT_EQ(empty.deviceIndependentSize(), QSizeF(24, 24));
    EXPECT_EQ(argb(empty), argb(resources::emptyCellPicture()).scaled(48, 48));
}

TEST(MenuIcons, FifteenTransparentIconsWhoseBottomLeftPixelIsClear)
{
    for (int n = 0; n < 15; ++n) {
        SCOPED_TRACE(n);
        const QImage icon = argb(resources::menuIcon(n));
        ASSERT_EQ(icon.size(), QSize(16, 16));
        // The menu skin draws an icon transparently, keyed on its bottom-left pixel.
        EXPECT_EQ(qAlpha(icon.pixel(0, 15)), 0);
        EXPECT_FALSE(fullyOpaque(icon));
        int drawn = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) drawn += qAlpha(icon.pixel(x, y)) > 128;
        EXPECT_GT(drawn, 20);
    }
    EXPECT_TRUE(resources::menuIcon(-1).isNull());
    EXPECT_TRUE(resources::menuIcon(15).isNull());
    // The check mark of "New Game" is red.
    const QImage check = argb(resources::menuIcon(12));
    bool red = false;
    for (int y = 0; y < 16 && !red; ++y)
        for (int x = 0; x < 16 && !red; ++x) {
            const QRgb p = check.pixel(x, y);
            red = qAlpha(p) == 255 && qRed(p) > 180 && qGreen(p) < 80 && qBlue(p) < 80;
        }
    EXPECT_TRUE(red);
}

TEST(WindowIcon, IsThe32PixelPictureAt1xAndAPictureDrawnAt64PixelsAt2x)
{
    const QIcon icon = resources::applicationIcon();
    const QImage at1x = argb(icon.pixmap(QSize(32, 32), 1.0));
    EXPECT_EQ(at1x, argb(resources::windowIcon()));

    const QPixmap at2x = icon.pixmap(QSize(32, 32), 2.0);
    ASSERT_EQ(at2x.size(), QSize(64, 64));
    EXPECT_EQ(at2x.devicePixelRatio(), 2.0);
    // A blow-up of the 1x picture has every pixel doubled; the drawn one has detail between.
    const QImage blownUp = at1x.scaled(64, 64);
    EXPECT_NE(argb(at2x), blownUp);
}

TEST(WindowAndAboutPictures, HaveTheirSizes)
{
    EXPECT_EQ(resources::windowIcon().size(), QSize(32, 32));
    EXPECT_EQ(resources::aboutHeader().size(), QSize(431, 153));
    EXPECT_EQ(resources::aboutToolBand().height(), 25);
    EXPECT_FALSE(resources::aboutBackgroundTile().isNull());
    EXPECT_FALSE(resources::aboutInfoGlyph().isNull());
    EXPECT_FALSE(resources::aboutCloseGlyph().isNull());

    // The header: white, with the dark-blue rule of its top band.
    const QImage header = resources::aboutHeader().toImage();
    EXPECT_EQ(QColor(header.pixel(200, 80)), QColor(Qt::white));
    bool navy = false;
    for (int y = 0; y < 20; ++y) navy = navy || QColor(header.pixel(200, y)) == QColor(0, 0, 128);
    EXPECT_TRUE(navy);

    const QString html = resources::otherProgramsHtml();
    EXPECT_TRUE(html.contains(QStringLiteral("<html"), Qt::CaseInsensitive));
    EXPECT_TRUE(html.contains(QStringLiteral("other programs"), Qt::CaseInsensitive));
}
