#include "PictureTable.h"

#include "PictureNames.h"

#include "ProfileFile.h"
#include "Resources.h"

namespace quorbix {

void SymbolPictureTable::LoadStandardPictures(qreal ratio)
{
    ratio_ = ratio;
    for (int i = 0; i < EmptyEntry; ++i)
        entries_[static_cast<std::size_t>(i)] = resources::standardPicture(i, ratio);
    for (int kind = 0; kind < SelectedEntry; ++kind)
        names_[static_cast<std::size_t>(kind)] = standardPictureName(kind);
    ReloadEmptyCellPicture();
}

void SymbolPictureTable::LoadSmallPictures(const QString &settingsPath, qreal ratio)
{
    loadFromLibrary(resources::smallLibrary(), settingsPath, QStringLiteral("Small Symbols"), 5,
                    ratio, smallPictureName);
}

void SymbolPictureTable::LoadBigPictures(const QString &settingsPath, qreal ratio)
{
    loadFromLibrary(resources::bigLibrary(), settingsPath, QStringLiteral("Symbols"), 0, ratio,
                    bigPictureName);
}

void SymbolPictureTable::ReloadEmptyCellPicture()
{
    entries_[EmptyEntry] = resources::emptyCellPicture(ratio_);
}

void SymbolPictureTable::loadFromLibrary(const resources::PictureLibrary &library,
                                         const QString &settingsPath, const QString &section,
                                         int defaultOffset, qreal ratio,
                                         QString (*pictureName)(int n))
{
    const platform::ProfileFile settings(settingsPath);
    std::array<int, 5> choice{};
    for (int kind = 0; kind < 5; ++kind)
        choice[static_cast<std::size_t>(kind)] = settings.readInteger(
            section, QString::number(kind), kind + defaultOffset);

    ratio_ = ratio;
    // A library picture lies on a white ground of the library's size. A null picture (a number
    // outside the library) leaves the ground white, so the kind is drawn blank.
    const int size = library.pictureSize();
    for (int kind = 0; kind < 5; ++kind) {
        const int n = choice[static_cast<std::size_t>(kind)];
        entries_[static_cast<std::size_t>(kind)] = resources::onWhite(library.plain(n, ratio), size,
                                                                      ratio);
        entries_[static_cast<std::size_t>(SelectedEntry + kind)] = resources::onWhite(
            library.onYellow(n, ratio), size, ratio);
        names_[static_cast<std::size_t>(kind)] = pictureName(n);
    }
    ReloadEmptyCellPicture();
}

}  // namespace quorbix
