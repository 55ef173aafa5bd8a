#include "ControlPainters.h"

#include "CanvasOps.h"
#include "ItemPicture.h"
#include "ItemText.h"
#include "MenuSkin.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace menuskin {

using platform::clBtnFace;
using platform::clBtnShadow;
using platform::colorToRgb;
using platform::fromQColor;
using platform::toQColor;

namespace {

constexpr int ParentColourTag = 1000;
constexpr int FramelessTag = 1001;
constexpr int LeftCaptionTag = 1002;

bool hasAllBits(int tag, int bits) { return (tag & bits) == bits; }

enum class GlyphLayout { Left, Right, Top, Bottom };

struct ButtonContent {
    QPoint glyph;
    QRect text;
};

// Glyph and caption centred as one block, the glyph on the given side of the caption.
ButtonContent layoutContent(const QRect &client, QSize glyph, QSize text, int spacing,
                            GlyphLayout layout)
{
    if (glyph.isEmpty() || text.isEmpty()) spacing = 0;
    ButtonContent c;
    const bool across = layout == GlyphLayout::Left || layout == GlyphLayout::Right;
    if (across) {
        const int total = glyph.width() + spacing + text.width();
        const int start = client.left() + (client.width() - total) / 2;
        const int glyphX = layout == GlyphLayout::Left ? start : start + text.width() + spacing;
        const int textX = layout == GlyphLayout::Left ? start + glyph.width() + spacing : start;
        c.glyph = QPoint(glyphX, client.top() + (client.height() - glyph.height()) / 2);
        c.text = QRect(QPoint(textX, client.top() + (client.height() - text.height()) / 2), text);
    } else {
        const int total = glyph.height() + spacing + text.height();
        const int start = client.top() + (client.height() - total) / 2;
        const int glyphY = layout == GlyphLayout::Top ? start : start + text.height() + spacing;
        const int textY = layout == GlyphLayout::Top ? start + glyph.height() + spacing : start;
        c.glyph = QPoint(client.left() + (client.width() - glyph.width()) / 2, glyphY);
        c.text = QRect(QPoint(client.left() + (client.width() - text.width()) / 2, textY), text);
    }
    return c;
}

GlyphLayout layoutOf(const QAbstractButton &button)
{
    const auto *tool = qobject_cast<const QToolButton *>(&button);
    const bool rtl = button.layoutDirection() == Qt::RightToLeft;
    if (tool && tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon) return GlyphLayout::Top;
    return rtl ? GlyphLayout::Right : GlyphLayout::Left;
}

QImage glyphOf(const QAbstractButton &button)
{
    if (button.icon().isNull()) return {};
    const auto *tool = qobject_cast<const QToolButton *>(&button);
    if (tool && tool->toolButtonStyle() == Qt::ToolButtonTextOnly) return {};
    return button.icon()
        .pixmap(button.iconSize(), button.devicePixelRatioF())
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

QString captionOf(const QAbstractButton &button)
{
    const auto *tool = qobject_cast<const QToolButton *>(&button);
    if (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !button.icon().isNull())
        return {};
    return button.text();
}

struct Content {
    const QAbstractButton &button;
    const ControlState &state;
    const SkinLook &look;
    bool checked;  // the glyph shows its checked (down) look
    bool captionLeft =
        false;  // the caption stands left, vertically centred (a bit button's Tag 1002)
};

// The glyph and caption of a button, laid out by the button's layout and drawn the skin's way.
void drawContent(QPainter &p, const QImage *surface, const Content &c, bool isDefault)
{
    const QAbstractButton &button = c.button;
    const QRect client = button.rect();
    const QImage glyph = glyphOf(button);
    const QString caption = captionOf(button);
    const QSize text = caption.isEmpty() ? QSize() : textExtent(button.font(), caption);
    const int spacing = caption.trimmed().isEmpty() ? 0 : 4;
    const ButtonContent at = layoutContent(client, pictureExtent(glyph), text, spacing,
                                           layoutOf(button));

    if (!glyph.isNull()) {
        PictureState state;
        state.rightToLeft = button.layoutDirection() == Qt::RightToLeft;
        state.checked = c.checked;
        state.enabled = button.isEnabled();
        state.pressed = c.state.focused;
        state.lifted = c.state.hot;
        DrawItemPicture(p, c.look, PictureOwner::Other, state,
                        QRect(at.glyph - QPoint(0, 1), pictureExtent(glyph)), glyph,
                        c.look.palette.SelectFace);
    }
    if (caption.isEmpty()) return;
    ItemTextState textState;
    textState.align = TextAlign::Centre;
    textState.rightToLeft = button.layoutDirection() == Qt::RightToLeft;
    textState.isDefault = isDefault;
    textState.enabled = button.isEnabled();
    QRect textRect = at.text;
    if (c.captionLeft) {
        textRect = client.adjusted(4, 2, -4, -2);
        textState.align = textState.rightToLeft ? TextAlign::Right : TextAlign::Left;
        textState.vcentre = true;
    }
    const ColorValue fontColor = fromQColor(button.palette().color(button.foregroundRole()));
    DrawItemText(p, surface, c.look, caption, button.font(), fontColor, textState, textRect,
                 QString());
}

// The rounded push button of both kinds; bit buttons test the Tag by its bits.
void paintPushButton(QPainter &target, const QAbstractButton &button, const ControlState &s,
                     const SkinLook &look, bool bitButton)
{
    const int tag = tagOf(&button);
    const bool parentTag = bitButton ? hasAllBits(tag, ParentColourTag) : tag == ParentColourTag;
    const bool frameless = bitButton && hasAllBits(tag, FramelessTag);
    const ColorValue parent = parentColor(&button);
    const bool hot = s.hot || (bitButton && s.spaceDown);
    ColorValue face;
    ColorValue frame;
    if (hot) {
        face = Lighten(parentTag ? parent : clBtnFace, look.palette.HotLevel);
        frame = Lighten(look.palette.SelectFrame, 60);
    } else {
        face = parentTag ? Lighten(parent, look.palette.RestLevel) : look.palette.IconColumnFace;
        frame = s.focused ? Lighten(look.palette.SelectFrame, 60) : colorToRgb(clBtnShadow);
    }
    if (frameless) frame = face;

    const qreal ratio = button.devicePixelRatioF();
    QImage surface(button.size() * ratio, QImage::Format_RGB32);
    surface.setDevicePixelRatio(ratio);
    QPainter p(&surface);
    const Edges e = Edges::of(button.rect());
    fillEdges(p, e, parent);
    roundRectangle(p, e, 4, Lighten(frame, 30), &face);
    if (button.isEnabled() && !frameless) {
        const ColorValue edge = Darken(frame, 50);
        const bool pressed = s.spaceDown || (s.buttonDown && s.hot);
        if (pressed)
            polyline(p, {{e.L, e.B - 2}, {e.L, e.T + 1}, {e.L + 1, e.T}, {e.R - 1, e.T}}, edge);
        else
            polyline(p,
                     {{e.R - 1, e.T + 1}, {e.R - 1, e.B - 2}, {e.R - 2, e.B - 1}, {e.L, e.B - 1}},
                     edge);
    }
    const auto *push = qobject_cast<const QPushButton *>(&button);
    const bool captionLeft = bitButton && hasAllBits(tag, LeftCaptionTag);
    drawContent(p, &surface, {button, s, look, false, captionLeft}, push && push->isDefault());
    p.end();
    target.drawImage(0, 0, surface);
}

}  // namespace

ColorValue controlColor(const QWidget *widget)
{
    // A combo box's colour is that of its edit field.
    const QPalette::ColorRole role = qobject_cast<const QComboBox *>(widget)
                                         ? QPalette::Base
                                         : widget->backgroundRole();
    return fromQColor(widget->palette().color(role));
}

ColorValue parentColor(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    return parent ? controlColor(parent) : controlColor(widget);
}

void PaintBitButton(QPainter &p, const QAbstractButton &button, const ControlState &s,
                    const SkinLook &look)
{
    paintPushButton(p, button, s, look, true);
}

void PaintButton(QPainter &p, const QAbstractButton &button, const ControlState &s,
                 const SkinLook &look)
{
    paintPushButton(p, button, s, look, false);
}

void PaintSpeedButton(QPainter &p, const QAbstractButton &button, const ControlState &s,
                      const SkinLook &look)
{
    const auto *tool = qobject_cast<const QToolButton *>(&button);
    const bool flat = tool && tool->autoRaise();
    const bool transparent = !button.autoFillBackground();
    const bool down = button.isChecked();
    const bool pressed = s.buttonDown;
    bool hot = s.hot;
    // The mouse may have left a flat button without the button hearing of it.
    if (flat && hot) hot = button.rect().contains(button.mapFromGlobal(QCursor::pos()));

    const SkinPalette &pal = look.palette;
    const bool parentTag = tagOf(&button) == ParentColourTag;
    const ColorValue parent = parentColor(&button);
    ColorValue face;
    ColorValue frame;
    if (hot) {
        face = flat ? pal.SelectFace : Lighten(parentTag ? parent : clBtnFace, pal.HotLevel);
        frame = Lighten(pal.SelectFrame, 60);
    } else {
        face = flat ? parent : (parentTag ? Lighten(parent, pal.RestLevel) : pal.IconColumnFace);
        frame = colorToRgb(clBtnShadow);
    }
    if (down) {
        face = hot ? pal.CheckFaceSelected : pal.CheckFace;
        frame = pal.SelectFrame;
    }
    if (!button.isEnabled()) frame = colorToRgb(clBtnShadow);

    const Edges e = Edges::of(button.rect());
    if (transparent && (down || hot)) {
        // Darkens what shows through, as a logical AND of the colours: by a light tint where the
        // device has more than 16 bits per pixel, else by the face itself.
        const bool deep = look.Depth > 16;
        const ColorValue tint = !deep  ? face
                                : flat ? Lighten(pal.SelectFace, 20)
                                       : Lighten(face, 5);
        p.save();
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        fillEdges(p, e, tint);
        p.restore();
    }
    if (!transparent) fillEdges(p, e, face);
    const ColorValue pen = (flat && !transparent && !down && !hot) ? face : Lighten(frame, 30);
    if (!(transparent && flat && !hot && !down)) rectangle(p, e, pen, nullptr);
    if (button.isEnabled()) {
        const ColorValue edge = Darken(frame, 50);
        if (flat && (pressed || down)) {
            rectangle(p, e, frame, nullptr);
            polyline(p, {{e.L, e.B - 1}, {e.L, e.T}, {e.R, e.T}}, edge);
        } else if (flat && hot) {
            rectangle(p, e, pal.SelectFrame, nullptr);
        } else if (!flat && (pressed || down)) {
            polyline(p, {{e.L, e.B - 1}, {e.L, e.T}, {e.R, e.T}}, edge);
        } else if (!flat) {
            polyline(p, {{e.R - 1, e.T}, {e.R - 1, e.B - 1}, {e.L, e.B - 1}}, edge);
        }
    }
    ControlState contentState = s;
    contentState.hot = hot;
    drawContent(p, nullptr, {button, contentState, look, down || pressed}, false);
}

void PaintPanel(QPainter &p, const QFrame &panel)
{
    if (panel.frameShape() == QFrame::NoFrame) return;
    const ColorValue color = controlColor(&panel);
    const ColorValue dark = Darken(color, 60);
    const ColorValue light = Lighten(color, 60);
    const int width = std::max(panel.lineWidth(), 1);
    if (panel.frameShadow() == QFrame::Sunken)
        Frame3D(p, panel.rect(), dark, light, width);
    else
        Frame3D(p, panel.rect(), light, dark, width);
}

void PaintListBorder(QPainter &p, const QWidget &list, const ControlState &s, const SkinLook &look)
{
    ColorValue color;
    if (s.hot || s.focused)
        color = Lighten(look.palette.SelectFrame, s.savedFramed ? 60 : 80);
    else
        color = s.savedFramed ? Darken(parentColor(&list), 60) : parentColor(&list);
    rectangle(p, Edges::of(list.rect()), color, nullptr);
}

void PaintEdit(QPainter &p, const QLineEdit &edit, const ControlState &s, const SkinLook &look)
{
    ColorValue color;
    if (!s.savedFramed) {
        if (s.hot && !s.focused) {
            const ColorValue a = colorToRgb(controlColor(&edit));
            const ColorValue b = colorToRgb(parentColor(&edit));
            const ColorValue average = platform::rgbValue(
                (platform::redOf(a) + platform::redOf(b)) / 2,
                (platform::greenOf(a) + platform::greenOf(b)) / 2,
                (platform::blueOf(a) + platform::blueOf(b)) / 2);
            color = Lighten(average, 40);
        } else {
            color = controlColor(&edit);
        }
    } else if (s.hot || s.focused) {
        color = Lighten(look.palette.SelectFrame, 60);
    } else {
        color = Darken(parentColor(&edit), 60);
    }
    rectangle(p, Edges::of(edit.rect()), color, nullptr);
}

void PaintCombo(QPainter &p, const QComboBox &combo, const ControlState &s, const SkinLook &look)
{
    const SkinPalette &pal = look.palette;
    const bool dropped = combo.view() && combo.view()->isVisible();
    const bool lit = s.hot || s.focused;
    ColorValue border = s.hot ? pal.SelectFrame
                              : (s.focused ? Lighten(pal.SelectFrame, 60) : controlColor(&combo));
    ColorValue buttonFace = s.hot       ? pal.SelectFace
                            : s.focused ? pal.CheckFace
                            : tagOf(&combo) == ParentColourTag
                                ? Lighten(parentColor(&combo), pal.RestLevel)
                                : colorToRgb(clBtnFace);
    if (dropped) {
        buttonFace = pal.CheckFaceSelected;
        border = pal.SelectFrame;
    }
    const ColorValue arrow = combo.isEnabled() && !dropped ? platform::clBlack : platform::clWhite;

    const Edges client = Edges::of(combo.rect());
    rectangle(p, client, parentColor(&combo), nullptr);
    polyline(p, {{client.L + 1, client.T + 1}, {client.R - 1, client.T + 1}}, parentColor(&combo));
    const int inset = lit ? 1 : 2;
    rectangle(p, {client.L + inset, client.T + inset, client.R - inset, client.B - inset},
              controlColor(&combo), nullptr);
    rectangle(p, client, border, nullptr);

    const bool rtl = combo.layoutDirection() == Qt::RightToLeft;
    const int buttonWidth = combo.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                       &combo) +
                            1 + (lit ? 1 : 0);
    const Edges button = rtl ? Edges{client.L + 1, client.T + 1, client.L + 1 + buttonWidth,
                                     client.B - 1}
                             : Edges{client.R - 1 - buttonWidth, client.T + 1, client.R - 1,
                                     client.B - 1};
    fillEdges(p, button, buttonFace);
    const Edges strip = rtl ? Edges{button.R, button.T, button.R + 5, button.B}
                            : Edges{button.L - 5, button.T, button.L, button.B};
    fillEdges(p, strip, controlColor(&combo));
    const int lineX = rtl ? button.R : button.L - 1;
    polyline(p, {{lineX, button.T}, {lineX, button.B}}, border);
    const int arrowRight = rtl ? client.L + 10 + 5 : client.R - 10;
    for (int i = 0; i < 3; ++i)
        polyline(p, {{arrowRight - 5 + i, client.T + 10 + i}, {arrowRight - i, client.T + 10 + i}},
                 arrow);
}

}  // namespace menuskin
