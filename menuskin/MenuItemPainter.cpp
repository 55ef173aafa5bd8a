#include "MenuItemPainter.h"

#include "CanvasOps.h"
#include "ItemPicture.h"
#include "ItemText.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace menuskin {

namespace {

// The gap between an item's caption and its shortcut is held by three wide letters.
const QString ShortcutGap = QStringLiteral("WWW");

int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

QSize pictureSize(const MenuItemInfo &item, const SkinLook &look)
{
    QSize size = item.picture.isNull() ? QSize(0, 0) : pictureExtent(item.picture);
    if (!item.barItem) size.setWidth(std::max(size.width(), look.IconWidth));
    return size;
}

// The sub-menu arrow that the popup shows at the right of an item with sub-items.
void drawSubMenuArrow(QPainter &canvas, const Edges &r, bool rightToLeft, ColorValue color)
{
    const int mid = r.T + r.height() / 2;
    const QColor c = platform::toQColor(color);
    for (int i = 0; i < 4; ++i) {
        const int x = rightToLeft ? r.L + 8 + i : r.R - 12 + i;
        canvas.fillRect(QRect(x, mid - 3 + i, 1, 7 - 2 * i), c);
    }
}

}  // namespace

QSize MeasureMenuItem(const MenuItemInfo &item, const SkinLook &look, QSize proposed)
{
    QString text = item.separator ? QString() : item.caption;
    const QString shortcut = item.shortcut.trimmed();
    if (!shortcut.isEmpty()) text += shortcut + ShortcutGap;

    const QFontMetrics fm(look.font);
    int w = fm.horizontalAdvance(text) + 5;
    if (text.contains(QLatin1Char('&'))) w -= fm.horizontalAdvance(QLatin1Char('&'));
    if (!item.barItem && item.hasSubItems) w += 6;
    const QSize picture = pictureSize(item, look);
    w += picture.width();

    QSize size(std::max(proposed.width(), w), proposed.height());
    if (item.separator) {
        size.setHeight(4);
    } else if (item.barItem) {
        // The menu bar is as high as the bar itself needs (its pictures with their margins),
        // as the platform's bar is: a caption does not raise it.
        size.setHeight(std::max(proposed.height(), picture.height() + 6));
    } else {
        const int lineHeight = textHeight(look.font);
        const int h = std::max(lineHeight + roundHalfEven(0.75 * lineHeight), picture.height() + 6);
        size.setHeight(std::max(proposed.height(), h));
    }
    return size;
}

ColorValue DrawIconGradient(QPainter &canvas, const SkinLook &look, const QRect &r,
                            bool rightToLeft)
{
    const Edges e = Edges::of(r);
    int step = 0;
    ColorValue colour = look.palette.IconColumnFace;
    const int columns = e.R - e.L + 1;
    for (int i = 0; i < columns; ++i) {
        const int x = rightToLeft ? e.R - 1 - i : e.L + i;
        const bool steep = rightToLeft ? (e.R - look.IconWidth + 5 < x && x < e.R)
                                       : (e.L < x && x < e.L + look.IconWidth + 5);
        step = std::min(step + (steep ? 3 : 1), 96);
        colour = Lighten(look.palette.IconColumnFace, step);
        fillEdges(canvas, {x, e.T, x + 1, e.B}, colour);
    }
    return colour;
}

