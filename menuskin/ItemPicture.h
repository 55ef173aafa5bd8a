#pragma once
// Pictures of menu items and buttons: dimmed at rest, greyed when disabled, lifted with a
// shadow when selected. A picture is an image whose alpha channel is its mask; on a scaled
// screen it has more pixels than it takes room (its devicePixelRatio), and every effect works
// on all of them.

#include "SkinLook.h"

#include <QImage>
#include <QRect>

class QPainter;

namespace menuskin {

// Every pixel's colour lightened by min(percent, 100); the mask is kept.
void DimBitmap(QImage &picture, int percent);
// Every pixel's colour turned into GrayOf(pixel, level); the mask is kept.
void GrayBitmap(QImage &picture, int level);
// Paints every visible pixel of the picture, offset by (x, y), in the colour.
void DrawPictureShadow(const QImage &picture, QPainter &canvas, int x, int y, ColorValue color);

enum class PictureOwner { PopupItem, BarItem, Other };

struct PictureState {
    bool rightToLeft = false;
    bool checked = false;
    bool enabled = true;
    bool pressed = false;
    bool lifted = false;
};

// Draws the picture in the icon column IC with the effects of its state. shadowFace is the face
// the lifted picture's shadow is darkened from (SelectFace for menus).
void DrawItemPicture(QPainter &canvas, const SkinLook &look, PictureOwner owner,
                     const PictureState &state, const QRect &iconColumn, QImage picture,
                     ColorValue shadowFace);

// The picture of an icon at its natural size (the first size the icon offers, else 16 x 16),
// for a surface of the given device pixel ratio.
QImage pictureOf(const QIcon &icon, qreal ratio);
// The room a picture takes on a surface, whatever its device pixel ratio.
QSize pictureExtent(const QImage &picture);

}  // namespace menuskin
