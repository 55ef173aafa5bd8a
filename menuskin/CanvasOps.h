#pragma once
// Drawing operations with the pixel rules the skin's geometry is written in: rectangles are
// given by their edges (left, top, right, bottom) and cover left..right-1 and top..bottom-1,
// and a line covers its start point but not its end point.

#include "SkinColors.h"

#include <QPainter>
#include <QPoint>
#include <QRect>

#include <initializer_list>

namespace menuskin {

// A rectangle given by its edges; right and bottom lie just outside it.
struct Edges {
    int L = 0;
    int T = 0;
    int R = 0;
    int B = 0;

    int width() const { return R - L; }
    int height() const { return B - T; }
    QRect rect() const { return QRect(L, T, R - L, B - T); }
    static Edges of(const QRect &r) { return {r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }
};

// Fills the rectangle with the colour.
void fillEdges(QPainter &p, const Edges &e, ColorValue color);
// A 1-px outline in pen and, unless fill is null, the inside filled with *fill.
void rectangle(QPainter &p, const Edges &e, ColorValue pen, const ColorValue *fill);
// A 1-px rounded outline with the given corner size; the inside filled with *fill.
void roundRectangle(QPainter &p, const Edges &e, int corner, ColorValue pen,
                    const ColorValue *fill);
// An ellipse inside the rectangle, outlined in pen and filled with fill.
void ellipse(QPainter &p, const Edges &e, ColorValue pen, ColorValue fill);
// Connected 1-px lines through the points; the last point itself is not drawn.
void polyline(QPainter &p, std::initializer_list<QPoint> points, ColorValue pen);
// The 3-D frame of the given width: top and left in topLeft, bottom and right in bottomRight.
void Frame3D(QPainter &p, QRect rect, ColorValue topLeft, ColorValue bottomRight, int width);

}  // namespace menuskin
