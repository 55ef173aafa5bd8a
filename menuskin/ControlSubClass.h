#pragma once
// The hook of one control: an event filter that lets the control (and the other filters on
// it) paint first and then paints the skin's look over the control's own painting.

#include "ControlPainters.h"

#include <QObject>
#include <QPointer>

#include <QWidget>

class QKeyEvent;
class QMouseEvent;

namespace menuskin {

class TMenuSkin;

class ControlSubClass : public QObject {
    Q_OBJECT
public:
    // Hooks control for skin; the hook belongs to the skin. A control already hooked by
    // another hook keeps that one, and this hook stays idle.
    ControlSubClass(QWidget *control, TMenuSkin *skin);
    ~ControlSubClass() override;
    ControlSubClass(const ControlSubClass &) = delete;
    ControlSubClass &operator=(const ControlSubClass &) = delete;

    QWidget *control() const { return control_; }
    const ControlState &state() const { return state_; }

    // Hands the control with its state over to another skin's hook.
    void handOverTo(ControlSubClass &successor);
    // Gives the control its own look back and lets go of it.
    void unhook();

    // The hook of a control, if it has one.
    static ControlSubClass *hookOf(const QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One handler for each kind of event the look depends on.
    void onPaint(QWidget &control, QEvent *event);
    void onFocusChange(QWidget &control, bool focused);
    void onKeyPress(QWidget &control, const QKeyEvent &key);
    void onKeyRelease(QWidget &control, const QKeyEvent &key);
    void onMouseButton(QWidget &control, const QMouseEvent &mouse, bool down);
    void onEnabledChange(QWidget &control);
    void onHover(QWidget &control, bool entered);

    void paintAfterTheControl(QEvent *event);
    void paint();
    void switchOffFrame();
    void restoreFrame();

    QPointer<QWidget> control_;
    TMenuSkin *skin_;
    ControlState state_;
    bool spaceSeen_ = false;
    // The control's frame at hook time, given back when the hook ends.
    int savedFrameShape_ = -1;
    int savedLineWidth_ = 0;
};

}  // namespace menuskin
