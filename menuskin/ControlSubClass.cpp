#include "ControlSubClass.h"

#include "MenuSkin.h"
#include "SkinKinds.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace menuskin {

namespace {

const char *const HookProperty = "MenuSkinHook";

// The controls whose sunken 3-D border becomes a thin line that the skin colours.
bool losesItsSunkenBorder(const QWidget *w)
{
    const auto kind = controlKindOf(w);
    return kind == TSkinControl::scEdit || kind == TSkinControl::scListBox ||
           kind == TSkinControl::scListView;
}

}  // namespace

ControlSubClass::ControlSubClass(QWidget *control, TMenuSkin *skin)
    : QObject(skin), control_(control), skin_(skin)
{
    if (!control || hookOf(control)) {
        control_ = nullptr;
        return;
    }
    control->setProperty(HookProperty, QVariant::fromValue(static_cast<QObject *>(this)));
    if (const auto *edit = qobject_cast<QLineEdit *>(control)) {
        state_.savedFramed = edit->hasFrame();
    } else if (const auto *area = qobject_cast<QAbstractScrollArea *>(control)) {
        state_.savedFramed = area->frameShape() != QFrame::NoFrame;
    }
    // The thin border replaces the sunken one from the start, so the control is laid out and
    // painted once with the frame it keeps.
    if (losesItsSunkenBorder(control)) switchOffFrame();
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, &QObject::deleteLater);
}

ControlSubClass::~ControlSubClass()
{
    if (control_) unhook();
}

ControlSubClass *ControlSubClass::hookOf(const QWidget *control)
{
    return qobject_cast<ControlSubClass *>(control->property(HookProperty).value<QObject *>());
}

void ControlSubClass::handOverTo(ControlSubClass &successor)
{
    QWidget *control = control_;
    if (!control) return;
    control->removeEventFilter(this);
    disconnect(control, nullptr, this, nullptr);
    successor.control_ = control;
    successor.state_ = state_;
    successor.spaceSeen_ = spaceSeen_;
    successor.savedFrameShape_ = savedFrameShape_;
    successor.savedLineWidth_ = savedLineWidth_;
    control->setProperty(HookProperty, QVariant::fromValue(static_cast<QObject *>(&successor)));
    control->installEventFilter(&successor);
    connect(control, &QObject::destroyed, &successor, &QObject::deleteLater);
    control_ = nullptr;
}

void ControlSubClass::unhook()
{
    QWidget *control = control_;
    if (!control) return;
    control->removeEventFilter(this);
    disconnect(control, nullptr, this, nullptr);
    control->setProperty(HookProperty, QVariant());
    restoreFrame();
    if (auto *edit = qobject_cast<QLineEdit *>(control)) edit->setFrame(state_.savedFramed);
    control_ = nullptr;
    control->update();
}

void ControlSubClass::switchOffFrame()
{
    if (auto *edit = qobject_cast<QLineEdit *>(control_.data())) {
        if (edit->hasFrame()) edit->setFrame(false);
    } else if (auto *area = qobject_cast<QAbstractScrollArea *>(control_.data())) {
        // A sunken 3-D border becomes a 1-px line that the skin colours.
        if (savedFrameShape_ < 0 && area->frameShape() != QFrame::NoFrame) {
            savedFrameShape_ = area->frameStyle();
            savedLineWidth_ = area->lineWidth();
            area->setFrameStyle(QFrame::Box | QFrame::Plain);
            area->setLineWidth(1);
        }
    }
}

void ControlSubClass::restoreFrame()
{
    auto *area = qobject_cast<QAbstractScrollArea *>(control_.data());
    if (!area || savedFrameShape_ < 0) return;
    area->setFrameStyle(savedFrameShape_);
    area->setLineWidth(savedLineWidth_);
    savedFrameShape_ = -1;
}

void ControlSubClass::paintAfterTheControl(QEvent *event)
{
    // Qt asks the filters installed after this one first and those installed before it after
    // it, then the control. Sending the paint on without this filter lets all of those paint
    // first; hooking again makes this the latest filter, the last to see any later paint.
    QWidget *control = control_;
    control->removeEventFilter(this);
    QCoreApplication::sendEvent(control, event);
    if (!control_) return;  // the control went away while it painted
    control->installEventFilter(this);
    paint();
}

