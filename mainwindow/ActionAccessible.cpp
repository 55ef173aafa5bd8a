#include "ActionAccessible.h"

#include <QAction>
#include <QMenuBar>

namespace quorbix {

namespace {
const char *const SpokenNameProperty = "SpokenName";
}

void setSpokenName(QAction *action, const QString &name)
{
    action->setProperty(SpokenNameProperty, name);
}

bool hasSpokenName(const QObject *object) { return object->property(SpokenNameProperty).isValid(); }

QWidget *ActionAccessible::owner() const
{
    if (!action_) return nullptr;
    for (QObject *object : action_->associatedObjects())
        if (auto *bar = qobject_cast<QMenuBar *>(object)) return bar;
    return nullptr;
}

bool ActionAccessible::isValid() const { return owner() != nullptr; }

QObject *ActionAccessible::object() const { return action_; }

QWindow *ActionAccessible::window() const
{
    QWidget *bar = owner();
    return bar ? bar->window()->windowHandle() : nullptr;
}

QAccessibleInterface *ActionAccessible::parent() const
{
    QWidget *bar = owner();
    return bar ? QAccessible::queryAccessibleInterface(bar) : nullptr;
}

QString ActionAccessible::text(QAccessible::Text type) const
{
    if (!action_) return {};
    switch (type) {
    case QAccessible::Name: return action_->property(SpokenNameProperty).toString();
    case QAccessible::Description: return action_->toolTip();
    case QAccessible::Accelerator: return action_->shortcut().toString(QKeySequence::NativeText);
    default: return {};
    }
}

QRect ActionAccessible::rect() const
{
    auto *bar = qobject_cast<QMenuBar *>(owner());
    if (!bar) return {};
    const QRect r = bar->actionGeometry(action_);
    return QRect(bar->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State ActionAccessible::state() const
{
    QAccessible::State s;
    QWidget *bar = owner();
    if (!bar) return s;
    s.disabled = !action_->isEnabled();
    s.invisible = !action_->isVisible() || !bar->isVisible();
    s.focusable = true;
    return s;
}

void *ActionAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

QStringList ActionAccessible::actionNames() const
{
    return action_ && action_->isEnabled() ? QStringList{pressAction()} : QStringList{};
}

void ActionAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() && action_ && action_->isEnabled()) action_->trigger();
}

QStringList ActionAccessible::keyBindingsForAction(const QString &actionName) const
{
    QStringList keys;
    if (actionName != pressAction() || !action_) return keys;
    for (const QKeySequence &key : action_->shortcuts())
        keys << key.toString(QKeySequence::NativeText);
    return keys;
}

}  // namespace quorbix
