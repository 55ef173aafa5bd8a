#pragma once
// The captions of menu items and buttons, with the default item's glow and the shortcut text.

#include "SkinLook.h"

#include <QRect>
#include <QString>

class QImage;
class QPainter;

namespace menuskin {

// How a caption sits in its rectangle.
enum class TextAlign { Left, Centre, Right };

struct ItemTextState {
    TextAlign align = TextAlign::Left;
    bool vcentre = false;
    bool rightToLeft = false;
    bool barItem = false;
    bool isDefault = false;
    bool enabled = true;
    bool selected = false;
};

// The text colour that reads well on a face: the font's colour on light faces, else a very
// light shade of the face.
ColorValue TextColorOnFace(const SkinLook &look, ColorValue face);

// Draws text ("&" underlines the next letter) in rect with the font's colour, changed for
// selected, disabled and selected bar items. The default item's glow darkens the pixels of
// surface (the image the painter draws on; no glow without one). A non-empty shortcut is
// drawn right-aligned 10 px before the right edge (left-aligned 10 px after the left edge when
// reading right to left).
void DrawItemText(QPainter &canvas, const QImage *surface, const SkinLook &look,
                  const QString &text, const QFont &font, ColorValue fontColor,
                  const ItemTextState &state, const QRect &rect, const QString &shortcut);

// The size the text takes when drawn by DrawItemText.
QSize textExtent(const QFont &font, const QString &text);

// The height of a line of text in whole pixels as the skin's measures take it: the font's
// ascent and descent each rounded up, so a descent of 2.3 px counts as 3 (Qt's own line height
// rounds it to 2, a row short of where the descenders reach).
int textHeight(const QFont &font);

}  // namespace menuskin
