#include "TextFont.h"

TextFont TextFont::points(const QString &family, int pointSize, const QColor &color)
{
    TextFont f;
    f.font = QFont(family);
    f.font.setPointSize(pointSize);
    f.color = color;
    return f;
}

TextFont TextFont::pixels(const QString &family, int pixelSize, const QColor &color)
{
    TextFont f;
    f.font = QFont(family);
    f.font.setPixelSize(pixelSize);
    f.color = color;
    return f;
}
