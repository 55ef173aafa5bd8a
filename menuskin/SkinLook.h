#pragma once
// What the painters read of a skin: its palette, font and drawing switches.

#include "SkinPalette.h"

#include <QFont>

namespace menuskin {

struct SkinLook {
    SkinPalette palette;
    SkinColorSettings colors;
    QFont font;
    int IconWidth = 24;
    int DimLevel = 30;
    int GrayLevel = 10;
    bool DrawSelect = true;
    bool Gradient = false;
    bool FlatMenu = false;
    bool DrawMenuBar = false;
    // The device draws with more than 15 bits per pixel.
    bool IsTrueColor = true;
    // Bits per pixel of the device.
    int Depth = 32;
};

}  // namespace menuskin
