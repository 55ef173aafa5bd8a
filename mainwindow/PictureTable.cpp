#include "PictureTable.h"

#include "ProfileFile.h"
#include "Resources.h"

#include <QColor>
#include <QPainter>

namespace quorbix {

namespace {

// A library picture on a white ground of the library's size. A null picture (a number outside
// the library) leaves the ground white, so the kind is drawn blank.
QPixmap onWhite(int size, const QPixmap &picture)
{
    QPixmap result(size, size);
    result.fill(Qt::white);
    if (!picture.isNull()) {
        QPainter p(&result);
        p.drawPixmap(0, 0, picture);
    }
    return result;
}

}  // namespace

void SymbolPictureTable::LoadStandardPictures()
{
    for (int i = 0; i < EmptyEntry; ++i) entries_[static_cast<std::size_t>(i)] = resources::standardPicture(i);
    ReloadEmptyCellPicture();
}

void SymbolPictureTable::LoadSmallPictures(const QString &settingsPath)
{
    loadFromLibrary(resources::smallLibrary(), settingsPath, QStringLiteral("Small Symbols"), 5);
}

void SymbolPictureTable::LoadBigPictures(const QString &settingsPath)
{
    loadFromLibrary(resources::bigLibrary(), settingsPath, QStringLiteral("Symbols"), 0);
}

void SymbolPictureTable::ReloadEmptyCellPicture()
{
    entries_[EmptyEntry] = resources::emptyCellPicture();
}

void SymbolPictureTable::loadFromLibrary(const resources::PictureLibrary &library,
                                         const QString &settingsPath, const QString &section,
                                         int defaultOffset)
{
    const platform::ProfileFile settings(settingsPath);
    std::array<int, 5> choice{};
    for (int kind = 0; kind < 5; ++kind)
        choice[static_cast<std::size_t>(kind)] =
            settings.readInteger(section, QString::number(kind), kind + defaultOffset);

    const int size = library.pictureSize();
    for (int kind = 0; kind < 5; ++kind) {
        const int n = choice[static_cast<std::size_t>(kind)];
        entries_[static_cast<std::size_t>(kind)] = onWhite(size, library.plain(n));
        entries_[static_cast<std::size_t>(SelectedEntry + kind)] = onWhite(size, library.onYellow(n));
    }
    ReloadEmptyCellPicture();
}

}  // namespace quorbix
