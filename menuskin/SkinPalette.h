#pragma once
// The effective palette of the skin: the colours every painter uses, derived either from the
// desktop's colours or from the skin's own colour properties.

#include "SkinColors.h"

namespace menuskin {

// The colour properties a palette is made of (as the skin's properties hold them).
struct SkinColorSettings {
    ColorValue Color = platform::clBtnFace;
    ColorValue IconBackColor = platform::clBtnFace;
    ColorValue MenuBarColor = platform::clBtnFace;
    ColorValue SelectColor = platform::clHighlight;
    ColorValue SelectBorderColor = platform::clHighlight;
    ColorValue SelectFontColor = platform::clNavy;
    ColorValue DisabledColor = platform::clInactiveCaption;
    ColorValue SeparatorColor = platform::clBtnFace;
    ColorValue CheckedColor = platform::clHighlight;
    ColorValue FontColor = platform::clNavy;
    bool UseSystemColors = true;
    bool UseDimColor = false;
};

struct SkinPalette {
    ColorValue MenuFace = 0;
    ColorValue IconColumnFace = 0;
    ColorValue SelectFace = 0;
    ColorValue SelectFrame = 0;
    ColorValue SelectText = 0;
    ColorValue CheckFace = 0;
    ColorValue CheckFaceSelected = 0;
    ColorValue CheckFrame = 0;
    ColorValue BarFace = 0;
    ColorValue DisabledText = 0;
    ColorValue SeparatorLine = 0;
    ColorValue FlatBorder = 0;
    ColorValue FlatShadow = 0;
    // The two lightening levels of the control painters (resting face, hot face).
    int RestLevel = 16;
    int HotLevel = 40;
};

// trueColor: the device draws with more than 15 bits per pixel. All entries are RGB.
SkinPalette ComputePalette(const SkinColorSettings &settings, bool trueColor);

}  // namespace menuskin
