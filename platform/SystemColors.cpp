#include "SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace platform {

namespace {

struct Entry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The desktop's palette stands in for the system colour table, entry by entry.
constexpr std::array<Entry, 31> SystemTable{{
    {QPalette::Active, QPalette::Button},           // 0 scroll bar
    {QPalette::Active, QPalette::Dark},             // 1 desktop background
    {QPalette::Active, QPalette::Highlight},        // 2 active caption
    {QPalette::Active, QPalette::Mid},              // 3 inactive caption
    {QPalette::Active, QPalette::Window},           // 4 menu
    {QPalette::Active, QPalette::Base},             // 5 window
    {QPalette::Active, QPalette::Shadow},           // 6 window frame
    {QPalette::Active, QPalette::WindowText},       // 7 menu text
    {QPalette::Active, QPalette::Text},             // 8 window text
    {QPalette::Active, QPalette::HighlightedText},  // 9 caption text
    {QPalette::Active, QPalette::Button},           // 10 active border
    {QPalette::Active, QPalette::Button},           // 11 inactive border
    {QPalette::Active, QPalette::Mid},              // 12 application workspace
    {QPalette::Active, QPalette::Highlight},        // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},  // 14 highlighted text
    {QPalette::Active, QPalette::Button},           // 15 button face
    {QPalette::Active, QPalette::Dark},             // 16 button shadow
    {QPalette::Disabled, QPalette::Text},           // 17 grey text
    {QPalette::Active, QPalette::ButtonText},       // 18 button text
    {QPalette::Active, QPalette::Midlight},         // 19 inactive caption text
    {QPalette::Active, QPalette::Light},            // 20 button highlight
    {QPalette::Active, QPalette::Shadow},           // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},         // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},      // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},      // 24 tooltip background
    {QPalette::Active, QPalette::Button},           // 25 (unused)
    {QPalette::Active, QPalette::Link},             // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},        // 27 active caption gradient
    {QPalette::Active, QPalette::Mid},              // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},        // 29 menu highlight
    {QPalette::Active, QPalette::Window},           // 30 menu bar
}};

}  // namespace

ColorValue colorToRgb(ColorValue color)
{
    if ((color & SystemColorFlag) != SystemColorFlag) return color & 0x00FFFFFFu;
    const ColorValue index = color & 0x00FFFFFFu;
    if (index >= SystemTable.size()) return clBlack;
    const Entry entry = SystemTable[index];
    return fromQColor(QGuiApplication::palette().color(entry.group, entry.role));
}

QColor toQColor(ColorValue color)
{
    const ColorValue rgb = colorToRgb(color);
    return QColor(redOf(rgb), greenOf(rgb), blueOf(rgb));
}

ColorValue fromQColor(const QColor &color)
{
    const QColor c = color.toRgb();
    return rgbValue(c.red(), c.green(), c.blue());
}

}  // namespace platform
