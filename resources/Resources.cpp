// Start-up of the embedded resources, the lazily decoded picture cache, the sounds, and the
// About window's pictures and text.

#include "Resources.h"

#include "Embedded.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>

// Q_INIT_RESOURCE must be used outside any namespace. The resources live in a static library,
// so the linker only keeps them when something calls their registration.
static void registerEmbeddedFiles() { Q_INIT_RESOURCE(quorbix_resources); }

namespace resources {

void init()
{
    static const bool registered = (registerEmbeddedFiles(), true);
    (void)registered;
}

namespace detail {

QString embeddedPath(const QString &relative) { return QStringLiteral(":/resources/") + relative; }

QImage embeddedImage(const QString &relative)
{
    // QImage rather than QPixmap: kept images outlive the application object safely.
    static QHash<QString, QImage> decoded;
    const auto found = decoded.constFind(relative);
    if (found != decoded.constEnd()) return *found;
    init();
    return *decoded.insert(relative, QImage(embeddedPath(relative)));
}

qreal pictureRatio(qreal ratio) { return ratio > 1 ? ratio : 1; }

namespace {

// The drawing that serves a picture ratio: the designed one at 1, the double-size one above.
int drawingScale(qreal ratio) { return ratio > 1 ? 2 : 1; }

// The decoded drawing at the scale (1 or 2), with that scale as its device pixel ratio.
QImage imageAtScale(const QString &relative, int scale)
{
    if (scale == 1) return embeddedImage(relative);
    QString name = relative;
    name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
    QImage image = embeddedImage(name);
    image.setDevicePixelRatio(scale);
    return image;
}

// A picture of the drawing at the scale for the ratio: at a ratio other than 1 or 2 (a screen
// at 150 %, say) the double-size drawing is reduced smoothly once here, so that the window
// draws it pixel for pixel rather than resampling it at every paint.
QPixmap fitted(QImage picture, qreal ratio)
{
    const int scale = drawingScale(ratio);
    if (ratio != scale) {
        picture = picture.scaled((QSizeF(picture.size()) * ratio / scale).toSize(),
                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
    }
    return QPixmap::fromImage(picture);
}

}  // namespace

QPixmap embeddedPixmap(const QString &relative, qreal ratio)
{
    ratio = pictureRatio(ratio);
    return fitted(imageAtScale(relative, drawingScale(ratio)), ratio);
}

QPixmap pictureFromStrip(const QString &relative, int n, int count, int size, qreal ratio)
{
    if (n < 0 || n >= count) return {};
    ratio = pictureRatio(ratio);
    const int scale = drawingScale(ratio);
    const QImage strip = imageAtScale(relative, scale);
    const int side = size * scale;
    if (strip.width() < count * side || strip.height() < side) return {};
    return fitted(strip.copy(n * side, 0, side, side), ratio);
}

}  // namespace detail

using detail::embeddedPixmap;

QIcon iconAtBothSizes(const std::function<QPixmap(qreal ratio)> &picture)
{
    QIcon icon(picture(1));
    // The application's ratio is that of its most scaled screen.
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1;
    if (!icon.isNull() && ratio > 1) icon.addPixmap(picture(ratio));
    return icon;
}

QIcon applicationIcon()
{
    init();
    QIcon icon;
    // With its size given, each picture is decoded only when a size is asked for.
    for (const int size : {16, 22, 24, 32, 48, 64}) {
        icon.addFile(detail::embeddedPath(QStringLiteral("icons/%1.png").arg(size)),
                     QSize(size, size));
    }
    return icon;
}

QPixmap windowIcon() { return embeddedPixmap(QStringLiteral("icons/32.png"), 1); }

QPixmap aboutHeader(qreal ratio)
{
    return embeddedPixmap(QStringLiteral("pictures/about_header.png"), ratio);
}

QPixmap aboutBackgroundTile(qreal ratio)
{
    return embeddedPixmap(QStringLiteral("pictures/backgnd.png"), ratio);
}

QPixmap aboutToolBand(qreal ratio)
{
    return embeddedPixmap(QStringLiteral("pictures/about_band.png"), ratio);
}

QPixmap aboutInfoGlyph(qreal ratio)
{
    return embeddedPixmap(QStringLiteral("pictures/about_info.png"), ratio);
}

QPixmap aboutCloseGlyph(qreal ratio)
{
    return embeddedPixmap(QStringLiteral("pictures/about_close.png"), ratio);
}

QString otherProgramsHtml()
{
    init();
    QFile file(detail::embeddedPath(QStringLiteral("about/otherprograms.html")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString soundUrl(const QString &name)
{
    // Sound names are matched without regard to case, as resource names always were.
    static const QHash<QString, QString> files{
        {QStringLiteral("DIP"), QStringLiteral("sounds/dip.wav")},
        {QStringLiteral("GONG"), QStringLiteral("sounds/gong.wav")},
        {QStringLiteral("APPLAUSE"), QStringLiteral("sounds/applause.wav")},
    };
    const auto found = files.constFind(name.toUpper());
    if (found == files.constEnd()) return {};
    init();
    return QStringLiteral("qrc") + detail::embeddedPath(*found);
}

}  // namespace resources
