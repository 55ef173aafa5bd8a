// The board's pictures: the standard balls, the empty cell, the two picture libraries and the
// menu icons. Each strip is decoded on its first use only.

#include "Resources.h"

#include "Embedded.h"

#include <utility>

namespace resources {

namespace {

constexpr int kStandardCount = 10;
constexpr int kStandardSize = 24;
constexpr int kMenuIconCount = 15;
constexpr int kMenuIconSize = 16;

// A library held as two strips of the same pictures: plain with alpha, and laid onto yellow.
class StripLibrary final : public PictureLibrary {
public:
    StripLibrary(QString plainStrip, QString yellowStrip, int count, int size)
        : plainStrip_(std::move(plainStrip)), yellowStrip_(std::move(yellowStrip)),
          count_(count), size_(size)
    {
    }

    int count() const override { return count_; }
    int pictureSize() const override { return size_; }

    QPixmap plain(int n) const override
    {
        return detail::pictureFromStrip(plainStrip_, n, count_, size_);
    }

    QPixmap onYellow(int n) const override
    {
        return detail::pictureFromStrip(yellowStrip_, n, count_, size_);
    }

private:
    QString plainStrip_;
    QString yellowStrip_;
    int count_;
    int size_;
};

}  // namespace

QPixmap standardPicture(int index)
{
    return detail::pictureFromStrip(QStringLiteral("pictures/standard.png"), index,
                                    kStandardCount, kStandardSize);
}

QPixmap emptyCellPicture()
{
    QPixmap empty(kStandardSize, kStandardSize);
    empty.fill(Qt::white);
    return empty;
}

const PictureLibrary &bigLibrary()
{
    static const StripLibrary library(QStringLiteral("pictures/big_plain.png"),
                                      QStringLiteral("pictures/big_yellow.png"), 87, 32);
    return library;
}

const PictureLibrary &smallLibrary()
{
    static const StripLibrary library(QStringLiteral("pictures/small_plain.png"),
                                      QStringLiteral("pictures/small_yellow.png"), 80, 16);
    return library;
}

QPixmap menuIcon(int n)
{
    return detail::pictureFromStrip(QStringLiteral("pictures/menu_icons.png"), n,
                                    kMenuIconCount, kMenuIconSize);
}

}  // namespace resources
