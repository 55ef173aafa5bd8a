#include "ItemPicture.h"

#include "CanvasOps.h"

#include <QIcon>
#include <QPainter>

#include <algorithm>

namespace menuskin {

using platform::fromQColor;
using platform::toQColor;

namespace {

constexpr int MaskThreshold = 128;

// Maps every pixel's colour, keeping its alpha; a one-entry cache spares runs of equal pixels.
template <typename Map>
void mapPixels(QImage &picture, Map map)
{
    if (picture.isNull()) return;
    if (picture.format() != QImage::Format_ARGB32)
        picture = picture.convertToFormat(QImage::Format_ARGB32);
    QRgb lastIn = 0;
    QRgb lastOut = 0;
    bool cached = false;
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb in = line[x];
            if (!cached || in != lastIn) {
                const QColor out = toQColor(
                    map(fromQColor(QColor(qRed(in), qGreen(in), qBlue(in)))));
                lastIn = in;
                lastOut = qRgba(out.red(), out.green(), out.blue(), qAlpha(in));
                cached = true;
            }
            line[x] = lastOut;
        }
    }
}

}  // namespace

void DimBitmap(QImage &picture, int percent)
{
    const int p = std::min(percent, 100);
    mapPixels(picture, [p](ColorValue c) { return Lighten(c, p); });
}

void GrayBitmap(QImage &picture, int level)
{
    mapPixels(picture, [level](ColorValue c) { return GrayOf(c, level); });
}

void DrawPictureShadow(const QImage &picture, QPainter &canvas, int x, int y, ColorValue color)
{
    if (picture.isNull()) return;
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage shadow(source.size(), QImage::Format_ARGB32);
    shadow.setDevicePixelRatio(source.devicePixelRatio());
    shadow.fill(Qt::transparent);
    const QRgb ink = toQColor(color).rgb();
    for (int j = 0; j < source.height(); ++j)
        for (int i = 0; i < source.width(); ++i)
            if (qAlpha(source.pixel(i, j)) >= MaskThreshold) shadow.setPixel(i, j, ink);
    canvas.drawImage(x, y, shadow);
}

void DrawItemPicture(QPainter &canvas, const SkinLook &look, PictureOwner owner,
                     const PictureState &state, const QRect &iconColumn, QImage picture,
                     ColorValue shadowFace)
{
    if (picture.isNull()) return;
    const Edges ic = Edges::of(iconColumn);
    const int width = pictureExtent(picture).width();
    const bool menuItem = owner != PictureOwner::Other;
    int y = ic.T + (menuItem ? 3 : 1);
    int x = ic.L;
    if (owner == PictureOwner::BarItem) {
        x = state.rightToLeft ? ic.R - width - 5 : ic.L + 1;
    } else if (menuItem) {
        if (width < look.IconWidth)
            x = ic.L + (look.IconWidth - width) / 2 - 1;
        else
            x = state.rightToLeft ? ic.R - width - 2 : ic.L + 2;
    }

    const bool liftable = state.lifted && state.enabled && !state.pressed;
    if (liftable && owner == PictureOwner::BarItem) {
        x -= 1;
        y -= 2;
    } else if (liftable && owner == PictureOwner::PopupItem && !state.checked) {
        x -= 1;
        y -= 1;
    }

    if (!state.lifted && state.enabled && !state.checked && look.IsTrueColor)
        DimBitmap(picture, look.DimLevel);
    if (!state.enabled) {
        GrayBitmap(picture, look.GrayLevel);
        DimBitmap(picture, 40);
    }
    if (state.lifted && state.enabled && !state.checked)
        DrawPictureShadow(picture, canvas, x + 2, y + 2, Darken(shadowFace, 50));
    canvas.drawImage(x, y, picture);
}

QImage pictureOf(const QIcon &icon, qreal ratio)
{
    if (icon.isNull()) return {};
    const QList<QSize> sizes = icon.availableSizes();
    const QSize size = sizes.isEmpty() ? QSize(16, 16) : sizes.first();
    return icon.pixmap(size, ratio).toImage().convertToFormat(QImage::Format_ARGB32);
}

QSize pictureExtent(const QImage &picture) { return picture.deviceIndependentSize().toSize(); }

}  // namespace menuskin
