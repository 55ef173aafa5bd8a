// Measuring and drawing single menu items into an image, checked pixel by pixel.

#include "MenuItemPainter.h"
#include "ItemPicture.h"
#include "ItemText.h"
#include "SkinTestSupport.h"

#include <QFontMetrics>
#include <QPainter>

using namespace menuskin;
using namespace platform;
using namespace skintest;

namespace {

const QColor PictureColour(200, 40, 60);

class MenuItemTest : public FixedPaletteTest {
protected:
    void SetUp() override
    {
        FixedPaletteTest::SetUp();
        look.colors.FontColor = clNavy;
        look.font = QFont(QStringLiteral("Liberation Sans"));
        look.font.setPixelSize(11);
        look.palette = ComputePalette(look.colors, true);
    }

    // Draws the item at (10, 5) in a 160 x 40 image of a loud colour.
    QImage draw(const MenuItemInfo &item, bool selected = false, bool hot = false, int width = 120,
                int height = 23)
    {
        QImage image(160, 40, QImage::Format_RGB32);
        image.fill(QColor(0, 255, 0));
        QPainter p(&image);
        p.setClipRect(rect(width, height));
        DrawMenuItem(p, rect(width, height), item, look, selected, hot);
        return image;
    }
    static QRect rect(int width = 120, int height = 23) { return QRect(10, 5, width, height); }

    const SkinPalette &pal() const { return look.palette; }

    SkinLook look;
};

MenuItemInfo popup(const QString &caption)
{
    MenuItemInfo item;
    item.caption = caption;
    return item;
}

}  // namespace

TEST_F(MenuItemTest, MeasuresItemsAsTheirParts)
{
    const QFontMetrics fm(look.font);

    // The interface font's text is 13 px high (its 2.3-px descent a whole row), so an item
    // is 13 + 10 = 23 px.
    const QSize plain = MeasureMenuItem(popup("Exit"), look, QSize(0, 0));
    EXPECT_EQ(plain.width(), fm.horizontalAdvance("Exit") + 5 + 24);  // at least the icon column
    EXPECT_EQ(plain.height(), 23);
    // A 16-px picture needs 22 px at least.
    MenuItemInfo withPicture = popup("Exit");
    withPicture.picture = solidPicture(16, PictureColour);
    EXPECT_EQ(MeasureMenuItem(withPicture, look, QSize()).height(), 23);
    withPicture.picture = solidPicture(20, PictureColour);
    EXPECT_EQ(MeasureMenuItem(withPicture, look, QSize()).height(), 26);

    MenuItemInfo withSub = popup("Exit");
    withSub.hasSubItems = true;
    EXPECT_EQ(MeasureMenuItem(withSub, look, QSize()).width(), plain.width() + 6);

    // One "&" less than the full text.
    EXPECT_EQ(MeasureMenuItem(popup("E&xit"), look, QSize()).width(),
              fm.horizontalAdvance("E&xit") + 5 + 24 - fm.horizontalAdvance('&'));

    MenuItemInfo withShortcut = popup("Exit");
    withShortcut.shortcut = " Ctrl+Q ";
    EXPECT_EQ(MeasureMenuItem(withShortcut, look, QSize()).width(),
              fm.horizontalAdvance("ExitCtrl+QWWW") + 5 + 24);

    // A proposal larger than the item wins.
    EXPECT_EQ(MeasureMenuItem(popup("Exit"), look, QSize(300, 40)), QSize(300, 40));
}

