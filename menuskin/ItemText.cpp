#include "ItemText.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace menuskin {

using platform::blueOf;
using platform::colorToRgb;
using platform::fromQColor;
using platform::greenOf;
using platform::redOf;
using platform::toQColor;

namespace {

int qtFlags(const ItemTextState &state)
{
    int flags = Qt::TextShowMnemonic | Qt::TextExpandTabs;
    switch (state.align) {
    case TextAlign::Left: flags |= Qt::AlignLeft; break;
    case TextAlign::Centre: flags |= Qt::AlignHCenter; break;
    case TextAlign::Right: flags |= Qt::AlignRight; break;
    }
    flags |= state.vcentre ? Qt::AlignVCenter : Qt::AlignTop;
    return flags;
}

void drawText(QPainter &canvas, const QRect &rect, int flags, const QString &text, ColorValue color,
              bool rightToLeft)
{
    canvas.setPen(toQColor(color));
    canvas.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    canvas.drawText(rect, flags | Qt::AlignAbsolute, text);
}

}  // namespace

ColorValue TextColorOnFace(const SkinLook &look, ColorValue face)
{
    const ColorValue rgb = colorToRgb(face);
    if ((redOf(rgb) + blueOf(rgb)) / 2 > 150 || greenOf(rgb) > 200)
        return colorToRgb(look.colors.FontColor);
    return Lighten(rgb, 90);
}

void DrawItemText(QPainter &canvas, const QImage *surface, const SkinLook &look,
                  const QString &text, const QFont &font, ColorValue fontColor,
                  const ItemTextState &state, const QRect &rect, const QString &shortcut)
{
    canvas.save();
    canvas.setFont(font);
    ColorValue color = colorToRgb(fontColor);
    if (state.selected) color = look.palette.SelectText;
    if (!state.enabled) color = look.palette.DisabledText;
    if (state.barItem && state.selected && look.colors.UseSystemColors)
        color = TextColorOnFace(look, look.palette.IconColumnFace);
    const int flags = qtFlags(state);

    if (state.isDefault && state.enabled && surface) {
        struct Glow {
            int dx, dy, widen, darken;
        };
        static constexpr Glow glows[] = {
            {1, 0, 0, 30}, {1, 2, 1, 30}, {0, 1, 0, 40}, {1, 1, 1, 60}};
        for (const Glow &g : glows) {
            const QRect shifted = rect.translated(g.dx, g.dy).adjusted(0, 0, g.widen, 0);
            // The surface has the screen's pixels, its ratio more than the canvas's coordinates.
            const QPoint corner = canvas.transform().map(shifted.topLeft()) *
                                  surface->devicePixelRatio();
            const QColor under = surface->rect().contains(corner) ? QColor(surface->pixel(corner))
                                                                  : QColor(Qt::white);
            drawText(canvas, shifted, flags, text, Darken(fromQColor(under), g.darken),
                     state.rightToLeft);
        }
    }
    drawText(canvas, rect, flags, text, color, state.rightToLeft);

    if (!shortcut.isEmpty()) {
        QRect r = rect;
        int shortcutFlags = Qt::TextShowMnemonic | (flags & Qt::AlignVertical_Mask);
        if (state.rightToLeft) {
            r.setLeft(rect.left() + 10);
            shortcutFlags |= Qt::AlignLeft;
        } else {
            r.setRight(rect.right() - 10);
            shortcutFlags |= Qt::AlignRight;
        }
        drawText(canvas, r, shortcutFlags, shortcut + QLatin1Char(' '), color, state.rightToLeft);
    }
    canvas.restore();
}

QSize textExtent(const QFont &font, const QString &text)
{
    return QFontMetrics(font).size(Qt::TextShowMnemonic | Qt::TextExpandTabs, text);
}

int textHeight(const QFont &font)
{
    const QFontMetricsF metrics(font);
    return static_cast<int>(std::ceil(metrics.ascent()) + std::ceil(metrics.descent()));
}

}  // namespace menuskin
