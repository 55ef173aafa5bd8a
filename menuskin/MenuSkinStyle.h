#pragma once
// The style a skin gives its menu bar and menus: it measures and draws their items the skin's
// way, and hands everything else, and items left alone, to the style underneath.

#include <QProxyStyle>

class QAction;

namespace menuskin {

class TMenuSkin;
struct MenuItemInfo;

class MenuSkinStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit MenuSkinStyle(TMenuSkin *skin);

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;

    // The menu system widens every owner-drawn item by the width of a check mark less one.
    static constexpr int ItemAllowance = 12;
    // A popup's raised 3-D frame: two bevel rings and one ring of the menu's face.
    static constexpr int PopupFrameWidth = 3;

private:
    bool skinsWidget(const QWidget *widget) const;
    // The item the option describes, or null when the skin leaves it to the style underneath.
    const QAction *skinnedAction(const QStyleOption *option, const QWidget *widget,
                                 bool measuring) const;

    TMenuSkin *skin_;
};

}  // namespace menuskin
