#include "StatusAccessible.h"

#include "AccessibleEvents.h"
#include "LeafAccessible.h"
#include "StatusPanels.h"

namespace quorbix {

namespace {

class PanelAccessible : public LeafAccessible<TStatusBar> {
public:
    PanelAccessible(TStatusBar *bar, int index) : LeafAccessible(bar), index_(index) {}

    bool isValid() const override { return owner() && index_ < owner()->panelCount(); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }

    QString text(QAccessible::Text type) const override
    {
        if (!isValid()) return {};
        switch (type) {
        case QAccessible::Name:
        case QAccessible::Value: return owner()->panelText(index_);
        case QAccessible::Description: return owner()->panelDescription(index_);
        default: return {};
        }
    }

    QRect rect() const override
    {
        if (!isValid()) return {};
        const QRect r = owner()->panelRect(index_);
        return QRect(owner()->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = !owner() || !owner()->isVisible();
        return s;
    }

private:
    int index_;
};

}  // namespace

StatusBarAccessible::StatusBarAccessible(TStatusBar *bar)
    : QAccessibleWidget(bar, QAccessible::StatusBar)
{}

StatusBarAccessible::~StatusBarAccessible()
{
    for (QAccessible::Id id : std::as_const(panels_)) QAccessible::deleteAccessibleInterface(id);
}

TStatusBar *StatusBarAccessible::bar() const { return static_cast<TStatusBar *>(widget()); }

int StatusBarAccessible::childCount() const { return bar()->panelCount(); }

QAccessibleInterface *StatusBarAccessible::child(int index) const
{
    if (index < 0 || index >= childCount()) return nullptr;
    while (panels_.size() <= index)
        panels_ << QAccessible::registerAccessibleInterface(
            new PanelAccessible(bar(), static_cast<int>(panels_.size())));
    return QAccessible::accessibleInterface(panels_.at(index));
}

int StatusBarAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (int index = 0; index < panels_.size(); ++index)
        if (QAccessible::accessibleInterface(panels_.at(index)) == child) return index;
    return -1;
}

QAccessibleInterface *StatusBarAccessible::childAt(int x, int y) const
{
    for (int index = 0; index < childCount(); ++index)
        if (child(index)->rect().contains(x, y)) return child(index);
    return nullptr;
}

void announcePanelChange(TStatusBar *bar, int index)
{
    if (!accessibleEventsHeard()) return;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(bar);
    QAccessibleInterface *panel = iface ? iface->child(index) : nullptr;
    if (!panel) return;
    QAccessibleEvent named(panel, QAccessible::NameChanged);
    sendAccessibleEvent(named);
    QAccessibleValueChangeEvent valued(panel, panel->text(QAccessible::Value));
    sendAccessibleEvent(valued);
}

}  // namespace quorbix
