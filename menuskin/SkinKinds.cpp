#include "SkinKinds.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

namespace menuskin {

bool isBitButton(const QWidget *widget)
{
    return qobject_cast<const QPushButton *>(widget) &&
           !qobject_cast<const QDialogButtonBox *>(widget->parentWidget());
}

bool isPanel(const QWidget *widget)
{
    if (!widget || widget->metaObject() != &QFrame::staticMetaObject) return false;
    const auto shape = static_cast<const QFrame *>(widget)->frameShape();
    return shape != QFrame::HLine && shape != QFrame::VLine;
}

bool isSpeedButton(const QWidget *widget)
{
    if (!qobject_cast<const QToolButton *>(widget)) return false;
    if (widget->objectName().startsWith(QLatin1String("qt_"))) return false;
    const QWidget *parent = widget->parentWidget();
    return !qobject_cast<const QToolBar *>(parent) && !qobject_cast<const QTabBar *>(parent) &&
           !qobject_cast<const QLineEdit *>(parent);
}

std::optional<TSkinControl> controlKindOf(const QWidget *widget)
{
    if (!widget) return std::nullopt;
    if (qobject_cast<const QComboBox *>(widget)) return TSkinControl::scCombo;
    if (qobject_cast<const QLineEdit *>(widget)) {
        // The edit fields inside combo and spin boxes belong to those controls.
        const QWidget *parent = widget->parentWidget();
        if (qobject_cast<const QComboBox *>(parent) ||
            qobject_cast<const QAbstractSpinBox *>(parent))
            return std::nullopt;
        return TSkinControl::scEdit;
    }
    if (qobject_cast<const QPushButton *>(widget))
        return isBitButton(widget) ? TSkinControl::scBitBtn : TSkinControl::scButton;
    if (isSpeedButton(widget)) return TSkinControl::scSpeedButton;
    if (isPanel(widget)) return TSkinControl::scPanel;
    if (qobject_cast<const QTreeView *>(widget)) return TSkinControl::scListView;
    if (qobject_cast<const QListView *>(widget)) return TSkinControl::scListBox;
    return std::nullopt;
}

std::optional<TSkinContainer> containerKindOf(const QWidget *parent)
{
    if (!parent) return std::nullopt;
    if (parent->isWindow()) return TSkinContainer::sccForm;
    if (qobject_cast<const QToolBar *>(parent)) return TSkinContainer::sccToolbar;
    if (qobject_cast<const QGroupBox *>(parent)) return TSkinContainer::sccGroupBox;
    if (qobject_cast<const QStackedWidget *>(parent->parentWidget()))
        return TSkinContainer::sccTabSheet;
    if (parent->objectName() == QLatin1String("qt_scrollarea_viewport") ||
        qobject_cast<const QScrollArea *>(parent))
        return TSkinContainer::sccScrollBox;
    if (isPanel(parent)) return TSkinContainer::sccPanel;
    // Any other plain widget is part of its window's client area.
    return TSkinContainer::sccForm;
}

}  // namespace menuskin
