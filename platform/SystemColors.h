#pragma once
// Colour values as the window layouts store them: either an RGB value 0x00BBGGRR or a
// system colour, 0xFF000000 plus the index of an entry in the desktop's colour table.
// Every piece of colour arithmetic works on RGB, so system colours are looked up first.

#include <QColor>

#include <cstdint>

namespace platform {

using ColorValue = std::uint32_t;

// Indices of the system colour table that the program names.
enum class SysColor : int {
    InactiveCaption = 3,
    Highlight = 13,
    BtnFace = 15,
    BtnShadow = 16,
    BtnHighlight = 20,
    DkShadow3D = 21,
    Light3D = 22,
};

constexpr ColorValue SystemColorFlag = 0xFF000000u;

constexpr ColorValue systemColor(SysColor index)
{
    return SystemColorFlag + static_cast<ColorValue>(index);
}

inline constexpr ColorValue clBtnFace = systemColor(SysColor::BtnFace);
inline constexpr ColorValue clHighlight = systemColor(SysColor::Highlight);
inline constexpr ColorValue clBtnShadow = systemColor(SysColor::BtnShadow);
inline constexpr ColorValue clInactiveCaption = systemColor(SysColor::InactiveCaption);
inline constexpr ColorValue clBtnHighlight = systemColor(SysColor::BtnHighlight);
inline constexpr ColorValue cl3DDkShadow = systemColor(SysColor::DkShadow3D);
inline constexpr ColorValue cl3DLight = systemColor(SysColor::Light3D);
inline constexpr ColorValue clNavy = 0x00800000u;
inline constexpr ColorValue clBlue = 0x00FF0000u;
inline constexpr ColorValue clWhite = 0x00FFFFFFu;
inline constexpr ColorValue clSilver = 0x00C0C0C0u;
inline constexpr ColorValue clBlack = 0x00000000u;

// The RGB value (0x00BBGGRR) of a colour value; system colours come from the desktop's
// palette. An index outside the table gives black, and the top byte of an RGB value is
// dropped.
ColorValue colorToRgb(ColorValue color);

constexpr int redOf(ColorValue rgb) { return static_cast<int>(rgb & 0xFF); }
constexpr int greenOf(ColorValue rgb) { return static_cast<int>((rgb >> 8) & 0xFF); }
constexpr int blueOf(ColorValue rgb) { return static_cast<int>((rgb >> 16) & 0xFF); }
constexpr ColorValue rgbValue(int red, int green, int blue)
{
    return static_cast<ColorValue>(red) | (static_cast<ColorValue>(green) << 8) |
           (static_cast<ColorValue>(blue) << 16);
}

// Conversions between colour values and Qt's colours.
QColor toQColor(ColorValue color);
ColorValue fromQColor(const QColor &color);

}  // namespace platform
