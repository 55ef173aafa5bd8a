// Start-up of the embedded resources, the lazily decoded picture cache, the sounds, and the
// About window's pictures and text.

#include "Resources.h"

#include "Embedded.h"

#include <QFile>
#include <QHash>

// Q_INIT_RESOURCE must be used outside any namespace. The resources live in a static library,
// so the linker only keeps them when something calls their registration.
static void registerEmbeddedFiles()
{
    Q_INIT_RESOURCE(quorbix_resources);
}

namespace resources {

void init()
{
    static const bool registered = (registerEmbeddedFiles(), true);
    (void)registered;
}

namespace detail {

QString embeddedPath(const QString &relative)
{
    return QStringLiteral(":/resources/") + relative;
}

QImage embeddedImage(const QString &relative)
{
    // QImage rather than QPixmap: kept images outlive the application object safely.
    static QHash<QString, QImage> decoded;
    const auto found = decoded.constFind(relative);
    if (found != decoded.constEnd())
        return *found;
    init();
    return *decoded.insert(relative, QImage(embeddedPath(relative)));
}

QPixmap pictureFromStrip(const QString &relative, int n, int count, int size)
{
    if (n < 0 || n >= count)
        return {};
    const QImage strip = embeddedImage(relative);
    if (strip.width() < count * size || strip.height() < size)
        return {};
    return QPixmap::fromImage(strip.copy(n * size, 0, size, size));
}

}  // namespace detail

namespace {

QPixmap embeddedPixmap(const QString &relative)
{
    return QPixmap::fromImage(detail::embeddedImage(relative));
}

}  // namespace

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

QPixmap windowIcon()
{
    return embeddedPixmap(QStringLiteral("icons/32.png"));
}

QPixmap aboutHeader()
{
    return embeddedPixmap(QStringLiteral("pictures/about_header.png"));
}

QPixmap aboutBackgroundTile()
{
    return embeddedPixmap(QStringLiteral("pictures/backgnd.png"));
}

QPixmap aboutToolBand()
{
    return embeddedPixmap(QStringLiteral("pictures/about_band.png"));
}

QPixmap aboutInfoGlyph()
{
    return embeddedPixmap(QStringLiteral("pictures/about_info.png"));
}

QPixmap aboutCloseGlyph()
{
    return embeddedPixmap(QStringLiteral("pictures/about_close.png"));
}

QString otherProgramsHtml()
{
    init();
    QFile file(detail::embeddedPath(QStringLiteral("about/otherprograms.html")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
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
    if (found == files.constEnd())
        return {};
    init();
    return QStringLiteral("qrc") + detail::embeddedPath(*found);
}

}  // namespace resources
