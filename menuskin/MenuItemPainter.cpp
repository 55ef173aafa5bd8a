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

ColorValue DrawIconGradient(QPainter &canvas, const SkinLook &look, const QRect &r, bool rightToLeft)
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
        polyline(canvas, {{Rt - 6, T + 3}, {Rt - 3, T + 3}, {Rt - 3, T + 6}, {Rt - 4, T + 6}, {Rt - 4, T + 3}},
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
    const ColorValue brush = !item.enabled ? restingBrush : selected ? pal.CheckFaceSelected : pal.CheckFace;
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

void DrawMenuItem(QPainter &target, const QRect &rect, const MenuItemInfo &item,
                  const SkinLook &look, bool selected, bool hot)
{
    const SkinPalette &pal = look.palette;
    const int W = rect.width();
    const int H = rect.height();
    const bool bar = item.barItem;

    // 1. The item is composed in a white work image and copied in one piece; on a scaled screen
    // the work image has the screen's pixels, so the picture and the caption stay sharp.
    const qreal ratio = target.device() ? target.device()->devicePixelRatio() : 1.0;
    QImage work(QSize(bar ? W : W + 4, bar ? H : H + 1) * ratio, QImage::Format_RGB32);
    work.setDevicePixelRatio(ratio);
    work.fill(Qt::white);
    QPainter canvas(&work);
    canvas.setFont(look.font);
    const Edges R = bar ? Edges{0, 0, W, H} : Edges{4, 0, W + 4, H + 1};
    const Edges background{0, 0, W + 4, H + 1};
    const bool hasPicture = !item.picture.isNull();
    const int pictureWidth = hasPicture ? pictureExtent(item.picture).width() : 0;

    // 4. Icon column and 5. mark rectangle.
    const Edges ic = item.rightToLeft ? Edges{R.R - look.IconWidth, R.T, R.R, R.B}
                                      : Edges{R.L, R.T, R.L + look.IconWidth, R.B};
    Edges mr;
    if (hasPicture) {
        mr = {ic.L + 1, ic.T + 2, ic.R - 3, ic.B - 2};
        if (pictureWidth > look.IconWidth) {
            if (item.rightToLeft)
                mr.L = mr.R - pictureWidth;
            else
                mr.R = mr.L + pictureWidth;
        }
    } else {
        const int left = ic.L + (ic.width() - 10) / 2;
        const int top = ic.T + (ic.height() - 10) / 2;
        mr = {left, top, left + 10, top + 10};
    }
    if (bar) mr.T -= 1;

    // 6. Text rectangle.
    Edges tr{R.L, R.T, R.R, R.B};
    if (!item.rightToLeft) {
        tr.L = R.L + (bar ? 4 : look.IconWidth);
        if (tr.L < R.L + pictureWidth) tr.L = R.L + pictureWidth + 4;
    } else {
        tr.R = bar ? R.R - 4 : R.R - look.IconWidth;
        if (tr.R > R.R - pictureWidth) tr.R = R.R - pictureWidth - 8;
    }
    if (bar && hasPicture) {
        if (item.rightToLeft)
            tr.R += 5;
        else
            tr.L -= 5;
    } else if (bar) {
        tr = R;
    }

    // 7. Background.
    // The colour the background was filled with last: a disabled check mark is filled with it.
    ColorValue lastFill = pal.IconColumnFace;
    ColorValue barFace = pal.BarFace;
    if (bar) {
        if (look.DrawMenuBar) barFace = platform::colorToRgb(look.colors.MenuBarColor);
        fillEdges(canvas, R, barFace);
        lastFill = barFace;
    } else if (look.IsTrueColor && look.Gradient) {
        lastFill = DrawIconGradient(canvas, look, Edges{R.L, R.T, R.R + 2, R.B}.rect(), item.rightToLeft);
    } else {
        fillEdges(canvas, background, pal.MenuFace);
        fillEdges(canvas, ic, pal.IconColumnFace);
    }

    // 8. Selection.
    bool shownSelected = false;
    if (selected && look.DrawSelect) {
        if (bar) {
            SkinLook barLook = look;
            barLook.palette.BarFace = barFace;
            lastFill = DrawBarSelection(canvas, barLook, !item.rightToLeft && look.IsTrueColor,
                                        look.colors.MenuBarColor, R.rect());
        } else if (item.enabled) {
            const Edges box{R.L, R.T + 1, look.FlatMenu ? R.R - 1 : R.R, R.B - 1};
            rectangle(canvas, box, pal.SelectFrame, &pal.SelectFace);
        }
        shownSelected = true;
    } else if (bar && item.enabled && hot) {
        rectangle(canvas, {R.L, R.T, R.R - 7, R.B}, pal.SelectFrame, &pal.SelectFace);
        lastFill = pal.SelectFace;
        shownSelected = true;
    }

    // 9. Marks, 10. picture.
    if (item.checked || item.radioItem) DrawCheckMark(canvas, look, item, selected, mr.rect(), hasPicture, lastFill);
    if (hasPicture) {
        PictureState state;
        state.rightToLeft = item.rightToLeft;
        state.checked = item.checked;
        state.enabled = item.enabled;
        state.lifted = selected || shownSelected;
        DrawItemPicture(canvas, look, bar ? PictureOwner::BarItem : PictureOwner::PopupItem, state,
                        ic.rect(), item.picture, pal.SelectFace);
    }

    if (item.separator) {
        // 11. Separator line, starting right of the icon column.
        const int y = tr.T + roundHalfEven((tr.B - tr.T) / 2.0);
        const Edges line = item.rightToLeft ? Edges{tr.L, y, tr.R - 7, y + 1}
                                            : Edges{tr.L + 7, y, tr.R, y + 1};
        fillEdges(canvas, line, pal.SeparatorLine);
    } else {
        // 12. Caption and shortcut.
        ItemTextState text;
        if (item.rightToLeft) {
            tr.R -= 3;
            text.align = TextAlign::Right;
            text.rightToLeft = true;
        } else {
            tr.L += 3;
        }
        tr.T += (tr.height() - textHeight(look.font)) / 2;
        text.barItem = bar;
        text.isDefault = item.isDefault;
        text.enabled = item.enabled;
        text.selected = selected;
        DrawItemText(canvas, &work, look, QLatin1Char(' ') + item.caption, look.font,
                     look.colors.FontColor, text, tr.rect(), item.shortcut);
        if (!bar && item.hasSubItems) {
            const ColorValue arrow = item.enabled ? (selected ? pal.SelectText : look.colors.FontColor)
                                                  : pal.DisabledText;
            drawSubMenuArrow(canvas, R, item.rightToLeft, arrow);
        }
    }
    canvas.end();

    // 13. One copy to the menu.
    target.drawImage(bar ? rect.left() : rect.left() - 4, rect.top(), work);
}

}  // namespace menuskin