ColorValue DrawBarSelection(QPainter &canvas, const SkinLook &look, bool shadowed, ColorValue base,
                            const QRect &r)
{
    const SkinPalette &pal = look.palette;
    const Edges e = Edges::of(r);
    const int L = e.L, T = e.T, Rt = e.R, B = e.B;
    fillEdges(canvas, e, pal.SelectFace);
    if (shadowed) {
        polyline(canvas, {{L, B - 1}, {L, T}, {Rt - 8, T}, {Rt - 8, B}}, pal.SelectFrame);
        const ColorValue s = pal.BarFace;
        fillEdges(canvas, {Rt - 7, T, Rt, B}, Darken(s, 10));
        fillEdges(canvas, {Rt - 7, T + 3, Rt - 2, B}, Darken(s, 30));
        fillEdges(canvas, {Rt - 7, T + 5, Rt - 3, B}, Darken(s, 60));
        fillEdges(canvas, {Rt - 7, T + 6, Rt - 5, B}, Darken(s, 100));
        polyline(canvas, {{Rt - 5, T + 1}, {Rt - 1, T + 1}, {Rt - 1, T + 6}}, s);
        polyline(canvas, {{Rt - 3, T + 2}, {Rt - 2, T + 2}, {Rt - 2, T + 3}, {Rt - 3, T + 3}}, s);
        polyline(
            canvas,
            {{Rt - 6, T + 3}, {Rt - 3, T + 3}, {Rt - 3, T + 6}, {Rt - 4, T + 6}, {Rt - 4, T + 3}},
            Darken(s, 10));
        polyline(canvas, {{Rt - 5, T + 5}, {Rt - 4, T + 5}, {Rt - 4, T + 9}}, Darken(s, 30));
        polyline(canvas, {{Rt - 6, T + 5}, {Rt - 6, T + 7}}, Darken(s, 40));
        return Darken(s, 100);
    }
    polyline(canvas, {{L, B - 1}, {L, T}, {Rt - 3, T}, {Rt - 3, B}}, pal.SelectFrame);
    fillEdges(canvas, {Rt - 2, T + 2, Rt, B}, Darken(base, 70));
    fillEdges(canvas, {Rt - 2, T, Rt, T + 2}, platform::colorToRgb(base));
    return platform::colorToRgb(base);
}

void DrawCheckMark(QPainter &canvas, const SkinLook &look, const MenuItemInfo &item, bool selected,
                   const QRect &markRect, bool hasPicture, ColorValue restingBrush)
{
    const SkinPalette &pal = look.palette;
    const Edges mr = Edges::of(markRect);
    const ColorValue brush = !item.enabled ? restingBrush
                             : selected    ? pal.CheckFaceSelected
                                           : pal.CheckFace;
    const ColorValue disabledPen = pal.DisabledText;
    if (item.radioItem) {
        if (!item.checked) return;
        const ColorValue pen = item.enabled ? pal.SelectFrame : disabledPen;
        if (hasPicture) {
            roundRectangle(canvas, mr, 6, pen, &brush);
        } else {
            ellipse(canvas, mr, pen, brush);
            ellipse(canvas, {mr.L + 2, mr.T + 2, mr.R - 2, mr.B - 2}, pen, pen);
        }
        return;
    }
    if (!item.checked) return;
    if (hasPicture) {
        rectangle(canvas, mr, item.enabled ? pal.SelectFrame : disabledPen, &brush);
        return;
    }
    rectangle(canvas, mr, item.enabled ? pal.CheckFrame : disabledPen, &brush);
    const ColorValue tick = item.enabled ? platform::clBlack : disabledPen;
    const int L = mr.L, T = mr.T, Rt = mr.R, B = mr.B;
    polyline(canvas, {{L + 1, T + 5}, {L + 4, B - 2}}, tick);
    polyline(canvas, {{L + 2, T + 5}, {L + 4, B - 3}}, tick);
    polyline(canvas, {{L + 2, T + 4}, {L + 5, B - 3}}, tick);
    polyline(canvas, {{L + 4, B - 3}, {Rt + 2, T - 1}}, tick);
    polyline(canvas, {{L + 4, B - 2}, {Rt - 2, T + 3}}, tick);
}

