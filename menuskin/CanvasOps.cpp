#include "CanvasOps.h"

#include <cstdlib>

namespace menuskin {

using platform::toQColor;

void fillEdges(QPainter &p, const Edges &e, ColorValue color)
{
    if (e.width() <= 0 || e.height() <= 0) return;
    p.fillRect(e.rect(), toQColor(color));
}

void rectangle(QPainter &p, const Edges &e, ColorValue pen, const ColorValue *fill)
{
    if (e.width() <= 0 || e.height() <= 0) return;
    if (fill) fillEdges(p, e, *fill);
    const QColor c = toQColor(pen);
    p.fillRect(QRect(e.L, e.T, e.width(), 1), c);
    p.fillRect(QRect(e.L, e.B - 1, e.width(), 1), c);
    p.fillRect(QRect(e.L, e.T, 1, e.height()), c);
    p.fillRect(QRect(e.R - 1, e.T, 1, e.height()), c);
}

void roundRectangle(QPainter &p, const Edges &e, int corner, ColorValue pen, const ColorValue *fill)
{
    if (e.width() <= 0 || e.height() <= 0) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(toQColor(pen), 1));
    p.setBrush(fill ? QBrush(toQColor(*fill)) : QBrush(Qt::NoBrush));
    const qreal radius = corner / 2.0;
    p.drawRoundedRect(QRect(e.L, e.T, e.width() - 1, e.height() - 1), radius, radius);
    p.restore();
}

void ellipse(QPainter &p, const Edges &e, ColorValue pen, ColorValue fill)
{
    if (e.width() <= 0 || e.height() <= 0) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(toQColor(pen), 1));
    p.setBrush(toQColor(fill));
    p.drawEllipse(QRect(e.L, e.T, e.width() - 1, e.height() - 1));
    p.restore();
}

namespace {

// Bresenham's line from a towards b, b excluded.
void lineSegment(QPainter &p, QPoint a, QPoint b, const QColor &c)
{
    const int dx = std::abs(b.x() - a.x());
    const int dy = -std::abs(b.y() - a.y());
    const int sx = a.x() < b.x() ? 1 : -1;
    const int sy = a.y() < b.y() ? 1 : -1;
    int err = dx + dy;
    int x = a.x();
    int y = a.y();
    while (x != b.x() || y != b.y()) {
        p.fillRect(QRect(x, y, 1, 1), c);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

}  // namespace

void polyline(QPainter &p, std::initializer_list<QPoint> points, ColorValue pen)
{
    const QColor c = toQColor(pen);
    const QPoint *prev = nullptr;
    for (const QPoint &pt : points) {
        if (prev) lineSegment(p, *prev, pt, c);
        prev = &pt;
    }
}

void Frame3D(QPainter &p, QRect rect, ColorValue topLeft, ColorValue bottomRight, int width)
{
    for (int i = 0; i < width; ++i) {
        const Edges e = Edges::of(rect);
        const int r = e.R - 1;
        const int b = e.B - 1;
        polyline(p, {{e.L, b}, {e.L, e.T}, {r, e.T}}, topLeft);
        polyline(p, {{r, e.T}, {r, b}, {e.L - 1, b}}, bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
}

}  // namespace menuskin
