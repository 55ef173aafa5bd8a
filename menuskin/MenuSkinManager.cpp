#include "MenuSkinManager.h"

#include "ControlSubClass.h"
#include "FlatBorder.h"
#include "MenuSkin.h"
#include "ToolBarSkin.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QWidget>

namespace menuskin {

namespace {

// The one manager and the number of skins that keep it alive.
TMenuSkinManager *theManager = nullptr;
int skinCount = 0;

const QEvent::Type PendingFormsEvent = static_cast<QEvent::Type>(QEvent::User + 48300);

class FlatBorderEvent : public QEvent {
public:
    FlatBorderEvent(int type, QObject *forItem, QWidget *inWindow, bool isRightToLeft)
        : QEvent(static_cast<QEvent::Type>(type)), item(forItem), window(inWindow),
          rightToLeft(isRightToLeft)
    {}
    QPointer<QObject> item;
    QPointer<QWidget> window;
    bool rightToLeft;
};

bool ownsSkin(const QWidget *form)
{
    return !form->findChildren<TMenuSkin *>(Qt::FindDirectChildrenOnly).isEmpty();
}

template <typename T>
QList<T *> live(const QList<QPointer<T>> &list)
{
    QList<T *> result;
    for (const QPointer<T> &p : list)
        if (p) result.append(p.data());
    return result;
}

// The popup that shows an item.
QWidget *popupOf(QObject *item)
{
    auto *action = qobject_cast<QAction *>(item);
    if (!action) return nullptr;
    for (QObject *object : action->associatedObjects())
        if (auto *menu = qobject_cast<QMenu *>(object); menu && menu->isVisible()) return menu;
    return nullptr;
}

}  // namespace

bool isForm(const QWidget *widget)
{
    if (!widget || !widget->isWindow()) return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet;
}

TMenuSkinManager *TMenuSkinManager::instance() { return theManager; }

void TMenuSkinManager::skinCreated()
{
    if (skinCount++ == 0) theManager = new TMenuSkinManager;
}

void TMenuSkinManager::skinDestroyed()
{
    if (--skinCount > 0) return;
    delete theManager;
    theManager = nullptr;
}

TMenuSkinManager::TMenuSkinManager()
{
    if (qApp) qApp->installEventFilter(this);
}

TMenuSkinManager::~TMenuSkinManager()
{
    if (qApp) qApp->removeEventFilter(this);
}

QList<QWidget *> TMenuSkinManager::PendingForms() const { return live(pendingForms_); }
QList<QWidget *> TMenuSkinManager::SkinnedForms() const { return live(skinnedForms_); }
QList<TMenuSkin *> TMenuSkinManager::RegisteredSkins() const { return live(registeredSkins_); }

bool TMenuSkinManager::isSkinned(const QWidget *form) const
{
    for (const QPointer<QWidget> &f : skinnedForms_)
        if (f == form) return true;
    return false;
}

void TMenuSkinManager::RegisterSkin(TMenuSkin *skin)
{
    registeredSkins_.append(skin);
    if (skin->form() && !isSkinned(skin->form())) skinnedForms_.append(skin->form());
    if (!skinOwner_ && skin->Active() && !skin->DisableSubclassing()) {
        skinOwner_ = skin;
        queueOtherForms();
    }
}

void TMenuSkinManager::UnregisterSkin(TMenuSkin *skin)
{
    if (skinOwner_ == skin) HandOver(skin);
    registeredSkins_.removeAll(skin);
}

void TMenuSkinManager::queueOtherForms()
{
    for (QWidget *form : QApplication::topLevelWidgets()) {
        if (!isForm(form) || !form->isVisible() || isSkinned(form) || leftAlone(form) ||
            ownsSkin(form))
            continue;
        if (!pendingForms_.contains(form)) pendingForms_.append(form);
    }
    schedulePending();
}

void TMenuSkinManager::FormNotification(QWidget *form)
{
    if (!skinOwner_ || pendingForms_.contains(form)) return;
    pendingForms_.append(form);
    schedulePending();
}

void TMenuSkinManager::schedulePending()
{
    if (pendingPosted_ || pendingForms_.isEmpty()) return;
    pendingPosted_ = true;
    QCoreApplication::postEvent(this, new QEvent(PendingFormsEvent));
}

void TMenuSkinManager::HandOver(TMenuSkin *leaving)
{
    TMenuSkin *candidate = nullptr;
    for (TMenuSkin *skin : RegisteredSkins()) {
        if (skin != leaving && skin->Active() && !skin->DisableSubclassing()) {
            candidate = skin;
            break;
        }
    }
    QWidget *leavingForm = leaving ? leaving->form() : nullptr;
    const auto onLeavingForm = [leavingForm](const QWidget *w) {
        return leavingForm && w && (w == leavingForm || leavingForm->isAncestorOf(w));
    };
    TMenuSkin *owner = skinOwner_;

    if (candidate && !owner) {
        skinOwner_ = candidate;
        queueOtherForms();
        return;
    }
    if (candidate && owner) {
        for (ControlSubClass *hook :
             owner->findChildren<ControlSubClass *>(Qt::FindDirectChildrenOnly)) {
            if (!hook->control() || onLeavingForm(hook->control())) continue;
            auto *successor = new ControlSubClass(nullptr, candidate);
            hook->handOverTo(*successor);
            hook->deleteLater();
        }
        for (ToolBarSkin *bar : owner->findChildren<ToolBarSkin *>(Qt::FindDirectChildrenOnly)) {
            if (!bar->bar() || onLeavingForm(bar->bar())) continue;
            new ToolBarSkin(bar->bar(), candidate);
            delete bar;
        }
    } else if (owner) {
        pendingForms_.clear();
        for (ControlSubClass *hook :
             owner->findChildren<ControlSubClass *>(Qt::FindDirectChildrenOnly)) {
            if (!onLeavingForm(hook->control())) hook->unhook();
        }
        for (ToolBarSkin *bar : owner->findChildren<ToolBarSkin *>(Qt::FindDirectChildrenOnly)) {
            if (!onLeavingForm(bar->bar())) delete bar;
        }
        skinnedForms_.clear();
        // The skins' own windows stay skinned by their own skins.
        for (TMenuSkin *skin : RegisteredSkins())
            if (skin != leaving && skin->form()) skinnedForms_.append(skin->form());
    }
    skinOwner_ = candidate;
}

void TMenuSkinManager::postFlatBorderRequest(QObject *item, QWidget *window, bool rightToLeft)
{
    if (flatBorderPosted_) return;
    flatBorderPosted_ = true;
    const int type = window ? MSG_FLAT_BORDER_WINDOW : MSG_FLAT_BORDER_ITEM;
    QCoreApplication::postEvent(this, new FlatBorderEvent(type, item, window, rightToLeft));
}

void TMenuSkinManager::MainWindowHook()
{
    pendingPosted_ = false;
    const QList<QWidget *> pending = PendingForms();
    pendingForms_.clear();
    for (QWidget *form : pending) {
        if (isSkinned(form) || !skinOwner_) continue;
        skinnedForms_.append(form);
        try {
            skinOwner_->AttachComponents(form, true, true);
        } catch (...) {
            // A window that cannot be skinned keeps whatever look it reached.
        }
    }
}

bool TMenuSkinManager::event(QEvent *event)
{
    const int type = event->type();
    if (type == MSG_FLAT_BORDER_ITEM || type == MSG_FLAT_BORDER_WINDOW) {
        flatBorderPosted_ = false;
        const auto *request = static_cast<FlatBorderEvent *>(event);
        QWidget *popup = type == MSG_FLAT_BORDER_ITEM ? popupOf(request->item)
                                                      : request->window.data();
        const bool rightToLeft = type == MSG_FLAT_BORDER_ITEM && popup
                                     ? popup->layoutDirection() == Qt::RightToLeft
                                     : request->rightToLeft;
        if (skinOwner_) FlatPopupFilter::PaintFlatBorder(skinOwner_, popup, rightToLeft);
        return true;
    }
    if (type == PendingFormsEvent) {
        MainWindowHook();
        return true;
    }
    return QObject::event(event);
}

bool TMenuSkinManager::eventFilter(QObject *watched, QEvent *event)
{
    // New windows are noticed when they first show; they are skinned a turn later, complete.
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (isForm(widget) && !isSkinned(widget) && !leftAlone(widget) && !ownsSkin(widget))
            FormNotification(widget);
    }
    return false;
}

}  // namespace menuskin
