#pragma once
// The pictures, sounds, fonts and texts built into the executable.
//
// Everything is loaded on first use, so nothing of a library that is not shown costs start-up
// time or memory.
//
// The board's pictures, the menu icons and the About pictures are drawn at two sizes. A getter's
// `ratio` is the device pixel ratio of the window that shows the picture: at 1 it gives the
// designed pixels; above 1 (a screen scaled to 150 or 200 %) it gives the drawing at twice the
// size, fitted to the ratio where that is not 2, with the ratio as its devicePixelRatio, so the
// picture takes the same room in the window and is drawn there pixel for pixel. The double-size
// files are decoded only when a window asks for them.

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <functional>
#include <optional>

namespace resources {

// Makes the embedded resources reachable (call once, after QApplication exists, before use).
void init();

// Registers the embedded fonts and the substitutions for the font names the windows use
// ("Comic Sans MS", "Berlin Sans FB Demi", "Arial", ...).
void registerFonts();
// Registers only what the main window draws with (and every substitution); registerFonts()
// adds the rest, before any other window is made.
void registerFirstWindowFonts();

// The ten 24 x 24 balls: 0..4 normal (red, green, blue, yellow, magenta), 5..9 selected (pale).
QPixmap standardPicture(int index, qreal ratio = 1);
// 24 x 24, all white.
QPixmap emptyCellPicture(qreal ratio = 1);

// A numbered picture list in two parallel forms: plain with alpha, and unmasked on pure yellow.
class PictureLibrary {
public:
    virtual ~PictureLibrary() = default;
    virtual int count() const = 0;
    virtual int pictureSize() const = 0;                     // 16 or 32
    virtual QPixmap plain(int n, qreal ratio) const = 0;     // null pixmap when n is out of range
    virtual QPixmap onYellow(int n, qreal ratio) const = 0;  // null pixmap when n is out of range
};
const PictureLibrary &bigLibrary();    // 87 pictures, 32 x 32
const PictureLibrary &smallLibrary();  // 80 pictures, 16 x 16

// A white square of size x size with the picture drawn on it through its mask, as a board cell
// or a choice box shows a library picture; a null picture leaves the square white.
QPixmap onWhite(const QPixmap &picture, int size, qreal ratio);

// The 15 menu icons, 16 x 16 with alpha (null pixmap when out of range).
QPixmap menuIcon(int n, qreal ratio = 1);

// An icon holding picture(1) and, while some screen is scaled, the picture at the ratio of the
// most scaled screen as well, for widgets that pick the size by the screen they are on (menus,
// buttons).
QIcon iconAtBothSizes(const std::function<QPixmap(qreal ratio)> &picture);
// The application icon in the sizes a window's title and task bar use, 16 to 64 pixels, each
// drawn at its size: at scale 2 the 32-pixel icon is the 64-pixel picture, not a blow-up.
QIcon applicationIcon();
// Its 32 x 32 picture.
QPixmap windowIcon();

// Decodes a JPEG through libjpeg; nullopt for damaged or non-JPEG data (never exits).
std::optional<QImage> decodeJpeg(const QByteArray &data);
// The game-over window's background, 295 x 188, decoded from the embedded JPEG.
QImage gameOverBackground();

// The About window's pictures and texts.
QPixmap aboutHeader(qreal ratio = 1);          // 431 x 153
QPixmap aboutBackgroundTile(qreal ratio = 1);  // "BACKGND"
QPixmap aboutToolBand(qreal ratio = 1);        // the tool strip's band
QPixmap aboutInfoGlyph(qreal ratio = 1);       // picture button "show hardisk preferences"
QPixmap aboutCloseGlyph(qreal ratio = 1);      // picture button "Close About Box"
QString otherProgramsHtml();                   // the second page's list of our other programs

// Resource path ("qrc:/...") of the sound "DIP", "GONG" or "APPLAUSE"; empty when unknown.
QString soundUrl(const QString &name);

}  // namespace resources
