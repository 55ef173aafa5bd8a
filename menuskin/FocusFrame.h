#pragma once
// The keyboard focus on a control that draws no focus of its own (a picture box, a link),
// shown as the skin's controls show it: a one-pixel frame in the lightened selection colour.

class QPainter;
class QWidget;

namespace menuskin {

// Draws the frame along the widget's edge when it has the focus; nothing otherwise.
void PaintFocusFrame(QPainter &p, const QWidget &widget);

}  // namespace menuskin
