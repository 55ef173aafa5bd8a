// The board's pictures: the standard balls, the empty cell, the two picture libraries and the
// menu icons. Each strip is decoded on its first use only, its double-size drawing only when a
// scaled window first shows it.

#include "Resources.h"

#include "Embedded.h"

#include <QPainter>

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
        : plainStrip_(std::move(plainStrip)), yellowStrip_(std::move(yellowStrip)), count_(count),
          size_(size)
    {}

    int count() const override { return count_; }
    int pictureSize() const override { return size_; }

    QPixmap plain(int n, qreal ratio) const override
    {
        return detail::pictureFromStrip(plainStrip_, n, count_, size_, ratio);
    }

    QPixmap onYellow(int n, qreal ratio) const override
    {
        return detail::pictureFromStrip(yellowStrip_, n, count_, size_, ratio);
    }

private:
    QString plainStrip_;
    QString yellowStrip_;
    int count_;
    int size_;
};

}  // namespace

QPixmap standardPicture(int index, qreal ratio)
{
    return detail::pictureFromStrip(QStringLiteral("pictures/standard.png"), index, kStandardCount,
                                    kStandardSize, ratio);
}

QPixmap emptyCellPicture(qreal ratio) { return onWhite({}, kStandardSize, ratio); }

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

QPixmap onWhite(const QPixmap &picture, int size, qreal ratio)
{
    ratio = detail::pictureRatio(ratio);
    QPixmap result((QSizeF(size, size) * ratio).toSize());
    result.setDevicePixelRatio(ratio);
    result.fill(Qt::white);
    if (!picture.isNull()) {
        QPainter p(&result);
        p.drawPixmap(0, 0, picture);
    }
    return result;
}

QPixmap menuIcon(int n, qreal ratio)
{
    return detail::pictureFromStrip(QStringLiteral("pictures/menu_icons.png"), n, kMenuIconCount,
                                    kMenuIconSize, ratio);
}

}  // namespace resources