MenuItemLayout LayoutMenuItem(const MenuItemInfo &item, const SkinLook &look, QSize size)
{
    const int W = size.width();
    const int H = size.height();
    const bool bar = item.barItem;
    const bool rtl = item.rightToLeft;
    const bool hasPicture = !item.picture.isNull();
    const int pictureWidth = hasPicture ? pictureExtent(item.picture).width() : 0;

    // A popup item is composed 4 px wider and 1 px higher than its rectangle, so that the
    // gradient and the selection box reach under the popup's frame.
    MenuItemLayout layout;
    layout.workSize = bar ? QSize(W, H) : QSize(W + 4, H + 1);
    layout.workLeft = bar ? 0 : -4;
    const Edges itemEdges = bar ? Edges{0, 0, W, H} : Edges{4, 0, W + 4, H + 1};
    layout.item = itemEdges.rect();
    layout.background = Edges{0, 0, W + 4, H + 1}.rect();

    const Edges icon = rtl ? Edges{itemEdges.R - look.IconWidth, itemEdges.T, itemEdges.R,
                                   itemEdges.B}
                           : Edges{itemEdges.L, itemEdges.T, itemEdges.L + look.IconWidth,
                                   itemEdges.B};
    layout.iconColumn = icon.rect();

    // A picture's mark frames the picture, as wide as the picture where it is wider than the
    // column; a mark of its own is a 10-px square in the column's middle.
    Edges mark;
    if (hasPicture) {
        mark = {icon.L + 1, icon.T + 2, icon.R - 3, icon.B - 2};
        if (pictureWidth > look.IconWidth) {
            if (rtl)
                mark.L = mark.R - pictureWidth;
            else
                mark.R = mark.L + pictureWidth;
        }
    } else {
        const int left = icon.L + (icon.width() - 10) / 2;
        const int top = icon.T + (icon.height() - 10) / 2;
        mark = {left, top, left + 10, top + 10};
    }
    if (bar) mark.T -= 1;
    layout.mark = mark.rect();

    Edges text = itemEdges;
    if (!rtl) {
        text.L = itemEdges.L + (bar ? 4 : look.IconWidth);
        if (text.L < itemEdges.L + pictureWidth) text.L = itemEdges.L + pictureWidth + 4;
    } else {
        text.R = bar ? itemEdges.R - 4 : itemEdges.R - look.IconWidth;
        if (text.R > itemEdges.R - pictureWidth) text.R = itemEdges.R - pictureWidth - 8;
    }
    if (bar && hasPicture) {
        if (rtl)
            text.R += 5;
        else
            text.L -= 5;
    } else if (bar) {
        text = itemEdges;
    }
    layout.text = text.rect();

    // The separator line starts 7 px off the icon column, at half the item's height.
    const int y = text.T + roundHalfEven((text.B - text.T) / 2.0);
    layout.separator =
        (rtl ? Edges{text.L, y, text.R - 7, y + 1} : Edges{text.L + 7, y, text.R, y + 1}).rect();

    Edges caption = text;
    if (rtl)
        caption.R -= 3;
    else
        caption.L += 3;
    caption.T += (caption.height() - textHeight(look.font)) / 2;
    layout.caption = caption.rect();
    return layout;
}

