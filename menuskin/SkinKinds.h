#pragma once
// Which of the skin's component kinds a widget is, and which container kind holds it.

#include "MenuSkin.h"

#include <optional>

class QWidget;

namespace menuskin {

// The kind of control a widget is for the control skin, if any.
std::optional<TSkinControl> controlKindOf(const QWidget *widget);
// The kind of container a control's parent is.
std::optional<TSkinContainer> containerKindOf(const QWidget *parent);

// A push button is a plain button inside a dialog button box (the standard dialogs build
// theirs there) and a bit button everywhere else.
bool isBitButton(const QWidget *widget);
// A panel: a plain frame that is not a line.
bool isPanel(const QWidget *widget);
// A speed button: a tool button of a window's own (not of a tool bar or a compound control).
bool isSpeedButton(const QWidget *widget);

}  // namespace menuskin