// The rectangles of a 120 x 23 popup item in its work image, which starts 4 px to the left and
// is 1 px higher; mirrored right to left; and a bar item's, whose work image is its own size.
TEST_F(MenuItemTest, LaysOutThePartsOfAnItem)
{
    const MenuItemLayout popupItem = LayoutMenuItem(popup("Exit"), look, QSize(120, 23));
    EXPECT_EQ(popupItem.workSize, QSize(124, 24));
    EXPECT_EQ(popupItem.workLeft, -4);
    EXPECT_EQ(popupItem.item, QRect(4, 0, 120, 24));
    EXPECT_EQ(popupItem.background, QRect(0, 0, 124, 24));
    EXPECT_EQ(popupItem.iconColumn, QRect(4, 0, 24, 24));
    EXPECT_EQ(popupItem.mark, QRect(11, 7, 10, 10));
    EXPECT_EQ(popupItem.text, QRect(28, 0, 96, 24));
    EXPECT_EQ(popupItem.separator, QRect(35, 12, 89, 1));
    // The caption 3 px in, centred on the font's text height.
    const int captionTop = (24 - textHeight(look.font)) / 2;
    EXPECT_EQ(popupItem.caption, QRect(31, captionTop, 93, 24 - captionTop));

    MenuItemInfo mirrored = popup("Exit");
    mirrored.rightToLeft = true;
    const MenuItemLayout rtl = LayoutMenuItem(mirrored, look, QSize(120, 23));
    EXPECT_EQ(rtl.iconColumn, QRect(100, 0, 24, 24));
    EXPECT_EQ(rtl.mark, QRect(107, 7, 10, 10));
    EXPECT_EQ(rtl.text, QRect(4, 0, 96, 24));
    EXPECT_EQ(rtl.separator, QRect(4, 12, 89, 1));
    EXPECT_EQ(rtl.caption, QRect(4, captionTop, 93, 24 - captionTop));

    // A picture wider than the column widens its mark and pushes the text along.
    MenuItemInfo wide = popup("Exit");
    wide.picture = solidPicture(32, PictureColour);
    const MenuItemLayout widePicture = LayoutMenuItem(wide, look, QSize(120, 23));
    EXPECT_EQ(widePicture.mark, QRect(5, 2, 32, 20));
    EXPECT_EQ(widePicture.text, QRect(40, 0, 84, 24));

    MenuItemInfo barItem = popup("Game");
    barItem.barItem = true;
    const MenuItemLayout bar = LayoutMenuItem(barItem, look, QSize(40, 22));
    EXPECT_EQ(bar.workSize, QSize(40, 22));
    EXPECT_EQ(bar.workLeft, 0);
    EXPECT_EQ(bar.item, QRect(0, 0, 40, 22));
    EXPECT_EQ(bar.mark, QRect(7, 5, 10, 11));
    EXPECT_EQ(bar.text, bar.item);
    const int barCaptionTop = (22 - textHeight(look.font)) / 2;
    EXPECT_EQ(bar.caption, QRect(3, barCaptionTop, 37, 22 - barCaptionTop));
}

TEST_F(MenuItemTest, SeparatorIsFourHighWhateverProposed)
{
    MenuItemInfo separator;
    separator.separator = true;
    separator.caption = "-";
    EXPECT_EQ(MeasureMenuItem(separator, look, QSize(2, 40)), QSize(29, 4));
}

TEST_F(MenuItemTest, BarItemWithPictureOnlyIsPictureWidthPlusFive)
{
    MenuItemInfo undo;
    undo.barItem = true;
    undo.picture = solidPicture(16, PictureColour);
    EXPECT_EQ(MeasureMenuItem(undo, look, QSize(16, 16)).width(), 21);
    // A bar item is not widened to the icon column.
    MenuItemInfo game;
    game.barItem = true;
    game.caption = "Game";
    EXPECT_EQ(MeasureMenuItem(game, look, QSize()).width(),
              QFontMetrics(look.font).horizontalAdvance("Game") + 5);
    // Only pictures raise the bar: the game's bar stays 22 px high beside its 23-px items.
    EXPECT_EQ(MeasureMenuItem(undo, look, QSize(16, 16)).height(), 22);
    EXPECT_EQ(MeasureMenuItem(game, look, QSize(30, 12)).height(), 12);
}

TEST_F(MenuItemTest, GradientRisesSteeplyAcrossTheIconColumnThenSlowly)
{
    look.Gradient = true;
    const QImage image = draw(popup("New Game"));
    const int left = rect().left();
    const ColorValue base = pal().IconColumnFace;
    EXPECT_EQ(at(image, left, 20), Lighten(base, 1));
    EXPECT_EQ(at(image, left + 1, 20), Lighten(base, 4));
    EXPECT_EQ(at(image, left + 28, 20), Lighten(base, 85));
    EXPECT_EQ(at(image, left + 29, 0 + 20), Lighten(base, 86));
    EXPECT_EQ(at(image, left + 39, 6), Lighten(base, 96));
    EXPECT_EQ(at(image, left + 110, 6), Lighten(base, 96));
    // Nothing is drawn outside the item.
    EXPECT_EQ(at(image, left - 1, 20), rgbValue(0, 255, 0));
}