bool ControlSubClass::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    // The control's children come and go without concern to the skin, also while the control
    // is being torn down and is no widget any more.
    if (type == QEvent::ChildAdded || type == QEvent::ChildRemoved || type == QEvent::ChildPolished)
        return false;
    QWidget *control = control_;
    if (watched != control || !control) return false;

    if (!skin_->Active()) {
        // The skin was switched off: the control has its own look back from this event on.
        unhook();
        deleteLater();
        return false;
    }

    if (type == QEvent::Paint) {
        onPaint(*control, event);
        return true;
    }

    // Every other event only changes the look the skin paints at the next paint, which comes
    // after the control and the other filters have handled the event; they get it as it is.
    // The control may not outlive its handling (a button whose click deletes it), so nothing
    // here touches it afterwards.
    switch (type) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: onFocusChange(*control, type == QEvent::FocusIn); break;
    case QEvent::KeyPress: onKeyPress(*control, *static_cast<QKeyEvent *>(event)); break;
    case QEvent::KeyRelease: onKeyRelease(*control, *static_cast<QKeyEvent *>(event)); break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:  // a double click is a second press
    case QEvent::MouseButtonRelease:
        onMouseButton(*control, *static_cast<QMouseEvent *>(event),
                      type != QEvent::MouseButtonRelease);
        break;
    case QEvent::EnabledChange: onEnabledChange(*control); break;
    case QEvent::Enter:
    case QEvent::Leave: onHover(*control, type == QEvent::Enter); break;
    case QEvent::PaletteChange:
    case QEvent::FontChange: control->update(); break;
    default: break;
    }
    return false;
}

// The skin paints over the control's own painting; a speed button's is left out.
void ControlSubClass::onPaint(QWidget &control, QEvent *event)
{
    if (isSpeedButton(&control))
        paint();
    else
        paintAfterTheControl(event);
}

void ControlSubClass::onFocusChange(QWidget &control, bool focused)
{
    state_.hot = focused;
    control.update();
}

// The space bar presses a focused button; its auto-repeat repaints once.
void ControlSubClass::onKeyPress(QWidget &control, const QKeyEvent &key)
{
    if (key.key() != Qt::Key_Space) return;
    state_.spaceDown = true;
    if (!spaceSeen_) control.update();
    spaceSeen_ = true;
}

void ControlSubClass::onKeyRelease(QWidget &control, const QKeyEvent &key)
{
    if (key.key() != Qt::Key_Space || key.isAutoRepeat()) return;
    state_.spaceDown = false;
    spaceSeen_ = false;
    control.update();
}

void ControlSubClass::onMouseButton(QWidget &control, const QMouseEvent &mouse, bool down)
{
    if (mouse.button() != Qt::LeftButton) return;
    state_.buttonDown = down;
    control.update();
}

void ControlSubClass::onEnabledChange(QWidget &control)
{
    if (!control.isEnabled()) state_.hot = false;
    control.update();
}

// The mouse over a disabled control changes nothing.
void ControlSubClass::onHover(QWidget &control, bool entered)
{
    if (!control.isEnabled()) return;
    state_.hot = entered;
    control.update();
}

void ControlSubClass::paint()
{
    QWidget *control = control_;
    state_.focused = control->hasFocus();
    const SkinLook &look = skin_->lookFor(control->depth());
    const auto kind = controlKindOf(control);
    if (!kind) return;
    QPainter p(control);
    switch (*kind) {
    case TSkinControl::scCombo:
        PaintCombo(p, *static_cast<QComboBox *>(control), state_, look);
        break;
    case TSkinControl::scEdit:
        PaintEdit(p, *static_cast<QLineEdit *>(control), state_, look);
        break;
    case TSkinControl::scBitBtn:
        PaintBitButton(p, *static_cast<QAbstractButton *>(control), state_, look);
        break;
    case TSkinControl::scButton:
        PaintButton(p, *static_cast<QAbstractButton *>(control), state_, look);
        break;
    case TSkinControl::scSpeedButton:
        if (control->isVisible())
            PaintSpeedButton(p, *static_cast<QAbstractButton *>(control), state_, look);
        break;
    case TSkinControl::scPanel: PaintPanel(p, *static_cast<QFrame *>(control)); break;
    case TSkinControl::scListBox:
    case TSkinControl::scListView: PaintListBorder(p, *control, state_, look); break;
    default: break;
    }
}

}  // namespace menuskin
