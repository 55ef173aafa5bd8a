#pragma once
// The eleven pictures every drawing of the board reads: entry k the normal picture of kind k,
// entry 5 + k its selected picture, entry 10 the empty cell.

#include <QPixmap>
#include <QString>

#include <array>

namespace resources {
class PictureLibrary;
}

namespace quorbix {

// Stored in the settings file with these codes (the order of the menu items).
enum class PictureSize : int { Standard = 0, Big = 1, Small = 2 };

inline constexpr int PictureEntries = 11;
inline constexpr int SelectedEntry = 5;     // + kind
inline constexpr int EmptyEntry = 10;

class SymbolPictureTable {
public:
    SymbolPictureTable() = default;   // eleven empty pictures

    const QPixmap &entry(int n) const { return entries_[static_cast<std::size_t>(n)]; }

    void LoadStandardPictures();
    // Both read the player's choice from the settings file at settingsPath. A picture number
    // outside the library leaves that kind's pictures blank.
    void LoadSmallPictures(const QString &settingsPath);
    void LoadBigPictures(const QString &settingsPath);

    // Puts the built-in empty-cell picture back into entry 10.
    void ReloadEmptyCellPicture();

private:
    void loadFromLibrary(const resources::PictureLibrary &library, const QString &settingsPath,
                         const QString &section, int defaultOffset);

    std::array<QPixmap, PictureEntries> entries_{};
};

}  // namespace quorbix
