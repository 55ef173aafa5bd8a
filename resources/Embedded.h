#pragma once
// Access to the files compiled into the executable, shared by the resource module's parts.

#include <QImage>
#include <QPixmap>
#include <QString>

namespace resources::detail {

// The resource path of an embedded file, e.g. ":/resources/pictures/standard.png".
QString embeddedPath(const QString &relative);

// Decodes an embedded picture on its first request and keeps it for the whole run; a picture
// that cannot be decoded gives a null image. The copy returned shares the kept pixels.
QImage embeddedImage(const QString &relative);

// The device pixel ratio of the pictures that serve a window of the given ratio: the ratio
// itself on a scaled screen, 1 otherwise.
qreal pictureRatio(qreal ratio);

// An embedded picture for a window of the given device pixel ratio: the file itself at 1, else
// its double-size drawing (the name with "@2x" before the extension), fitted to the ratio.
QPixmap embeddedPixmap(const QString &relative, qreal ratio);

// Picture n of an embedded strip of square pictures of size x size laid side by side (picture
// n at x = n * size), for a window of the given device pixel ratio; a null pixmap when n is
// outside 0 .. count - 1.
QPixmap pictureFromStrip(const QString &relative, int n, int count, int size, qreal ratio);

}  // namespace resources::detail
