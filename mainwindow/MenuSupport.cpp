#include "MenuSupport.h"

#include "MenuSkin.h"
#include "Resources.h"
#include "SystemColors.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QToolTip>

namespace quorbix {

namespace {

constexpr int HintDelayMs = 20;
const char *const ImageIndexProperty = "ImageIndex";

class HintTimingStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay) return HintDelayMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// An item's hint: its tooltip when one was written for it (Qt otherwise offers the caption).
QString hintOf(const QAction *action)
{
    const QString tip = action->toolTip();
    QString caption = action->text();
    caption.remove(QLatin1Char('&'));
    return tip == caption ? QString() : tip;
}

}  // namespace

void applyHintSettings()
{
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, QColor(255, 255, 34));
    tips.setColor(QPalette::Window, QColor(255, 255, 34));
    QToolTip::setPalette(tips);
    // The proxy keeps the current style underneath, so a skin installed later can wrap it; a
    // second main window finds it in place.
    if (!dynamic_cast<HintTimingStyle *>(QApplication::style()))
        QApplication::setStyle(new HintTimingStyle(QApplication::style()));
}

void attachMenuPictures(QWidget *root)
{
    for (QMenu *menu : root->findChildren<QMenu *>()) {
        if (!menu->toolTip().isEmpty()) menu->menuAction()->setToolTip(menu->toolTip());
        menu->menuAction()->setProperty(ImageIndexProperty, -1);
    }
    for (QAction *action : root->findChildren<QAction *>()) {
        const QVariant index = action->property(ImageIndexProperty);
        if (!index.isValid()) {
            action->setProperty(ImageIndexProperty, -1);
            continue;
        }
        const QIcon icon = resources::iconAtBothSizes(
            [n = index.toInt()](qreal ratio) { return resources::menuIcon(n, ratio); });
        if (!icon.isNull()) action->setIcon(icon);
    }
}

menuskin::TMenuSkin *attachMenuSkin(QWidget *form)
{
    auto *skin = new menuskin::TMenuSkin(form);
    skin->setObjectName(QStringLiteral("MenuSkin1"));
    skin->setDimLevel(30);
    skin->setGrayLevel(10);
    QFont font(QStringLiteral("Microsoft Sans Serif"));
    font.setPixelSize(11);
    skin->setFont(font);
    skin->setFontColor(platform::clNavy);
    skin->setColor(platform::clBtnFace);
    skin->setDrawMenuBar(false);
    skin->setIconBackColor(platform::clBtnFace);
    skin->setMenuBarColor(platform::clBtnFace);
    skin->setSelectColor(platform::clHighlight);
    skin->setSelectBorderColor(platform::clHighlight);
    skin->setSelectFontColor(platform::clBlue);
    skin->setDisabledColor(platform::clInactiveCaption);
    skin->setSeparatorColor(platform::clBtnFace);
    skin->setCheckedColor(platform::clHighlight);
    skin->setIconWidth(24);
    skin->setDrawSelect(true);
    skin->setUseSystemColors(true);
    skin->setUseDimColor(false);
    skin->setOverrideOwnerDraw(false);
    skin->setGradient(true);
    skin->setFlatMenu(false);
    skin->setAutoDetect(false);
    skin->setActive(true);
    skin->Loaded();
    return skin;
}

MenuBarHints::MenuBarHints(QMenuBar *bar) : QObject(bar), bar_(bar)
{
    bar->installEventFilter(this);
}

bool MenuBarHints::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != bar_ || event->type() != QEvent::ToolTip) return false;
    const auto *help = static_cast<QHelpEvent *>(event);
    const QAction *action = bar_->actionAt(help->pos());
    const QString hint = action ? hintOf(action) : QString();
    if (hint.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), hint, bar_,
                           bar_->actionGeometry(const_cast<QAction *>(action)));
    }
    return true;
}

}  // namespace quorbix
