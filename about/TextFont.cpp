#include "TextFont.h"

namespace {

TextFont withColor(QFont font, const QColor &color)
{
    TextFont f;
    f.font = std::move(font);
    f.color = color;
    return f;
}

}  // namespace

TextFont TextFont::points(const QString &family, int pointSize, const QColor &color)
{
    QFont font(family);
    font.setPointSize(pointSize);
    return withColor(font, color);
}

TextFont TextFont::pixels(const QString &family, int pixelSize, const QColor &color)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    return withColor(font, color);
}