TEST_F(MenuItemTest, WithoutGradientTheIconColumnIsFlat)
{
    const QImage image = draw(popup("New Game"));
    EXPECT_EQ(at(image, rect().left() + 23, 6), pal().IconColumnFace);
    EXPECT_EQ(at(image, rect().left() + 24, 6), pal().MenuFace);
}

TEST_F(MenuItemTest, SelectedItemIsFramedOneBelowTheTop)
{
    const QImage image = draw(popup("New Game"), true);
    const QRect r = rect();
    EXPECT_EQ(at(image, r.left() + 50, r.top()), pal().MenuFace);
    EXPECT_EQ(at(image, r.left() + 50, r.top() + 1), pal().SelectFrame);
    EXPECT_EQ(at(image, r.left(), r.top() + 10), pal().SelectFrame);
    EXPECT_EQ(at(image, r.right(), r.top() + 10), pal().SelectFrame);
    EXPECT_EQ(at(image, r.left() + 50, r.bottom()), pal().SelectFrame);
    EXPECT_EQ(at(image, r.left() + 2, r.top() + 2), pal().SelectFace);

    MenuItemInfo disabled = popup("Undo");
    disabled.enabled = false;
    const QImage plain = draw(disabled, true);
    EXPECT_EQ(at(plain, r.left() + 50, r.top() + 1), pal().MenuFace);
}

TEST_F(MenuItemTest, CheckedItemWithoutPictureShowsBoxAndTick)
{
    MenuItemInfo sounds = popup("Sounds");
    sounds.checked = true;
    const QImage image = draw(sounds);
    // A 10 x 10 box centred in the 24-px column of the 24-px high work area.
    const int L = rect().left() + 7;
    const int T = rect().top() + 7;
    EXPECT_EQ(at(image, L, T), pal().CheckFrame);
    EXPECT_EQ(at(image, L + 9, T + 9), pal().CheckFrame);
    EXPECT_EQ(at(image, L + 1, T + 5), clBlack);   // the short stroke
    EXPECT_EQ(at(image, L + 11, T), clBlack);      // the long stroke leaves the box
    EXPECT_NE(at(image, L + 12, T - 1), clBlack);  // up to its end point, not including it
    EXPECT_EQ(at(image, L + 7, T + 2), pal().CheckFace);
}

TEST_F(MenuItemTest, DisabledCheckMarkIsDrawnInTheDisabledColourOnTheBackground)
{
    look.Gradient = true;
    MenuItemInfo sounds = popup("Sounds");
    sounds.checked = true;
    sounds.enabled = false;
    const QImage image = draw(sounds, true);
    const int L = rect().left() + 7;
    const int T = rect().top() + 7;
    EXPECT_EQ(at(image, L, T), pal().DisabledText);
    EXPECT_EQ(at(image, L + 1, T + 5), pal().DisabledText);
    // Filled with what the background was filled with last: the gradient's final column.
    EXPECT_EQ(at(image, L + 7, T + 2), Lighten(pal().IconColumnFace, 96));

    // On a selected bar item, the last fill is the darkest grade of the selection's shadow.
    MenuItemInfo bar;
    bar.barItem = true;
    bar.checked = true;
    bar.enabled = false;
    const QImage onBar = draw(bar, true, false, 50, 20);
    const int barL = rect().left() + 7;  // the box centred in the icon column, one row higher
    const int barT = rect().top() + 4;
    EXPECT_EQ(at(onBar, barL, barT), pal().DisabledText);
    EXPECT_EQ(at(onBar, barL + 7, barT + 2), Darken(pal().BarFace, 100));
}

TEST_F(MenuItemTest, CheckedRadioItemShowsRingWithDot)
{
    MenuItemInfo standard = popup("Standard");
    standard.radioItem = true;
    standard.checked = true;
    const QImage image = draw(standard);
    const int L = rect().left() + 7;
    const int T = rect().top() + 7;
    EXPECT_EQ(at(image, L + 5, T), pal().SelectFrame);      // top of the ring
    EXPECT_EQ(at(image, L + 5, T + 1), pal().CheckFace);    // between ring and dot
    EXPECT_EQ(at(image, L + 5, T + 5), pal().SelectFrame);  // the dot
    EXPECT_EQ(at(image, L, T), pal().IconColumnFace);       // corners stay free

    standard.checked = false;
    const QImage unchecked = draw(standard);
    EXPECT_EQ(at(unchecked, L + 5, T + 5), pal().IconColumnFace);
}

