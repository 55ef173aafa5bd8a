#pragma once
// The eleven pictures every drawing of the board reads: entry k the normal picture of kind k,
// entry 5 + k its selected picture, entry 10 the empty cell. A load takes the device pixel ratio
// of the window that draws them, so a scaled screen gets the double-size drawings.

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
inline constexpr int SelectedEntry = 5;  // + kind
inline constexpr int EmptyEntry = 10;

class SymbolPictureTable {
public:
    SymbolPictureTable() = default;  // eleven empty pictures

    const QPixmap &entry(int n) const { return entries_[static_cast<std::size_t>(n)]; }

    // The device pixel ratio the pictures were last loaded for.
    qreal ratio() const { return ratio_; }

    void LoadStandardPictures(qreal ratio = 1);
    // Both read the player's choice from the settings file at settingsPath. A picture number
    // outside the library leaves that kind's pictures blank.
    void LoadSmallPictures(const QString &settingsPath, qreal ratio = 1);
    void LoadBigPictures(const QString &settingsPath, qreal ratio = 1);

    // Puts the built-in empty-cell picture back into entry 10.
    void ReloadEmptyCellPicture();

    // What the picture of kind k (0..4) shows, in words; empty for a blank kind.
    const QString &name(int kind) const { return names_[static_cast<std::size_t>(kind)]; }

private:
    void loadFromLibrary(const resources::PictureLibrary &library, const QString &settingsPath,
                         const QString &section, int defaultOffset, qreal ratio,
                         QString (*pictureName)(int n));

    std::array<QPixmap, PictureEntries> entries_{};
    std::array<QString, SelectedEntry> names_{};
    qreal ratio_ = 1;
};

}  // namespace quorbix
