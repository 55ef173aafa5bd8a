#pragma once
// Measuring and drawing of one menu item: the icon column with its gradient, the selection
// box, check and radio marks, the picture, separator line, caption and shortcut.

#include "SkinLook.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace menuskin {

// What the skin reads of a menu item.
struct MenuItemInfo {
    QString caption;
    QString shortcut;  // the shortcut's text, empty for none
    bool separator = false;
    bool barItem = false;
    bool hasSubItems = false;
    bool checked = false;
    bool radioItem = false;
    bool isDefault = false;
    bool enabled = true;
    bool rightToLeft = false;
    QImage picture;  // null when the item has none
};

// The size of an item, given the size proposed for it.
QSize MeasureMenuItem(const MenuItemInfo &item, const SkinLook &look, QSize proposed);

// Paints the item into its rectangle on target. selected: the item is highlighted (the open
// or pressed bar item); hot: the mouse rests on a bar item that is not selected.
void DrawMenuItem(QPainter &target, const QRect &rect, const MenuItemInfo &item,
                  const SkinLook &look, bool selected, bool hot);

// The icon column's gradient over r: a steep rise across the icon column, then 1 % per column.
// Returns the colour of the last column.
ColorValue DrawIconGradient(QPainter &canvas, const SkinLook &look, const QRect &r, bool rightToLeft);

// The selection box of a bar item: with a graded shadow at its right (shadowed), or a plain
// box with a dark strip (simple). base is the bar's colour for the simple box.
// Returns the colour of the last fill.
ColorValue DrawBarSelection(QPainter &canvas, const SkinLook &look, bool shadowed, ColorValue base,
                      const QRect &r);

// The frame of a checked item's picture, or the tick or radio dot of an item without one.
// A disabled item's mark is filled with restingBrush, the colour the item's background was
// last filled with.
void DrawCheckMark(QPainter &canvas, const SkinLook &look, const MenuItemInfo &item, bool selected,
                   const QRect &markRect, bool hasPicture, ColorValue restingBrush);

}  // namespace menuskin
