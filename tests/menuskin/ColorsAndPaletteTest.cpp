// The colour arithmetic and the palette, from the desktop's colours or the skin's own.

#include "SkinPalette.h"
#include "SkinTestSupport.h"

using namespace menuskin;
using namespace platform;
using namespace skintest;

using ColorsTest = FixedPaletteTest;

TEST_F(ColorsTest, LightenRoundsHalvesToEvenAndCapsAtWhite)
{
    // (255 - 205) * 1 % = 0.5 rounds down to 0; (255 - 105) * 1 % = 1.5 rounds up to 2.
    EXPECT_EQ(Lighten(rgbValue(205, 105, 0), 1), rgbValue(205, 107, 3));
    EXPECT_EQ(Lighten(rgbValue(10, 20, 30), 100), clWhite);
    EXPECT_EQ(Lighten(rgbValue(10, 20, 30), 250), clWhite);
    EXPECT_EQ(Lighten(rgbValue(10, 20, 30), 0), rgbValue(10, 20, 30));
    // A negative share cannot bleed one channel into the next.
    EXPECT_EQ(Lighten(rgbValue(0, 0, 0), -50), rgbValue(0, 0, 0));
}

TEST_F(ColorsTest, DarkenSparesGreenTwoAndClamps)
{
    EXPECT_EQ(Darken(rgbValue(100, 100, 100), 30), rgbValue(70, 72, 70));
    EXPECT_EQ(Darken(rgbValue(10, 255, 20), 30), rgbValue(0, 227, 0));
    EXPECT_EQ(Darken(rgbValue(255, 254, 255), -5), rgbValue(255, 255, 255));
}

TEST_F(ColorsTest, GrayOfAveragesAddsLevelAndCapsAt240)
{
    EXPECT_EQ(GrayOf(rgbValue(10, 20, 31), 10), rgbValue(30, 30, 30));
    EXPECT_EQ(GrayOf(rgbValue(250, 250, 250), 10), rgbValue(240, 240, 240));
}

TEST_F(ColorsTest, SystemColoursAreLookedUpBeforeArithmetic)
{
    EXPECT_EQ(colorToRgb(clBtnFace), fromQColor(Face));
    EXPECT_EQ(colorToRgb(clHighlight), fromQColor(Highlight));
    EXPECT_EQ(colorToRgb(clBtnShadow), fromQColor(Shadow));
    EXPECT_EQ(Lighten(clBtnFace, 16), Lighten(fromQColor(Face), 16));
    EXPECT_EQ(Darken(clBtnFace, 90), Darken(fromQColor(Face), 90));
    // An index outside the table is black; the top byte of an RGB value is not a colour.
    EXPECT_EQ(colorToRgb(SystemColorFlag + 200), clBlack);
    EXPECT_EQ(colorToRgb(0x12345678u), 0x00345678u);
}

TEST_F(ColorsTest, SystemPaletteInTrueColour)
{
    SkinColorSettings s;
    s.FontColor = clNavy;
    const SkinPalette p = ComputePalette(s, true);
    EXPECT_EQ(p.MenuFace, Lighten(clBtnFace, 86));
    EXPECT_EQ(p.IconColumnFace, Lighten(clBtnFace, 16));
    EXPECT_EQ(p.SelectFace, Lighten(clHighlight, 68));
    EXPECT_EQ(p.CheckFace, Lighten(clHighlight, 80));
    EXPECT_EQ(p.CheckFaceSelected, Lighten(clHighlight, 50));
    EXPECT_EQ(p.SelectFrame, fromQColor(Highlight));
    EXPECT_EQ(p.SelectText, clNavy);
    EXPECT_EQ(p.BarFace, fromQColor(Face));
    EXPECT_EQ(p.DisabledText, Lighten(clBtnShadow, 10));
    EXPECT_EQ(p.SeparatorLine, Lighten(clBtnShadow, 25));
    EXPECT_EQ(p.FlatBorder, Darken(clBtnFace, 90));
    EXPECT_EQ(p.FlatShadow, Darken(clBtnFace, 76));
    EXPECT_EQ(p.RestLevel, 16);
    EXPECT_EQ(p.HotLevel, 40);
}

TEST_F(ColorsTest, SystemPaletteOnFewColours)
{
    const SkinPalette p = ComputePalette(SkinColorSettings{}, false);
    EXPECT_EQ(p.MenuFace, clWhite);
    EXPECT_EQ(p.IconColumnFace, fromQColor(Face));
    EXPECT_EQ(p.SelectFace, clWhite);
    EXPECT_EQ(p.CheckFaceSelected, clWhite);
    EXPECT_EQ(p.DisabledText, fromQColor(Shadow));
    EXPECT_EQ(p.FlatBorder, fromQColor(Shadow));
}

TEST_F(ColorsTest, OwnPaletteWithAndWithoutDimColour)
{
    SkinColorSettings s;
    s.UseSystemColors = false;
    s.Color = rgbValue(1, 2, 3);
    s.SelectColor = rgbValue(0, 100, 200);
    s.SelectFontColor = clBlue;
    SkinPalette p = ComputePalette(s, true);
    EXPECT_EQ(p.MenuFace, rgbValue(1, 2, 3));
    EXPECT_EQ(p.SelectFace, rgbValue(0, 100, 200));
    EXPECT_EQ(p.CheckFace, rgbValue(0, 100, 200));
    EXPECT_EQ(p.SelectText, clBlue);
    EXPECT_EQ(p.DisabledText, colorToRgb(clInactiveCaption));

    s.UseDimColor = true;
    p = ComputePalette(s, true);
    EXPECT_EQ(p.SelectFace, Lighten(rgbValue(0, 100, 200), 68));
    EXPECT_EQ(p.CheckFace, Lighten(rgbValue(0, 100, 200), 80));
    EXPECT_EQ(p.CheckFaceSelected, Lighten(rgbValue(0, 100, 200), 50));

    p = ComputePalette(s, false);
    EXPECT_EQ(p.SelectFace, rgbValue(0, 100, 200));
    EXPECT_EQ(p.CheckFace, clWhite);
    EXPECT_EQ(p.CheckFaceSelected, clSilver);
}
