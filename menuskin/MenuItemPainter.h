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

// Where the parts of an item go, in the work image the item is composed in before it is copied
// to the menu in one piece.
struct MenuItemLayout {
    QSize workSize;    // the work image; a popup item's reaches 4 px left of its rectangle
    int workLeft = 0;  // the work image's left edge, relative to the item's rectangle
    QRect item;        // the item's own rectangle
    QRect background;  // the whole work image, which a popup's plain background fills
    QRect iconColumn;  // the column of pictures and marks
    QRect mark;        // the check or radio mark, or the frame around a checked picture
    QRect text;        // the room beside the icon column
    QRect separator;   // the line of a separator item
    QRect caption;     // the caption and shortcut, indented and centred on the font's height
};

// Works out the rectangles of an item of the given size; paints nothing.
MenuItemLayout LayoutMenuItem(const MenuItemInfo &item, const SkinLook &look, QSize size);

// Paints the item into its rectangle on target. selected: the item is highlighted (the open
// or pressed bar item); hot: the mouse rests on a bar item that is not selected.
void DrawMenuItem(QPainter &target, const QRect &rect, const MenuItemInfo &item,
                  const SkinLook &look, bool selected, bool hot);

// The icon column's gradient over r: a steep rise across the icon column, then 1 % per column.
// Returns the colour of the last column.
ColorValue DrawIconGradient(QPainter &canvas, const SkinLook &look, const QRect &r,
                            bool rightToLeft);

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
