#pragma once
// The colour arithmetic of the skin. Every function takes colour values (RGB or system
// colours), looks system colours up first, and returns an RGB colour value.

#include "SystemColors.h"

namespace menuskin {

using platform::ColorValue;

// Each channel moves p percent of the way to white; p is capped at 100.
ColorValue Lighten(ColorValue color, int percent);
// Red and blue lose d, green loses d - 2; each channel stays within 0..255.
ColorValue Darken(ColorValue color, int amount);
// A grey of the channels' average plus level, capped at 240.
ColorValue GrayOf(ColorValue color, int level);

}  // namespace menuskin
