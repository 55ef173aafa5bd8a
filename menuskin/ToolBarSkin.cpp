#include "ToolBarSkin.h"

#include "CanvasOps.h"
#include "ControlPainters.h"
#include "ItemPicture.h"
#include "ItemText.h"
#include "MenuItemPainter.h"
#include "MenuSkin.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

namespace menuskin {

using platform::colorToRgb;

namespace {

bool hasDropDownMenu(const QToolButton &button)
{
    return button.menu() || (button.defaultAction() && button.defaultAction()->menu());
}

bool isDropDownStyle(const QToolButton &button)
{
    return button.popupMode() == QToolButton::MenuButtonPopup && hasDropDownMenu(button);
}

// A tool bar that lets what lies behind it show behind its buttons, as one on a band picture.
bool isTransparent(const QToolBar &bar) { return bar.property("Transparent").toBool(); }

}  // namespace

void PaintToolButton(QPainter &p, const QToolButton &button, const ToolButtonState &state,
                     const SkinLook &look, ColorValue barColor, bool transparent)
{
    const SkinPalette &pal = look.palette;
    const Edges bounds = Edges::of(button.rect());
    if (!transparent)
        fillEdges(p, bounds,
                  look.IsTrueColor ? Lighten(barColor, pal.RestLevel) : colorToRgb(barColor));

    const ColorValue hotFace = (look.IsTrueColor && !look.colors.UseSystemColors)
                                   ? Lighten(look.colors.SelectColor, 68)
                                   : pal.SelectFace;
    const bool dropDown = isDropDownStyle(button);
    const Edges face{bounds.L, bounds.T + 1, bounds.R, bounds.B};
    bool framed = false;
    if (state.hot) {
        fillEdges(p, face, state.checked || state.selected ? pal.CheckFaceSelected : hotFace);
        framed = true;
    } else if (state.checked) {
        fillEdges(p, face, pal.CheckFace);
        framed = true;
    }
    if (framed) {
        rectangle(p, {bounds.L, bounds.T + 1, bounds.R - 1, bounds.B - 1}, pal.SelectFrame,
                  nullptr);
        if (dropDown)
            rectangle(p, {bounds.R - 1 - 13, bounds.T + 1, bounds.R - 1, bounds.B - 1},
                      pal.SelectFrame, nullptr);
    }
    if (state.selected && hasDropDownMenu(button))
        DrawBarSelection(p, look, false, barColor, face.rect());
    if (dropDown) {
        const int x = bounds.R - 10;
        const int y = bounds.T + (bounds.height() - 3) / 2 + 1;
        for (int i = 0; i < 3; ++i)
            polyline(p, {{x + i, y + i}, {x + 5 - i, y + i}}, platform::clBlack);
    }

    const Edges content{bounds.L, bounds.T, dropDown ? bounds.R - 12 : bounds.R, bounds.B};
    const bool listStyle = button.toolButtonStyle() == Qt::ToolButtonTextBesideIcon;
    const bool rtl = button.layoutDirection() == Qt::RightToLeft;
    QImage picture;
    if (button.toolButtonStyle() != Qt::ToolButtonTextOnly && !button.icon().isNull())
        picture = button.icon()
                      .pixmap(button.iconSize(), button.devicePixelRatioF())
                      .toImage()
                      .convertToFormat(QImage::Format_ARGB32);
    const QSize extent = pictureExtent(picture);
    int pictureX = content.L + (content.width() - extent.width()) / 2;
    if (listStyle) pictureX = rtl ? content.R - 3 - extent.width() : content.L + 3;
    if (!picture.isNull()) {
        PictureState ps;
        ps.rightToLeft = rtl;
        ps.checked = state.checked;
        ps.enabled = state.enabled;
        ps.pressed = state.selected;
        ps.lifted = state.hot;
        DrawItemPicture(p, look, PictureOwner::Other, ps,
                        QRect(QPoint(pictureX, content.T + 1), extent), picture, hotFace);
    }

    if (button.toolButtonStyle() == Qt::ToolButtonIconOnly || button.text().isEmpty()) return;
    ItemTextState ts;
    ts.rightToLeft = rtl;
    ts.enabled = state.enabled;
    ts.vcentre = true;
    QRect textRect;
    const int captionHeight = textHeight(look.font);
    if (listStyle) {
        textRect = rtl ? QRect(content.L, content.T, pictureX - 3 - content.L, content.height())
                       : QRect(pictureX + extent.width() + 3, content.T,
                               content.R - pictureX - extent.width() - 3, content.height());
        ts.align = rtl ? TextAlign::Right : TextAlign::Left;
    } else {
        textRect = QRect(content.L, content.B - (captionHeight + 6), content.width(),
                         captionHeight + 6);
        ts.align = TextAlign::Centre;
    }
    DrawItemText(p, nullptr, look, button.text(), look.font, look.colors.FontColor, ts, textRect,
                 QString());
}

ToolBarSkin::ToolBarSkin(QToolBar *bar, TMenuSkin *skin) : QObject(skin), bar_(bar), skin_(skin)
{
    bar->installEventFilter(this);
    hookButtons();
    connect(bar, &QObject::destroyed, this, &QObject::deleteLater);
    bar->update();
}

ToolBarSkin::~ToolBarSkin()
{
    if (!bar_) return;
    bar_->removeEventFilter(this);
    for (QToolButton *button : bar_->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly)) {
        button->removeEventFilter(this);
        button->update();
    }
    bar_->update();
}

void ToolBarSkin::hookButtons()
{
    for (QToolButton *button : bar_->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly)) {
        // Installing twice would run the filter twice; removing first keeps one.
        button->removeEventFilter(this);
        button->installEventFilter(this);
    }
}

void ToolBarSkin::paintSeparators()
{
    const ColorValue barColor = controlColor(bar_);
    QPainter p(bar_);
    for (QAction *action : bar_->actions()) {
        if (!action->isSeparator() || !action->isVisible()) continue;
        const Edges e = Edges::of(bar_->actionGeometry(action));
        fillEdges(p, e, barColor);
        if (tagOf(action) > 0) {
            const int x = e.L + e.width() / 2;
            polyline(p, {{x, e.T + 2}, {x, e.B - 1}}, Darken(barColor, 30));
        }
    }
}

bool ToolBarSkin::eventFilter(QObject *watched, QEvent *event)
{
    // Only these events matter; others also arrive while the tool bar is being torn down.
    const QEvent::Type type = event->type();
    if (type != QEvent::Paint && type != QEvent::ActionAdded && type != QEvent::ChildPolished)
        return false;
    if (!bar_ || !skin_->Active()) return false;
    if (watched == bar_) {
        if (type != QEvent::Paint) {
            hookButtons();
            return false;
        }
        static_cast<QObject *>(bar_.data())->event(event);
        paintSeparators();
        return true;
    }
    auto *button = qobject_cast<QToolButton *>(watched);
    if (!button || type != QEvent::Paint) return false;
    ToolButtonState state;
    state.enabled = button->isEnabled();
    state.hot = state.enabled && button->underMouse();
    state.checked = button->isChecked();
    state.selected = button->isDown();
    QPainter p(button);
    PaintToolButton(p, *button, state, skin_->lookFor(button->depth()), controlColor(bar_),
                    isTransparent(*bar_));
    return true;
}

}  // namespace menuskin