TEST_F(MenuItemTest, CheckedItemWithPictureFramesThePicture)
{
    MenuItemInfo item = popup("Standard");
    item.radioItem = true;
    item.checked = true;
    item.picture = solidPicture(16, PictureColour);
    const QImage image = draw(item);
    // The mark rectangle is the icon column less 1, 2, 3 and 2; the rounded box has no corner pixel.
    const QRect r = rect();
    EXPECT_EQ(at(image, r.left() + 10, r.top() + 2), pal().SelectFrame);
    EXPECT_EQ(at(image, r.left() + 1, r.top() + 2), pal().IconColumnFace);
    EXPECT_EQ(at(image, r.left() + 1, r.top() + 10), pal().SelectFrame);
    // A checked picture is not dimmed.
    EXPECT_EQ(at(image, r.left() + 3 + 5, r.top() + 3 + 5), fromQColor(PictureColour));
}

TEST_F(MenuItemTest, PicturesAreDimmedAtRestLiftedWhenSelectedAndGreyWhenDisabled)
{
    MenuItemInfo item = popup("New Game");
    item.picture = solidPicture(16, PictureColour);
    const QRect r = rect();
    const ColorValue colour = fromQColor(PictureColour);

    const QImage resting = draw(item);
    EXPECT_EQ(at(resting, r.left() + 3 + 8, r.top() + 3 + 8), Lighten(colour, 30));
    EXPECT_EQ(at(resting, r.left() + 3, r.top() + 3), Lighten(clBlack, 30));

    const QImage selected = draw(item, true);
    EXPECT_EQ(at(selected, r.left() + 2 + 8, r.top() + 2 + 8), colour);
    EXPECT_EQ(at(selected, r.left() + 2, r.top() + 2), clBlack);
    // The shadow shows 2 px right of and below the lifted picture.
    EXPECT_EQ(at(selected, r.left() + 19, r.top() + 10), Darken(pal().SelectFace, 50));
    EXPECT_EQ(at(selected, r.left() + 10, r.top() + 19), Darken(pal().SelectFace, 50));

    item.enabled = false;
    const QImage disabled = draw(item);
    EXPECT_EQ(at(disabled, r.left() + 3 + 8, r.top() + 3 + 8), Lighten(GrayOf(colour, 10), 40));

    look.IsTrueColor = false;
    item.enabled = true;
    const QImage fewColours = draw(item);
    EXPECT_EQ(at(fewColours, r.left() + 3 + 8, r.top() + 3 + 8), colour);
}

TEST_F(MenuItemTest, SeparatorStartsRightOfTheIconColumn)
{
    MenuItemInfo separator;
    separator.separator = true;
    look.Gradient = true;
    const QImage image = draw(separator, false, false, 120, 4);
    const QRect r(10, 5, 120, 4);
    EXPECT_EQ(at(image, r.left() + 31, r.top() + 2), pal().SeparatorLine);
    EXPECT_EQ(at(image, r.right(), r.top() + 2), pal().SeparatorLine);
    EXPECT_NE(at(image, r.left() + 30, r.top() + 2), pal().SeparatorLine);
    EXPECT_NE(at(image, r.left() + 40, r.top() + 1), pal().SeparatorLine);
    EXPECT_NE(at(image, r.left() + 40, r.top() + 3), pal().SeparatorLine);
}

namespace {

// The columns of the item's rectangle that hold text ink (the font's navy).
std::pair<int, int> inkColumns(const QImage &image, const QRect &r, int fromX)
{
    int first = -1;
    int last = -1;
    for (int x = fromX; x <= r.right(); ++x)
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const QColor c(image.pixel(x, y));
            if (c.blue() > 60 && c.red() < 60 && c.green() < 60) {
                if (first < 0) first = x;
                last = x;
            }
        }
    return {first, last};
}

}  // namespace

