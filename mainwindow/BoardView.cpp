#include "BoardView.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

namespace quorbix {

void drawCell(QPainter &painter, const QRect &rect, const engine::Cell &cell,
              const SymbolPictureTable &pictures, int inset)
{
    const QPoint at = rect.topLeft() + QPoint(inset, inset);
    switch (cell.state) {
    case engine::CellState::Normal:
        painter.fillRect(rect, Qt::white);
        if (cell.kind < engine::KindCount) painter.drawPixmap(at, pictures.entry(cell.kind));
        break;
    case engine::CellState::Selected:
        painter.fillRect(rect, QColor::fromRgb(SelectedGround));
        if (cell.kind < engine::KindCount)
            painter.drawPixmap(at, pictures.entry(SelectedEntry + cell.kind));
        break;
    case engine::CellState::Empty:
        painter.drawPixmap(rect.topLeft(), pictures.entry(EmptyEntry));
        break;
    }
}

QRect feederPreviewRect(const ViewGeometry &g)
{
    const int x0 = g.width + 2 * g.margin;
    const int x1 = x0 + g.cell;
    // Left x0 - 1 to right x1, from one pixel below the view's top to one above its bottom.
    return QRect(QPoint(x0 - 1, 1), QPoint(x1 - 1, g.height - 2));
}

void drawFeederPreview(QPainter &painter, const ViewGeometry &g, const engine::Board &board,
                       const SymbolPictureTable &pictures)
{
    const QRect preview = feederPreviewRect(g);
    painter.drawPixmap(preview, pictures.entry(EmptyEntry));
    const int x0 = g.width + 2 * g.margin;
    for (int r = 0; r < engine::Rows; ++r) {
        const engine::Cell &cell = board.at(engine::FeederColumn, r);
        if (cell.state != engine::CellState::Normal || cell.kind >= engine::KindCount) continue;
        painter.drawPixmap(x0 + g.inset, 2 + r * g.cell + g.inset, pictures.entry(cell.kind));
    }
}

void drawPointsBubble(QPainter &painter, QPoint press, int viewHeight, const QString &text,
                      const QFont &font)
{
    int x = press.x();
    int y0 = press.y() + 20;
    if (y0 < 50) y0 = 50;
    if (y0 > viewHeight - 50) y0 = viewHeight - 50;
    if (x < 20) x = 50;

    const QFontMetrics metrics(font);
    const int w = metrics.horizontalAdvance(text) + 12;
    const int h = metrics.height();
    const QColor lightYellow(255, 255, 187);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::blue, 2));
    painter.setBrush(lightYellow);
    painter.drawEllipse(QRect(QPoint(x - w - 2, y0 - 2), QPoint(x + 1, y0 + w + 1)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(lightYellow);
    painter.drawText(QRect(x - w + 6, y0 + w / 2 - h / 2, w, h), Qt::AlignLeft | Qt::AlignTop,
                     text);
    painter.restore();
}

}  // namespace quorbix
