#include "AboutAccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>

namespace about {

namespace {

const char *const ClockProperty = "ClockText";
const char *const LinkProperty = "ReadAsLink";

class ClockAccessible : public QAccessibleWidget {
public:
    explicit ClockAccessible(QWidget *panel) : QAccessibleWidget(panel, QAccessible::Clock) {}

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Name)
            return QCoreApplication::translate("AboutAccessible", "Clock");
        if (type == QAccessible::Value) return widget()->property(ClockProperty).toString();
        return QAccessibleWidget::text(type);
    }
};

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text type) const override
    {
        const auto *label = static_cast<const QLabel *>(widget());
        if (type == QAccessible::Name && label->accessibleName().isEmpty()) return label->text();
        if (type == QAccessible::Description && label->accessibleDescription().isEmpty())
            return label->toolTip();
        return QAccessibleWidget::text(type);
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(widget(), &enter);
    }
};

QAccessibleInterface *aboutInterface(const QString &key, QObject *object)
{
    if (key == QLatin1String("QFrame") && object->property(ClockProperty).isValid())
        return new ClockAccessible(static_cast<QWidget *>(object));
    if (key == QLatin1String("QLabel") && object->property(LinkProperty).toBool())
        return new LinkAccessible(static_cast<QLabel *>(object));
    return nullptr;
}

// Installs the factory, and forgets the generic interface Qt may have made for the widget
// already (setting a label's text does), so the next query gets ours.
void takeOver(QWidget *widget)
{
    static const bool installed = [] {
        QAccessible::installFactory(aboutInterface);
        return true;
    }();
    (void)installed;
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace

void markAsClock(QWidget *panel)
{
    panel->setProperty(ClockProperty, QString());
    takeOver(panel);
}

void setClockText(QWidget *panel, const QString &time) { panel->setProperty(ClockProperty, time); }

void markAsLink(QLabel *label)
{
    label->setProperty(LinkProperty, true);
    label->setFocusPolicy(Qt::StrongFocus);
    takeOver(label);
}

bool isLinkKey(const QWidget *label, int key)
{
    return label->property(LinkProperty).toBool() &&
           (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space);
}

}  // namespace about
