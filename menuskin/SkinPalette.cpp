#include "SkinPalette.h"

namespace menuskin {

using namespace platform;

namespace {

SkinPalette systemPalette(const SkinColorSettings &s, bool trueColor)
{
    SkinPalette p;
    p.SelectFrame = colorToRgb(clHighlight);
    p.SelectText = colorToRgb(s.FontColor);
    p.BarFace = colorToRgb(clBtnFace);
    p.CheckFrame = colorToRgb(clHighlight);
    if (trueColor) {
        p.MenuFace = Lighten(clBtnFace, 86);
        p.IconColumnFace = Lighten(clBtnFace, 16);
        p.SelectFace = Lighten(clHighlight, 68);
        p.CheckFace = Lighten(clHighlight, 80);
        p.CheckFaceSelected = Lighten(clHighlight, 50);
        p.DisabledText = Lighten(clBtnShadow, 10);
        p.SeparatorLine = Lighten(clBtnShadow, 25);
    } else {
        p.MenuFace = clWhite;
        p.IconColumnFace = colorToRgb(clBtnFace);
        p.SelectFace = clWhite;
        p.CheckFace = clWhite;
        p.CheckFaceSelected = clWhite;
        p.DisabledText = colorToRgb(clBtnShadow);
        p.SeparatorLine = colorToRgb(clBtnShadow);
    }
    return p;
}

SkinPalette ownPalette(const SkinColorSettings &s, bool trueColor)
{
    SkinPalette p;
    p.MenuFace = colorToRgb(s.Color);
    p.IconColumnFace = colorToRgb(s.IconBackColor);
    p.SelectFrame = colorToRgb(s.SelectBorderColor);
    p.SelectText = colorToRgb(s.SelectFontColor);
    p.BarFace = colorToRgb(s.MenuBarColor);
    p.DisabledText = colorToRgb(s.DisabledColor);
    p.CheckFrame = colorToRgb(s.CheckedColor);
    p.SeparatorLine = colorToRgb(s.SeparatorColor);
    const ColorValue select = colorToRgb(s.SelectColor);
    if (trueColor) {
        p.SelectFace = s.UseDimColor ? Lighten(select, 68) : select;
        p.CheckFace = s.UseDimColor ? Lighten(select, 80) : select;
        p.CheckFaceSelected = s.UseDimColor ? Lighten(select, 50) : select;
    } else {
        p.SelectFace = select;
        p.CheckFace = clWhite;
        p.CheckFaceSelected = clSilver;
    }
    return p;
}

}  // namespace

SkinPalette ComputePalette(const SkinColorSettings &settings, bool trueColor)
{
    SkinPalette p = settings.UseSystemColors ? systemPalette(settings, trueColor)
                                             : ownPalette(settings, trueColor);
    if (trueColor) {
        p.FlatBorder = Darken(clBtnFace, 90);
        p.FlatShadow = Darken(clBtnFace, 76);
    } else {
        p.FlatBorder = colorToRgb(clBtnShadow);
        p.FlatShadow = colorToRgb(clBtnShadow);
    }
    p.RestLevel = 16;
    p.HotLevel = 40;
    return p;
}

}  // namespace menuskin
