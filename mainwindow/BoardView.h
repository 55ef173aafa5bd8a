#pragma once
// How the board looks: the view's geometry per picture size, one cell, the feeder preview and
// the points bubble.

#include "PictureTable.h"

#include "Board.h"
#include "GameMode.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace quorbix {

struct ViewGeometry {
    int width;  // the view, border included
    int height;
    int cell;    // cell width and height
    int margin;  // left edge of the view in the client area
    int inset;   // of a kind's picture in its cell
};

constexpr ViewGeometry viewGeometry(PictureSize size)
{
    switch (size) {
    case PictureSize::Big: return {378, 416, 34, 7, 0};
    case PictureSize::Small: return {268, 293, 24, 5, 4};
    case PictureSize::Standard: break;
    }
    return {268, 293, 24, 5, 0};
}

constexpr bool showsFeeder(engine::GameMode gameMode)
{
    return engine::feedsEmptyColumns(gameMode);
}

// The room right of the view for the feeder preview.
constexpr int feederAllowance(PictureSize size, engine::GameMode gameMode)
{
    return showsFeeder(gameMode) ? viewGeometry(size).cell + 5 : 0;
}

// The window's outer size as the classic frame measured it (a 3-pixel frame on each side).
constexpr QSize outerWindowSize(PictureSize size, engine::GameMode gameMode)
{
    const ViewGeometry g = viewGeometry(size);
    return {g.width + feederAllowance(size, gameMode) + 3 * g.margin, g.height + 66};
}

// Our client area is as wide as the outer window less that frame.
constexpr int FrameAllowance = 6;
constexpr int clientWidth(PictureSize size, engine::GameMode gameMode)
{
    return outerWindowSize(size, gameMode).width() - FrameAllowance;
}

inline constexpr QRgb SelectedGround = 0xffffff00;  // pure yellow

// One field cell in its rectangle of the view.
void drawCell(QPainter &painter, const QRect &rect, const engine::Cell &cell,
              const SymbolPictureTable &pictures, int inset);

// The rectangle of the feeder preview in the client area, for a view at (margin, 0).
QRect feederPreviewRect(const ViewGeometry &g);

// The feeder column beside the view: a white strip with the waiting symbols in their rows.
void drawFeederPreview(QPainter &painter, const ViewGeometry &g, const engine::Board &board,
                       const SymbolPictureTable &pictures);

// The circle with the preview points next to the pointer, at press position `press` in a view
// whose height is viewHeight.
void drawPointsBubble(QPainter &painter, QPoint press, int viewHeight, const QString &text,
                      const QFont &font);

}  // namespace quorbix