TEST_F(MenuItemTest, CaptionStartsAfterTheColumnAndShortcutEndsTenBeforeTheEdge)
{
    MenuItemInfo item = popup("Exit");
    item.shortcut = "Ctrl+Q";
    const QImage image = draw(item, false, false, 150);
    const QRect r = rect(150);
    const auto [first, last] = inkColumns(image, r, r.left());
    // Caption at column + 3, after one leading space.
    EXPECT_GE(first, r.left() + 24 + 3 + QFontMetrics(look.font).horizontalAdvance(' '));
    EXPECT_LE(first, r.left() + 24 + 3 + QFontMetrics(look.font).horizontalAdvance(' ') + 2);
    // The shortcut, followed by a space, ends 10 px before the right edge.
    const int spaceWidth = QFontMetrics(look.font).horizontalAdvance(' ');
    EXPECT_LE(last, r.right() - 10 - spaceWidth);
    EXPECT_GE(last, r.right() - 10 - spaceWidth - 3);
}

TEST_F(MenuItemTest, BarSelectionIsOpenBelowWithAGradedShadow)
{
    MenuItemInfo game;
    game.barItem = true;
    game.caption = "Game";
    const QImage image = draw(game, true, false, 50, 20);
    const QRect r(10, 5, 50, 20);
    const int Rt = r.right() + 1;
    const int B = r.bottom() + 1;
    const ColorValue S = pal().BarFace;
    EXPECT_EQ(at(image, r.left(), r.top()), pal().SelectFrame);
    EXPECT_EQ(at(image, Rt - 8, r.top() + 10), pal().SelectFrame);
    EXPECT_EQ(at(image, r.left() + 20, B - 1), pal().SelectFace);  // open at the bottom
    EXPECT_EQ(at(image, Rt - 1, B - 1), Darken(S, 10));
    EXPECT_EQ(at(image, Rt - 3, B - 1), Darken(S, 30));
    EXPECT_EQ(at(image, Rt - 4, B - 1), Darken(S, 60));
    EXPECT_EQ(at(image, Rt - 7, B - 1), Darken(S, 100));
    EXPECT_EQ(at(image, Rt - 1, r.top() + 1), S);  // the rounded top of the shadow
    EXPECT_EQ(at(image, Rt - 6, r.top() + 5), Darken(S, 40));

    look.IsTrueColor = false;
    const QImage simple = draw(game, true, false, 50, 20);
    EXPECT_EQ(at(simple, Rt - 3, r.top() + 10), pal().SelectFrame);
    EXPECT_EQ(at(simple, Rt - 1, r.top() + 10), Darken(clBtnFace, 70));
    EXPECT_EQ(at(simple, Rt - 1, r.top()), colorToRgb(clBtnFace));
}

TEST_F(MenuItemTest, HotBarItemBoxLeavesSevenPixelsAndLiftsThePicture)
{
    MenuItemInfo undo;
    undo.barItem = true;
    undo.picture = solidPicture(16, PictureColour);
    const QRect r(10, 5, 21, 20);
    const ColorValue colour = fromQColor(PictureColour);

    const QImage resting = draw(undo, false, false, 21, 20);
    EXPECT_EQ(at(resting, r.left() + 1, r.top() + 3), Lighten(clBlack, 30));
    EXPECT_EQ(at(resting, r.left() + 1 + 8, r.top() + 3 + 8), Lighten(colour, 30));

    const QImage hot = draw(undo, false, true, 21, 20);
    EXPECT_EQ(at(hot, r.left(), r.top() + 1), clBlack);  // lifted to (0, 1), not dimmed
    EXPECT_EQ(at(hot, r.left() + 8, r.top() + 8), colour);
    EXPECT_EQ(at(hot, r.right() - 7, r.top()), pal().SelectFrame);
    EXPECT_EQ(at(hot, r.right() - 6, r.top()), pal().BarFace);

    undo.enabled = false;
    const QImage disabled = draw(undo, false, true, 21, 20);
    EXPECT_EQ(at(disabled, r.right() - 7, r.top()), pal().BarFace);
}

TEST_F(MenuItemTest, TextColourOnFaceFollowsTheFaceBrightness)
{
    EXPECT_EQ(TextColorOnFace(look, rgbValue(200, 100, 200)), clNavy);
    EXPECT_EQ(TextColorOnFace(look, rgbValue(10, 210, 10)), clNavy);
    EXPECT_EQ(TextColorOnFace(look, rgbValue(10, 100, 10)), Lighten(rgbValue(10, 100, 10), 90));
}

