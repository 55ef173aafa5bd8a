#include "MenuSkin.h"

#include "ControlSubClass.h"
#include "MenuSkinManager.h"
#include "MenuSkinStyle.h"
#include "SkinKinds.h"
#include "ToolBarSkin.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QToolBar>

namespace menuskin {

using platform::fromQColor;

namespace {

// Depths of 15 bits or fewer draw without gradients and dimming.
bool trueColorDepth(int depth) { return depth > 15; }

// A menu shown by a menu bar or another menu belongs to that one; others are popup menus.
bool isSubMenu(const QMenu *menu)
{
    for (const QObject *owner : menu->menuAction()->associatedObjects())
        if (qobject_cast<const QMenu *>(owner) || qobject_cast<const QMenuBar *>(owner))
            return true;
    return false;
}

}  // namespace

int tagOf(const QObject *object) { return object ? object->property("Tag").toInt() : 0; }

bool leftAlone(const QObject *object) { return tagOf(object) == LeaveAloneTag; }

TMenuSkin::TMenuSkin(QWidget *form) : QObject(form), form_(form), style_(new MenuSkinStyle(this))
{
    style_->setParent(this);
    font_ = QApplication::font("QMenu");
    colors_.FontColor = fromQColor(QApplication::palette().color(QPalette::WindowText));
    colors_.SelectFontColor = colors_.FontColor;
    lookFor(form ? form->depth() : 32);
    if (form) form->installEventFilter(this);
    TMenuSkinManager::skinCreated();
}

TMenuSkin::~TMenuSkin()
{
    if (form_) AttachComponents(form_, false, false);
    if (registered_ && TMenuSkinManager::instance())
        TMenuSkinManager::instance()->UnregisterSkin(this);
    if (form_) form_->update();
    // The hooks this skin owns let go of their controls before the manager may go.
    qDeleteAll(findChildren<ControlSubClass *>(Qt::FindDirectChildrenOnly));
    qDeleteAll(findChildren<ToolBarSkin *>(Qt::FindDirectChildrenOnly));
    TMenuSkinManager::skinDestroyed();
}

void TMenuSkin::Loaded()
{
    if (registered_) return;
    registered_ = true;
    TMenuSkinManager::instance()->RegisterSkin(this);
}

void TMenuSkin::setColorField(ColorValue &field, quint32 color)
{
    field = color;
    colorsDirty_ = true;
}

void TMenuSkin::setFont(const QFont &font)
{
    font_ = font;
    redrawMenuBar();
}

void TMenuSkin::setFontColor(quint32 color)
{
    // The selected items' text colour is the font's when the desktop's colours are used.
    setColorField(colors_.FontColor, color);
    redrawMenuBar();
}

void TMenuSkin::setMenuBarColor(quint32 color)
{
    setColorField(colors_.MenuBarColor, color);
    redrawMenuBar();
}

// Both switches choose how the palette is made, so the next item drawn makes it again.
void TMenuSkin::setUseSystemColors(bool value)
{
    colors_.UseSystemColors = value;
    colorsDirty_ = true;
    redrawMenuBar();
}

void TMenuSkin::setUseDimColor(bool value)
{
    colors_.UseDimColor = value;
    colorsDirty_ = true;
}

void TMenuSkin::redrawMenuBar()
{
    if (!form_) return;
    for (QMenuBar *bar : form_->findChildren<QMenuBar *>()) bar->update();
}

bool TMenuSkin::skinsControl(TSkinControl kind) const
{
    return skinControls_ & (1u << static_cast<int>(kind));
}

bool TMenuSkin::skinsContainer(TSkinContainer kind) const
{
    return skinContainers_ & (1u << static_cast<int>(kind));
}

void TMenuSkin::changeKinds(quint32 &field, quint32 value)
{
    if (value == field) return;
    if (active_ && form_) {
        // Everything is given back under the old kinds, then taken over under the new ones.
        active_ = false;
        AttachComponents(form_, false, true);
        active_ = true;
        field = value;
        AttachComponents(form_, true, true);
    } else {
        field = value;
    }
}

void TMenuSkin::setSkinContainers(quint32 value)
{
    changeKinds(skinContainers_, value & AllSkinContainers);
}

void TMenuSkin::setSkinControls(quint32 value)
{
    changeKinds(skinControls_, value & AllSkinControls);
}

void TMenuSkin::setActive(bool value)
{
    if (value == active_) return;
    active_ = value;
    if (!form_) return;
    AttachComponents(form_, value, true);
    redrawMenuBar();
}

void TMenuSkin::setDisableSubclassing(bool value)
{
    if (value == disableSubclassing_) return;
    disableSubclassing_ = value;
    TMenuSkinManager *manager = TMenuSkinManager::instance();
    if (!manager || !registered_) return;
    // Without an owner, the first eligible skin (this one too, once it may again) takes over.
    if (manager->SkinOwner() == this)
        manager->HandOver(this);
    else if (!manager->SkinOwner())
        manager->HandOver(nullptr);
}

const SkinLook &TMenuSkin::lookFor(int deviceDepth)
{
    const bool trueColor = trueColorDepth(deviceDepth);
    if (colorsDirty_ || trueColor != lookTrueColor_) {
        look_.palette = ComputePalette(colors_, trueColor);
        lookTrueColor_ = trueColor;
        colorsDirty_ = false;
    }
    look_.colors = colors_;
    look_.font = font_;
    look_.IconWidth = iconWidth_;
    look_.DimLevel = dimLevel_;
    look_.GrayLevel = grayLevel_;
    look_.DrawSelect = drawSelect_;
    look_.Gradient = gradient_;
    look_.FlatMenu = flatMenu_;
    look_.DrawMenuBar = drawMenuBar_;
    look_.IsTrueColor = trueColor;
    look_.Depth = deviceDepth;
    return look_;
}

QStyle *TMenuSkin::menuStyle() const { return style_; }

void TMenuSkin::requestFlatBorder(const QWidget *menu, QObject *item, bool rightToLeft,
                                  bool onWidget)
{
    TMenuSkinManager *manager = TMenuSkinManager::instance();
    if (!manager || flatBorderBusy_) return;
    auto *window = onWidget && menu ? const_cast<QWidget *>(menu->window()) : nullptr;
    if (window && window == form_) return;
    manager->postFlatBorderRequest(item, window, rightToLeft);
}

void TMenuSkin::attachMenu(QWidget *menu, bool attach)
{
    if (!menu) return;
    if (attach) {
        // A menu that carries a style of its own keeps it unless the skin overrides it.
        const bool ownStyle = menu->testAttribute(Qt::WA_SetStyle) && menu->style() != style_;
        if (!ownStyle || overrideOwnerDraw_) menu->setStyle(style_);
    } else if (menu->style() == style_) {
        menu->setStyle(nullptr);
    }
    for (QAction *action : menu->actions())
        if (action->menu()) attachMenu(action->menu(), attach);
}

void TMenuSkin::attachControl(QWidget *control, bool attach, bool refresh)
{
    const auto kind = controlKindOf(control);
    if (!kind || !skinsControl(*kind)) return;
    const auto container = containerKindOf(control->parentWidget());
    if (!container || !skinsContainer(*container)) return;
    if (leftAlone(control) || leftAlone(control->parentWidget())) return;
    if (attach) {
        if (!ControlSubClass::hookOf(control)) new ControlSubClass(control, this);
    } else if (ControlSubClass *hook = ControlSubClass::hookOf(control);
               hook && hook->parent() == this) {
        delete hook;
    }
    if (refresh) control->update();
}

void TMenuSkin::AttachComponent(QObject *component, bool attach, bool refresh)
{
    if (auto *bar = qobject_cast<QMenuBar *>(component)) {
        if (skinsControl(TSkinControl::scMainMenu) && !leftAlone(bar)) {
            attachMenu(bar, attach);
            if (refresh) bar->update();
        }
        return;
    }
    if (auto *menu = qobject_cast<QMenu *>(component)) {
        if (!isSubMenu(menu) && skinsControl(TSkinControl::scPopupMenu) && !leftAlone(menu))
            attachMenu(menu, attach);
        return;
    }
    if (auto *toolBar = qobject_cast<QToolBar *>(component)) {
        if (!skinsControl(TSkinControl::scToolbar) || leftAlone(toolBar)) return;
        ToolBarSkin *existing = nullptr;
        for (ToolBarSkin *s : findChildren<ToolBarSkin *>(Qt::FindDirectChildrenOnly))
            if (s->bar() == toolBar) existing = s;
        if (attach && !existing) new ToolBarSkin(toolBar, this);
        if (!attach) delete existing;
        if (refresh) toolBar->update();
        return;
    }
    if (auto *widget = qobject_cast<QWidget *>(component)) attachControl(widget, attach, refresh);
}

void TMenuSkin::AttachComponents(QWidget *container, bool attach, bool refresh)
{
    if (!container || leftAlone(container)) return;
    for (QObject *child : container->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget) continue;
        // Other windows are skinned on their own, as forms; menus are windows too, but ours.
        if (widget->isWindow() && !qobject_cast<QMenu *>(widget)) continue;
        AttachComponent(widget, attach, refresh);
        if (!qobject_cast<QMenu *>(widget) && !qobject_cast<QMenuBar *>(widget))
            AttachComponents(widget, attach, refresh);
    }
}

bool TMenuSkin::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ChildPolished && type != QEvent::PaletteChange &&
        type != QEvent::ApplicationPaletteChange)
        return false;
    if (watched != form_) return false;
    switch (type) {
    case QEvent::ChildPolished:
        if (active_ && autoDetect_)
            AttachComponent(static_cast<QChildEvent *>(event)->child(), true, true);
        break;
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
        // The desktop's colours changed: the palette made of them is out of date.
        colorsDirty_ = true;
        break;
    default: break;
    }
    return false;
}

}  // namespace menuskin
