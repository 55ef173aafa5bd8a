#pragma once
// The flat look of controls: each painter draws over what the control painted itself (a
// speed button's own painting is suppressed, so its painter draws all of it).

#include "SkinLook.h"

class QAbstractButton;
class QComboBox;
class QFrame;
class QLineEdit;
class QPainter;
class QWidget;

namespace menuskin {

// The state a hooked control keeps between its events.
struct ControlState {
    bool hot = false;         // the mouse is over the control, or it got the focus
    bool buttonDown = false;  // the left button went down on it and has not come up
    bool spaceDown = false;   // the space key is held on it
    bool focused = false;     // it has the focus (computed before each paint)
    bool savedFramed = true;  // it had a border when hooked
};

// The colour a widget shows its contents on (a combo box: its edit field's), and its parent's.
ColorValue controlColor(const QWidget *widget);
ColorValue parentColor(const QWidget *widget);

void PaintBitButton(QPainter &p, const QAbstractButton &button, const ControlState &s,
                    const SkinLook &look);
void PaintButton(QPainter &p, const QAbstractButton &button, const ControlState &s,
                 const SkinLook &look);
void PaintSpeedButton(QPainter &p, const QAbstractButton &button, const ControlState &s,
                      const SkinLook &look);
void PaintPanel(QPainter &p, const QFrame &panel);
void PaintListBorder(QPainter &p, const QWidget &list, const ControlState &s, const SkinLook &look);
void PaintEdit(QPainter &p, const QLineEdit &edit, const ControlState &s, const SkinLook &look);
void PaintCombo(QPainter &p, const QComboBox &combo, const ControlState &s, const SkinLook &look);

}  // namespace menuskin