TEST(PictureEffectsTest, DimAndGreyMapEveryPixelAndKeepTheMask)
{
    QImage picture(3, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(100, 100, 100, 255));
    picture.setPixel(1, 0, qRgba(100, 100, 100, 255));
    picture.setPixel(2, 0, qRgba(0, 0, 0, 0));
    DimBitmap(picture, 150);
    EXPECT_EQ(picture.pixel(0, 0), qRgba(255, 255, 255, 255));
    EXPECT_EQ(picture.pixel(1, 0), qRgba(255, 255, 255, 255));
    EXPECT_EQ(qAlpha(picture.pixel(2, 0)), 0);

    picture.setPixel(0, 0, qRgba(30, 60, 90, 255));
    GrayBitmap(picture, 10);
    EXPECT_EQ(picture.pixel(0, 0), qRgba(70, 70, 70, 255));
    EXPECT_EQ(picture.pixel(1, 0), qRgba(240, 240, 240, 255));
}

TEST(PictureEffectsTest, ShadowCoversOnlyTheVisiblePixels)
{
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(1, 2, 3, 255));
    picture.setPixel(1, 0, qRgba(0, 0, 0, 0));
    QImage canvas(4, 4, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    DrawPictureShadow(picture, p, 1, 2, rgbValue(9, 8, 7));
    p.end();
    EXPECT_EQ(at(canvas, 1, 2), rgbValue(9, 8, 7));
    EXPECT_EQ(at(canvas, 2, 2), clWhite);
}

TEST_F(MenuItemTest, OnAScaledScreenThePictureKeepsItsPixelsPlaceAndEffects)
{
    // A 16 x 16 picture drawn at twice the size: a checkerboard of single pixels, which only a
    // picture drawn with all its pixels can show.
    QImage picture(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            picture.setPixelColor(x, y, (x + y) % 2 ? PictureColour : QColor(20, 120, 220));
    picture.setDevicePixelRatio(2);
    MenuItemInfo item = popup("New Game");
    item.picture = picture;
    MenuItemInfo plain = item;
    plain.picture = solidPicture(16, PictureColour);
    EXPECT_EQ(MeasureMenuItem(item, look, QSize()), MeasureMenuItem(plain, look, QSize()));

    const auto drawAtTwice = [&](bool selected) {
        QImage image(QSize(160, 40) * 2, QImage::Format_RGB32);
        image.setDevicePixelRatio(2);
        image.fill(QColor(0, 255, 0));
        QPainter p(&image);
        DrawMenuItem(p, rect(), item, look, selected, false);
        return image;
    };
    const QRect r = rect();
    const ColorValue red = fromQColor(PictureColour);
    const ColorValue blue = rgbValue(20, 120, 220);

    // At rest: dimmed, at (3, 3) of the item like a 16 x 16 picture, every pixel its own.
    QImage resting = drawAtTwice(false);
    const QPoint corner = 2 * (r.topLeft() + QPoint(3, 3));
    EXPECT_EQ(at(resting, corner.x(), corner.y()), Lighten(blue, 30));
    EXPECT_EQ(at(resting, corner.x() + 1, corner.y()), Lighten(red, 30));
    EXPECT_EQ(at(resting, corner.x() + 31, corner.y() + 30), Lighten(red, 30));
    EXPECT_NE(at(resting, corner.x() + 32, corner.y() + 30), Lighten(red, 30)) << "16 wide, not 32";

    // Selected: lifted by one to (2, 2), its shadow 2 right of and below it.
    const QImage selected = drawAtTwice(true);
    const QPoint lifted = 2 * (r.topLeft() + QPoint(2, 2));
    EXPECT_EQ(at(selected, lifted.x() + 1, lifted.y()), red);
    EXPECT_EQ(at(selected, lifted.x() + 33, lifted.y() + 20), Darken(pal().SelectFace, 50));
    EXPECT_EQ(at(selected, lifted.x() + 35, lifted.y() + 20), Darken(pal().SelectFace, 50));
    EXPECT_NE(at(selected, lifted.x() + 36, lifted.y() + 20), Darken(pal().SelectFace, 50));

    // Disabled: grey, then lightened, still pixel by pixel.
    item.enabled = false;
    const QImage disabled = drawAtTwice(false);
    EXPECT_EQ(at(disabled, corner.x(), corner.y()), Lighten(GrayOf(blue, 10), 40));
    EXPECT_EQ(at(disabled, corner.x() + 1, corner.y()), Lighten(GrayOf(red, 10), 40));
}