namespace {

// What the background and selection steps leave for the later ones.
struct ItemFill {
    ColorValue last;     // the colour filled last: a disabled check mark is filled with it
    ColorValue barFace;  // the bar's colour under a bar item
    bool shownSelected = false;
};

ItemFill paintBackground(QPainter &canvas, const SkinLook &look, const MenuItemInfo &item,
                         const MenuItemLayout &layout)
{
    const SkinPalette &pal = look.palette;
    const Edges R = Edges::of(layout.item);
    ItemFill fill{pal.IconColumnFace, pal.BarFace, false};
    if (item.barItem) {
        if (look.DrawMenuBar) fill.barFace = platform::colorToRgb(look.colors.MenuBarColor);
        fillEdges(canvas, R, fill.barFace);
        fill.last = fill.barFace;
    } else if (look.IsTrueColor && look.Gradient) {
        fill.last = DrawIconGradient(canvas, look, Edges{R.L, R.T, R.R + 2, R.B}.rect(),
                                     item.rightToLeft);
    } else {
        fillEdges(canvas, Edges::of(layout.background), pal.MenuFace);
        fillEdges(canvas, Edges::of(layout.iconColumn), pal.IconColumnFace);
    }
    return fill;
}

// The selection box of a selected item, or the box of a bar item under the mouse.
void paintSelection(QPainter &canvas, const SkinLook &look, const MenuItemInfo &item,
                    const MenuItemLayout &layout, bool selected, bool hot, ItemFill &fill)
{
    const SkinPalette &pal = look.palette;
    const Edges R = Edges::of(layout.item);
    const bool bar = item.barItem;
    if (selected && look.DrawSelect) {
        if (bar) {
            SkinLook barLook = look;
            barLook.palette.BarFace = fill.barFace;
            fill.last = DrawBarSelection(canvas, barLook, !item.rightToLeft && look.IsTrueColor,
                                         look.colors.MenuBarColor, layout.item);
        } else if (item.enabled) {
            const Edges box{R.L, R.T + 1, look.FlatMenu ? R.R - 1 : R.R, R.B - 1};
            rectangle(canvas, box, pal.SelectFrame, &pal.SelectFace);
        }
        fill.shownSelected = true;
    } else if (bar && item.enabled && hot) {
        rectangle(canvas, {R.L, R.T, R.R - 7, R.B}, pal.SelectFrame, &pal.SelectFace);
        fill.last = pal.SelectFace;
        fill.shownSelected = true;
    }
}

void paintPicture(QPainter &canvas, const SkinLook &look, const MenuItemInfo &item,
                  const MenuItemLayout &layout, bool lifted)
{
    PictureState state;
    state.rightToLeft = item.rightToLeft;
    state.checked = item.checked;
    state.enabled = item.enabled;
    state.lifted = lifted;
    DrawItemPicture(canvas, look, item.barItem ? PictureOwner::BarItem : PictureOwner::PopupItem,
                    state, layout.iconColumn, item.picture, look.palette.SelectFace);
}

// The caption and shortcut, and a popup item's sub-menu arrow.
void paintCaption(QPainter &canvas, QImage &work, const SkinLook &look, const MenuItemInfo &item,
                  const MenuItemLayout &layout, bool selected)
{
    const SkinPalette &pal = look.palette;
    ItemTextState text;
    if (item.rightToLeft) {
        text.align = TextAlign::Right;
        text.rightToLeft = true;
    }
    text.barItem = item.barItem;
    text.isDefault = item.isDefault;
    text.enabled = item.enabled;
    text.selected = selected;
    DrawItemText(canvas, &work, look, QLatin1Char(' ') + item.caption, look.font,
                 look.colors.FontColor, text, layout.caption, item.shortcut);
    if (!item.barItem && item.hasSubItems) {
        const ColorValue arrow = item.enabled ? (selected ? pal.SelectText : look.colors.FontColor)
                                              : pal.DisabledText;
        drawSubMenuArrow(canvas, Edges::of(layout.item), item.rightToLeft, arrow);
    }
}

}  // namespace

void DrawMenuItem(QPainter &target, const QRect &rect, const MenuItemInfo &item,
                  const SkinLook &look, bool selected, bool hot)
{
    const MenuItemLayout layout = LayoutMenuItem(item, look, rect.size());

    // The item is composed in a white work image and copied in one piece; on a scaled screen
    // the work image has the screen's pixels, so the picture and the caption stay sharp.
    const qreal ratio = target.device() ? target.device()->devicePixelRatio() : 1.0;
    QImage work(layout.workSize * ratio, QImage::Format_RGB32);
    work.setDevicePixelRatio(ratio);
    work.fill(Qt::white);
    QPainter canvas(&work);
    canvas.setFont(look.font);

    ItemFill fill = paintBackground(canvas, look, item, layout);
    paintSelection(canvas, look, item, layout, selected, hot, fill);
    const bool hasPicture = !item.picture.isNull();
    if (item.checked || item.radioItem)
        DrawCheckMark(canvas, look, item, selected, layout.mark, hasPicture, fill.last);
    if (hasPicture) paintPicture(canvas, look, item, layout, selected || fill.shownSelected);
    if (item.separator)
        fillEdges(canvas, Edges::of(layout.separator), look.palette.SeparatorLine);
    else
        paintCaption(canvas, work, look, item, layout, selected);
    canvas.end();

    target.drawImage(rect.left() + layout.workLeft, rect.top(), work);
}

}  // namespace menuskin
