#pragma once
// TMenuSkinManager: the one process-wide keeper of the skins. It lends the skin of one
// TMenuSkin (the SkinOwner) to every other window of the application: windows that appear are
// queued and skinned on the next turn of the event loop, once they are complete.

#include <QList>
#include <QObject>
#include <QPointer>

#include <QWidget>

namespace menuskin {

class TMenuSkin;

class TMenuSkinManager : public QObject {
    Q_OBJECT
public:
    // The manager while any skin exists, else null.
    static TMenuSkinManager *instance();

    // Custom events standing for the posted messages that ask for a flat popup border: of the
    // popup showing an item, or of a given popup window.
    static constexpr int MSG_FLAT_BORDER_ITEM = 48307;
    static constexpr int MSG_FLAT_BORDER_WINDOW = 48308;

    void RegisterSkin(TMenuSkin *skin);
    void UnregisterSkin(TMenuSkin *skin);
    // A window appeared: it is skinned on the next turn of the event loop. Windows that go
    // away drop out of the lists by themselves.
    void FormNotification(QWidget *form);
    // Passes the skinning of other windows on from a leaving skin (null: from nobody).
    void HandOver(TMenuSkin *leaving);

    TMenuSkin *SkinOwner() const { return skinOwner_; }
    QList<QWidget *> PendingForms() const;
    QList<QWidget *> SkinnedForms() const;
    QList<TMenuSkin *> RegisteredSkins() const;

    // Posts a flat border request unless one is waiting already.
    void postFlatBorderRequest(QObject *item, QWidget *window, bool rightToLeft);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    friend class TMenuSkin;
    TMenuSkinManager();
    ~TMenuSkinManager() override;
    static void skinCreated();
    static void skinDestroyed();

    void queueOtherForms();
    void schedulePending();
    void MainWindowHook();
    bool isSkinned(const QWidget *form) const;

    QList<QPointer<TMenuSkin>> registeredSkins_;
    QList<QPointer<QWidget>> pendingForms_;
    QList<QPointer<QWidget>> skinnedForms_;
    QPointer<TMenuSkin> skinOwner_;
    bool pendingPosted_ = false;
    bool flatBorderPosted_ = false;
};

// A window of the kind the skin takes over: a main window or dialog, not a popup or tooltip.
bool isForm(const QWidget *widget);

}  // namespace menuskin
