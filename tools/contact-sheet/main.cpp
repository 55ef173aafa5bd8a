// quorbix-contact-sheet [output.png [scale]]
//
// Writes one PNG that shows every built-in picture at its real size with its number: the
// standard balls and the empty cell, both library forms side by side (plain on white, as the
// board draws a normal cell, and on yellow, as it draws a selected one), the menu icons on a
// menu-coloured ground, and the window, About and game-over pictures. With scale 2 the sheet
// is drawn as a screen scaled to 200 % shows it, from the double-size drawings.

#include "Resources.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <functional>

namespace {

constexpr int kWidth = 1180;
constexpr int kMargin = 12;

class Sheet {
public:
    explicit Sheet(int scale)
        : image_(QSize(kWidth, 2400) * scale, QImage::Format_RGB32), scale_(scale)
    {
        image_.setDevicePixelRatio(scale);
        image_.fill(QColor(236, 236, 240));
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::TextAntialiasing);
    }

    void heading(const QString &text)
    {
        y_ += 8;
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(15);
        font.setBold(true);
        painter_.setFont(font);
        painter_.setPen(QColor(0, 0, 128));
        painter_.drawText(kMargin, y_ + 15, text);
        y_ += 22;
    }

    // Lays out `count` cells of cellWidth x cellHeight in rows, each cell drawn by `draw` with
    // its top-left corner; a number is written under each cell.
    void grid(int count, int cellWidth, int cellHeight,
              const std::function<void(QPainter &, int n, QPoint at)> &draw)
    {
        const int step = cellWidth + 8;
        const int perRow = (kWidth - 2 * kMargin) / step;
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(10);
        for (int n = 0; n < count; ++n) {
            const QPoint at(kMargin + (n % perRow) * step, y_ + (n / perRow) * (cellHeight + 16));
            draw(painter_, n, at);
            painter_.setFont(font);
            painter_.setPen(Qt::black);
            painter_.drawText(QRect(at.x(), at.y() + cellHeight + 1, cellWidth, 13),
                              Qt::AlignHCenter | Qt::AlignTop, QString::number(n));
        }
        y_ += ((count + perRow - 1) / perRow) * (cellHeight + 16);
    }

    void picture(const QPixmap &pixmap, const QString &caption)
    {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(11);
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        const QSize size = pixmap.deviceIndependentSize().toSize();
        if (x_ + size.width() > kWidth - kMargin) {
            x_ = kMargin;
            y_ += rowHeight_ + 22;
            rowHeight_ = 0;
        }
        painter_.drawText(x_, y_ + 11, caption);
        painter_.drawPixmap(x_, y_ + 16, pixmap);
        x_ += std::max(size.width(), painter_.fontMetrics().horizontalAdvance(caption)) + 16;
        rowHeight_ = std::max(rowHeight_, size.height());
    }

    void endPictures()
    {
        y_ += rowHeight_ + 24;
        x_ = kMargin;
        rowHeight_ = 0;
    }

    bool save(const QString &path)
    {
        painter_.end();
        return image_.copy(0, 0, kWidth * scale_, (y_ + kMargin) * scale_).save(path);
    }

private:
    QImage image_;
    int scale_;
    QPainter painter_;
    int y_ = kMargin;
    int x_ = kMargin;
    int rowHeight_ = 0;
};

void library(Sheet &sheet, const QString &title, const resources::PictureLibrary &lib, int scale)
{
    const int size = lib.pictureSize();
    sheet.heading(title);
    sheet.grid(lib.count(), 2 * size + 6, size + 4,
               [&lib, size, scale](QPainter &p, int n, QPoint at) {
                   p.fillRect(QRect(at, QSize(2 * size + 6, size + 4)), Qt::white);
                   p.drawPixmap(at + QPoint(2, 2), lib.plain(n, scale));
                   p.fillRect(QRect(at + QPoint(size + 4, 0), QSize(size + 2, size + 4)),
                              QColor(255, 255, 0));
                   p.drawPixmap(at + QPoint(size + 4, 2), lib.onYellow(n, scale));
               });
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    resources::init();
    resources::registerFonts();
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral("contact-sheet.png");
    const int scale = argc > 2 && QByteArray(argv[2]) == "2" ? 2 : 1;

    Sheet sheet(scale);
    sheet.heading(
        QStringLiteral("Standard pictures (0-4 normal, 5-9 selected, 10 the empty cell)"));
    sheet.grid(11, 24, 24, [scale](QPainter &p, int n, QPoint at) {
        p.drawPixmap(at, n < 10 ? resources::standardPicture(n, scale)
                                : resources::emptyCellPicture(scale));
    });
    library(sheet, QStringLiteral("Big library, 32 x 32 (plain on white, on yellow)"),
            resources::bigLibrary(), scale);
    library(sheet, QStringLiteral("Small library, 16 x 16 (plain on white, on yellow)"),
            resources::smallLibrary(), scale);
    sheet.heading(QStringLiteral("Menu icons"));
    sheet.grid(15, 24, 20, [scale](QPainter &p, int n, QPoint at) {
        p.fillRect(QRect(at, QSize(24, 20)), QColor(236, 233, 216));
        p.drawPixmap(at + QPoint(4, 2), resources::menuIcon(n, scale));
    });
    sheet.heading(QStringLiteral("Window, About and game-over pictures"));
    sheet.picture(resources::windowIcon(), QStringLiteral("window icon"));
    sheet.picture(resources::aboutInfoGlyph(scale), QStringLiteral("info"));
    sheet.picture(resources::aboutCloseGlyph(scale), QStringLiteral("close"));
    sheet.picture(resources::aboutBackgroundTile(scale), QStringLiteral("BACKGND"));
    sheet.picture(QPixmap::fromImage(resources::gameOverBackground()), QStringLiteral("game over"));
    sheet.picture(resources::aboutHeader(scale), QStringLiteral("About header"));
    sheet.picture(resources::aboutToolBand(scale), QStringLiteral("tool band"));
    sheet.endPictures();

    if (!sheet.save(output)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(output));
        return 1;
    }
    std::printf("%s\n", qPrintable(output));
    return 0;
}
