#include "SkinColors.h"

#include <algorithm>
#include <cmath>

namespace menuskin {

using platform::blueOf;
using platform::colorToRgb;
using platform::greenOf;
using platform::redOf;
using platform::rgbValue;

namespace {

int lightenChannel(int x, int percent)
{
    // nearbyint rounds exact halves to the even neighbour under the default rounding mode.
    return x + static_cast<int>(std::nearbyint((255 - x) * static_cast<double>(percent) / 100.0));
}

int clampChannel(int x) { return std::clamp(x, 0, 255); }

}  // namespace

ColorValue Lighten(ColorValue color, int percent)
{
    const ColorValue rgb = colorToRgb(color);
    const int p = std::clamp(percent, 0, 100);
    return rgbValue(lightenChannel(redOf(rgb), p), lightenChannel(greenOf(rgb), p),
                    lightenChannel(blueOf(rgb), p));
}

ColorValue Darken(ColorValue color, int amount)
{
    const ColorValue rgb = colorToRgb(color);
    return rgbValue(clampChannel(redOf(rgb) - amount), clampChannel(greenOf(rgb) - amount + 2),
                    clampChannel(blueOf(rgb) - amount));
}

ColorValue GrayOf(ColorValue color, int level)
{
    const ColorValue rgb = colorToRgb(color);
    const int g = std::min((redOf(rgb) + greenOf(rgb) + blueOf(rgb)) / 3 + level, 240);
    return rgbValue(g, g, g);
}

}  // namespace menuskin
