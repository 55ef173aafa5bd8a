#pragma once
// TMenuSkin: takes over the measuring and drawing of its window's menu bar and menus, and
// repaints the buttons, panels, lists and tool bars of its window, and of the application's
// other windows, in the same flat style.

#include "SkinLook.h"

#include <QFont>
#include <QObject>
#include <QPointer>

#include <algorithm>

class QAction;
class QMenu;
class QMenuBar;
class QStyle;
#include <QWidget>

namespace menuskin {

class ControlSubClass;
class MenuSkinStyle;

// Component kinds the skin can take over; bit n of SkinControls is kind n.
enum class TSkinControl : int {
    scMainMenu,
    scPopupMenu,
    scToolbar,
    scControlbar,
    scCombo,
    scListBox,
    scEdit,
    scMaskEdit,
    scMemo,
    scRichEdit,
    scMiscEdit,
    scCheckBox,
    scRadioButton,
    scButton,
    scBitBtn,
    scSpeedButton,
    scUpDown,
    scPanel,
    scGroupBox,
    scTreeView,
    scListView,
    scProgressBar,
    scHotKey
};
// Container kinds whose children are skinned; bit n of SkinContainers is kind n.
enum class TSkinContainer : int {
    sccForm,
    sccFrame,
    sccToolbar,
    sccCoolbar,
    sccControlbar,
    sccPanel,
    sccScrollBox,
    sccGroupBox,
    sccTabSheet,
    sccPageScroller
};
constexpr quint32 AllSkinControls = 0x7FFFFF;
constexpr quint32 AllSkinContainers = 0x3FF;

// The Tag that tells the skin to leave a window, menu, item or control alone.
constexpr int LeaveAloneTag = 999;
int tagOf(const QObject *object);
bool leftAlone(const QObject *object);

class TMenuSkin : public QObject {
    Q_OBJECT
    Q_PROPERTY(int DimLevel READ DimLevel WRITE setDimLevel)
    Q_PROPERTY(int GrayLevel READ GrayLevel WRITE setGrayLevel)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(quint32 FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(quint32 Color READ Color WRITE setColor)
    Q_PROPERTY(bool DrawMenuBar READ DrawMenuBar WRITE setDrawMenuBar)
    Q_PROPERTY(quint32 IconBackColor READ IconBackColor WRITE setIconBackColor)
    Q_PROPERTY(quint32 MenuBarColor READ MenuBarColor WRITE setMenuBarColor)
    Q_PROPERTY(quint32 SelectColor READ SelectColor WRITE setSelectColor)
    Q_PROPERTY(quint32 SelectBorderColor READ SelectBorderColor WRITE setSelectBorderColor)
    Q_PROPERTY(quint32 SelectFontColor READ SelectFontColor WRITE setSelectFontColor)
    Q_PROPERTY(quint32 DisabledColor READ DisabledColor WRITE setDisabledColor)
    Q_PROPERTY(quint32 SeparatorColor READ SeparatorColor WRITE setSeparatorColor)
    Q_PROPERTY(quint32 CheckedColor READ CheckedColor WRITE setCheckedColor)
    Q_PROPERTY(int IconWidth READ IconWidth WRITE setIconWidth)
    Q_PROPERTY(bool DrawSelect READ DrawSelect WRITE setDrawSelect)
    Q_PROPERTY(bool UseSystemColors READ UseSystemColors WRITE setUseSystemColors)
    Q_PROPERTY(bool UseDimColor READ UseDimColor WRITE setUseDimColor)
    Q_PROPERTY(bool OverrideOwnerDraw READ OverrideOwnerDraw WRITE setOverrideOwnerDraw)
    Q_PROPERTY(bool Gradient READ Gradient WRITE setGradient)
    Q_PROPERTY(bool FlatMenu READ FlatMenu WRITE setFlatMenu)
    Q_PROPERTY(bool AutoDetect READ AutoDetect WRITE setAutoDetect)
    Q_PROPERTY(quint32 SkinContainers READ SkinContainers WRITE setSkinContainers)
    Q_PROPERTY(quint32 SkinControls READ SkinControls WRITE setSkinControls)
    Q_PROPERTY(bool Active READ Active WRITE setActive)
    Q_PROPERTY(bool DisableSubclassing READ DisableSubclassing WRITE setDisableSubclassing)

public:
    // form: the window whose menus and controls the skin takes over; it owns the skin.
    explicit TMenuSkin(QWidget *form);
    ~TMenuSkin() override;
    TMenuSkin(const TMenuSkin &) = delete;
    TMenuSkin &operator=(const TMenuSkin &) = delete;

    // To be called once the stored properties are set (as a loaded layout would): registers
    // the skin with the process-wide manager, which then skins windows opened later.
    void Loaded();

    int DimLevel() const { return dimLevel_; }
    void setDimLevel(int value) { dimLevel_ = std::clamp(value, 0, 255); }
    int GrayLevel() const { return grayLevel_; }
    void setGrayLevel(int value) { grayLevel_ = std::clamp(value, 0, 255); }
    QFont Font() const { return font_; }
    void setFont(const QFont &font);
    quint32 FontColor() const { return colors_.FontColor; }
    void setFontColor(quint32 color);
    quint32 Color() const { return colors_.Color; }
    void setColor(quint32 color) { setColorField(colors_.Color, color); }
    bool DrawMenuBar() const { return drawMenuBar_; }
    void setDrawMenuBar(bool value) { drawMenuBar_ = value; }
    quint32 IconBackColor() const { return colors_.IconBackColor; }
    void setIconBackColor(quint32 color) { setColorField(colors_.IconBackColor, color); }
    quint32 MenuBarColor() const { return colors_.MenuBarColor; }
    void setMenuBarColor(quint32 color);
    quint32 SelectColor() const { return colors_.SelectColor; }
    void setSelectColor(quint32 color) { setColorField(colors_.SelectColor, color); }
    quint32 SelectBorderColor() const { return colors_.SelectBorderColor; }
    void setSelectBorderColor(quint32 color) { setColorField(colors_.SelectBorderColor, color); }
    quint32 SelectFontColor() const { return colors_.SelectFontColor; }
    void setSelectFontColor(quint32 color) { setColorField(colors_.SelectFontColor, color); }
    quint32 DisabledColor() const { return colors_.DisabledColor; }
    void setDisabledColor(quint32 color) { setColorField(colors_.DisabledColor, color); }
    quint32 SeparatorColor() const { return colors_.SeparatorColor; }
    void setSeparatorColor(quint32 color) { setColorField(colors_.SeparatorColor, color); }
    quint32 CheckedColor() const { return colors_.CheckedColor; }
    void setCheckedColor(quint32 color) { setColorField(colors_.CheckedColor, color); }
    int IconWidth() const { return iconWidth_; }
    void setIconWidth(int value) { iconWidth_ = std::max(value, 0); }
    bool DrawSelect() const { return drawSelect_; }
    void setDrawSelect(bool value) { drawSelect_ = value; }
    bool UseSystemColors() const { return colors_.UseSystemColors; }
    void setUseSystemColors(bool value);
    bool UseDimColor() const { return colors_.UseDimColor; }
    void setUseDimColor(bool value);
    bool OverrideOwnerDraw() const { return overrideOwnerDraw_; }
    void setOverrideOwnerDraw(bool value) { overrideOwnerDraw_ = value; }
    bool Gradient() const { return gradient_; }
    void setGradient(bool value) { gradient_ = value; }
    bool FlatMenu() const { return flatMenu_; }
    void setFlatMenu(bool value) { flatMenu_ = value; }
    bool AutoDetect() const { return autoDetect_; }
    void setAutoDetect(bool value) { autoDetect_ = value; }
    quint32 SkinContainers() const { return skinContainers_; }
    void setSkinContainers(quint32 value);
    quint32 SkinControls() const { return skinControls_; }
    void setSkinControls(quint32 value);
    bool Active() const { return active_; }
    void setActive(bool value);
    bool DisableSubclassing() const { return disableSubclassing_; }
    void setDisableSubclassing(bool value);

    bool skinsControl(TSkinControl kind) const;
    bool skinsContainer(TSkinContainer kind) const;

    QWidget *form() const { return form_; }
    bool colorsDirty() const { return colorsDirty_; }
    // Keeps the flat border from being painted from within its own painting.
    bool flatBorderBusy() const { return flatBorderBusy_; }
    void setFlatBorderBusy(bool busy) { flatBorderBusy_ = busy; }

    // The palette and settings for painting on a device of the given depth; the palette is
    // computed again when a colour property changed or the depth class differs.
    const SkinLook &lookFor(int deviceDepth);

    // Runs the attach step (or the detach step) over the menus and controls of container and,
    // when refresh is set, repaints what changed.
    void AttachComponents(QWidget *container, bool attach, bool refresh);
    // Offers one menu, menu bar, tool bar, control or child window to the attach step.
    void AttachComponent(QObject *component, bool attach, bool refresh);

    // The style that measures and draws skinned menu items.
    QStyle *menuStyle() const;

    // After a popup item is drawn with FlatMenu set: asks for the flat border of the popup
    // window, painted later from the event loop.
    // item: the item drawn; onWidget: it was drawn straight onto the menu (not into a copy).
    void requestFlatBorder(const QWidget *menu, QObject *item, bool rightToLeft, bool onWidget);

    // Notes changes of the desktop's colours; with AutoDetect, offers menus, tool bars and
    // controls added to the form later to the attach step.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setColorField(ColorValue &field, quint32 color);
    void redrawMenuBar();
    void attachMenu(QWidget *menu, bool attach);
    void attachControl(QWidget *control, bool attach, bool refresh);
    void changeKinds(quint32 &field, quint32 value);

    QPointer<QWidget> form_;
    MenuSkinStyle *style_;
    SkinColorSettings colors_;
    SkinLook look_;
    QFont font_;
    int dimLevel_ = 30;
    int grayLevel_ = 10;
    int iconWidth_ = 24;
    bool drawMenuBar_ = false;
    bool drawSelect_ = true;
    bool overrideOwnerDraw_ = false;
    bool gradient_ = false;
    bool flatMenu_ = false;
    bool autoDetect_ = false;
    bool active_ = false;
    bool disableSubclassing_ = false;
    bool colorsDirty_ = true;
    bool lookTrueColor_ = true;
    bool registered_ = false;
    bool flatBorderBusy_ = false;
    quint32 skinContainers_ = AllSkinContainers;
    quint32 skinControls_ = AllSkinControls;
};

}  // namespace menuskin
