#pragma once
// A menu bar item that shows only a picture (the undo and redo arrows) still needs a name for a
// screen reader; its caption would change how the bar is drawn, so the name is given apart.

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPointer>
#include <QString>

class QAction;

namespace quorbix {

// The name assistive technology reads for the item; nothing visible changes.
void setSpokenName(QAction *action, const QString &name);
bool hasSpokenName(const QObject *object);

class ActionAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit ActionAccessible(QAction *action) : action_(action) {}

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QWidget *owner() const;

    QPointer<QAction> action_;
};

}  // namespace quorbix
