#pragma once
// An accessible part of a widget that is no widget of its own (a board cell, a status bar
// panel): no children and no object; its parent is the widget's interface; texts are read-only.

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace quorbix {

template <class Owner>
class LeafAccessible : public QAccessibleInterface {
public:
    explicit LeafAccessible(Owner *owner) : owner_(owner) {}

    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return owner_ ? owner_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return owner_ ? QAccessible::queryAccessibleInterface(owner_.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}

protected:
    Owner *owner() const { return owner_.data(); }

private:
    QPointer<Owner> owner_;
};

}  // namespace quorbix
