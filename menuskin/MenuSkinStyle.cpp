#include "MenuSkinStyle.h"

#include "CanvasOps.h"
#include "ItemPicture.h"
#include "MenuItemPainter.h"
#include "MenuSkin.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>

namespace menuskin {

namespace {

QString captionOf(const QStyleOptionMenuItem &item)
{
    const qsizetype tab = item.text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? item.text : item.text.left(tab);
}

QString shortcutOf(const QStyleOptionMenuItem &item)
{
    const qsizetype tab = item.text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? QString() : item.text.mid(tab + 1);
}

// The item's picture is taken at the device pixel ratio it will be drawn at.
MenuItemInfo infoOf(const QStyleOptionMenuItem &item, bool bar, qreal ratio)
{
    MenuItemInfo info;
    info.caption = captionOf(item);
    info.shortcut = shortcutOf(item);
    info.separator = item.menuItemType == QStyleOptionMenuItem::Separator;
    info.barItem = bar;
    info.hasSubItems = item.menuItemType == QStyleOptionMenuItem::SubMenu;
    info.checked = item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked;
    info.radioItem = item.checkType == QStyleOptionMenuItem::Exclusive;
    info.isDefault = item.menuItemType == QStyleOptionMenuItem::DefaultItem;
    info.enabled = item.state & QStyle::State_Enabled;
    info.rightToLeft = item.direction == Qt::RightToLeft;
    info.picture = pictureOf(item.icon, ratio);
    return info;
}

}  // namespace

MenuSkinStyle::MenuSkinStyle(TMenuSkin *skin) : skin_(skin) {}

const QAction *MenuSkinStyle::skinnedAction(const QStyleOption *option, const QWidget *widget,
                                            bool measuring) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (!item || !widget || !skin_->Active() || leftAlone(widget)) return nullptr;
    const QAction *action = nullptr;
    if (!measuring) {
        if (const auto *menu = qobject_cast<const QMenu *>(widget))
            action = menu->actionAt(option->rect.center());
        else if (const auto *menuBar = qobject_cast<const QMenuBar *>(widget))
            action = menuBar->actionAt(option->rect.center());
    }
    if (!action) {
        // While a menu measures its items they have no place yet: find the item by what it shows.
        const QString caption = captionOf(*item);
        for (const QAction *candidate : widget->actions()) {
            if (!candidate->isVisible()) continue;
            const bool separator = item->menuItemType == QStyleOptionMenuItem::Separator;
            if (separator ? candidate->isSeparator()
                          : (!candidate->isSeparator() && candidate->text() == caption &&
                             (item->icon.isNull() ||
                              candidate->icon().cacheKey() == item->icon.cacheKey()))) {
                action = candidate;
                break;
            }
        }
    }
    if (!action || leftAlone(action)) return nullptr;
    return action;
}

QSize MenuSkinStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                      const QSize &size, const QWidget *widget) const
{
    if ((type == CT_MenuItem || type == CT_MenuBarItem) && skinnedAction(option, widget, true)) {
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        const MenuItemInfo info = infoOf(*item, type == CT_MenuBarItem,
                                         widget->devicePixelRatioF());
        QSize measured = MeasureMenuItem(info, skin_->lookFor(widget->depth()), size);
        // A menu widens its item column by its widest shortcut after measuring, and the item
        // has made room for its own shortcut already.
        if (type == CT_MenuItem && !info.shortcut.isEmpty())
            measured.rwidth() -= widget->fontMetrics().horizontalAdvance(info.shortcut);
        measured.rwidth() += ItemAllowance;
        return measured;
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void MenuSkinStyle::drawControl(ControlElement element, const QStyleOption *option,
                                QPainter *painter, const QWidget *widget) const
{
    const QAction *action = nullptr;
    if ((element == CE_MenuItem || element == CE_MenuBarItem) &&
        (action = skinnedAction(option, widget, false)) != nullptr) {
        try {
            const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
            const bool bar = element == CE_MenuBarItem;
            const bool highlighted = item->state & State_Selected;
            // A bar item is selected while its menu is open or it is pressed; merely under the
            // mouse, it is hot.
            const bool selected = highlighted && (!bar || (item->state & State_Sunken));
            const bool hot = bar && highlighted && !selected;
            const MenuItemInfo info = infoOf(*item, bar, painter->device()->devicePixelRatioF());
            DrawMenuItem(*painter, option->rect, info, skin_->lookFor(widget->depth()), selected,
                         hot);
            if (!bar && skin_->FlatMenu()) {
                const bool onWidget = painter->device() == widget;
                skin_->requestFlatBorder(widget, const_cast<QAction *>(action), info.rightToLeft,
                                         onWidget);
            }
        } catch (...) {
            // A failing item stays as far as it got; the menu goes on.
        }
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

bool MenuSkinStyle::skinsWidget(const QWidget *widget) const
{
    return skin_->Active() && widget && !leftAlone(widget);
}

void MenuSkinStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                  QPainter *painter, const QWidget *widget) const
{
    if (element == PE_FrameMenu && qobject_cast<const QMenu *>(widget) && skinsWidget(widget)) {
        using namespace platform;
        const QRect r = option->rect;
        Frame3D(*painter, r, cl3DLight, cl3DDkShadow, 1);
        Frame3D(*painter, r.adjusted(1, 1, -1, -1), clBtnHighlight, clBtnShadow, 1);
        const ColorValue face = skin_->lookFor(widget->depth()).palette.MenuFace;
        Frame3D(*painter, r.adjusted(2, 2, -2, -2), face, face, 1);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int MenuSkinStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                               const QWidget *widget) const
{
    if (metric == PM_MenuPanelWidth && skinsWidget(widget)) return PopupFrameWidth;
    if (skin_->Active()) {
        switch (metric) {
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuBarItemSpacing:
        case PM_MenuBarHMargin:
        case PM_MenuBarVMargin:
        case PM_MenuBarPanelWidth:
            // Items lie flush against each other and the frame, as the skin draws them.
            return 0;
        default: break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int MenuSkinStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                             QStyleHintReturn *returnData) const
{
    // Disabled items can be highlighted (they show no selection box, but the keyboard stops there).
    if (hint == SH_Menu_AllowActiveAndDisabled && skin_->Active()) return 1;
    // Everything else (such as how soon the items' hints show) is the application's choice.
    QStyle *application = QApplication::style();
    if (application && application != this)
        return application->styleHint(hint, option, widget, returnData);
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace menuskin
