#include "DrawGrid.h"

#include "BoardAccessible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TDrawGrid::TDrawGrid(QWidget *parent) : QFrame(parent)
{
    // The classic 3-D look: a 2-pixel sunken border.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void TDrawGrid::setGridSize(int columns, int rows)
{
    columns_ = columns;
    rows_ = rows;
    update();
}

void TDrawGrid::setCellSize(int size)
{
    cellSize_ = size;
    update();
}

QRect TDrawGrid::cellRect(int column, int row) const
{
    return QRect(column * cellSize_, row * cellSize_, cellSize_, cellSize_);
}

void TDrawGrid::Repaint()
{
    overlay_.reset();
    repaint();
}

void TDrawGrid::drawOverlay(OverlayPainter overlay)
{
    overlay_ = std::move(overlay);
    repaint();
}

void TDrawGrid::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);  // the border
    QPainter painter(this);
    const QRect content = contentsRect();
    painter.setClipRect(content);
    painter.translate(content.topLeft());
    for (int column = 0; column < columns_; ++column) {
        for (int row = 0; row < rows_; ++row) {
            const QRect rect = cellRect(column, row);
            painter.fillRect(rect, Qt::white);
            if (!drawCell_) continue;
            // A cell that fails to draw stays as far as it got; the others are drawn as usual.
            try {
                painter.save();
                drawCell_(painter, column, row, rect);
                painter.restore();
            } catch (...) {
                painter.restore();
            }
        }
    }
    if (hasFocus()) drawFocusFrame(painter);
    if (overlay_) (*overlay_)(painter);
}

void TDrawGrid::drawFocusFrame(QPainter &painter) const
{
    // The dotted frame inverts what lies under it, so it shows on any picture. It takes the
    // current cell's outermost ring of device pixels, one pixel wide per whole step of scale,
    // the margin the pictures leave free. Drawn in logical pixels, it would fall on fractions
    // of a pixel at 150 %: half of it rounded away, the rest across the picture.
    painter.save();
    const QRectF cell = painter.deviceTransform().mapRect(
        QRectF(cellRect(currentColumn_, currentRow_)));
    const QRect pixels(QPoint(qRound(cell.left()), qRound(cell.top())),
                       QPoint(qRound(cell.right()) - 1, qRound(cell.bottom()) - 1));
    const int width = qMax(1, static_cast<int>(devicePixelRatioF()));
    painter.setWorldTransform(painter.deviceTransform().inverted() * painter.worldTransform());
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, width, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    // A pen's line is centred on its coordinate: the rectangle lies half a width inside.
    painter.drawRect(pixels.adjusted(width / 2, width / 2, width / 2 - width, width / 2 - width));
    painter.restore();
}

QPoint TDrawGrid::contentPosition(const QPointF &widgetPosition) const
{
    return widgetPosition.toPoint() - contentsRect().topLeft();
}

std::optional<QPoint> TDrawGrid::cellAt(QPoint position) const
{
    if (position.x() < 0 || position.y() < 0 || cellSize_ <= 0) return std::nullopt;
    const int column = position.x() / cellSize_;
    const int row = position.y() / cellSize_;
    if (column >= columns_ || row >= rows_) return std::nullopt;
    return QPoint(column, row);
}

QPoint TDrawGrid::currentCellCentre() const
{
    return cellRect(currentColumn_, currentRow_).center();
}

void TDrawGrid::moveCurrent(int column, int row)
{
    const bool moved = column != currentColumn_ || row != currentRow_;
    currentColumn_ = column;
    currentRow_ = row;
    emit SelectCell(column, row);
    update();
    if (moved && hasFocus()) quorbix::announceCurrentCell(this);
}

bool TDrawGrid::onBorder(const QMouseEvent &event) const
{
    return !contentsRect().contains(event.position().toPoint());
}

void TDrawGrid::leftPressOnCurrentCell()
{
    moveCurrent(currentColumn_, currentRow_);
    emit MouseDown(Qt::LeftButton, currentCellCentre());
}

void TDrawGrid::mousePressEvent(QMouseEvent *event)
{
    pressedOnBorder_ = onBorder(*event);
    if (pressedOnBorder_) return;
    const QPoint position = contentPosition(event->position());
    if (event->button() == Qt::LeftButton) {
        if (const auto cell = cellAt(position)) moveCurrent(cell->x(), cell->y());
    }
    emit MouseDown(event->button(), position);
}

void TDrawGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    pressedOnBorder_ = onBorder(*event);
    if (pressedOnBorder_) return;
    const QPoint position = contentPosition(event->position());
    if (event->button() == Qt::LeftButton) emit DblClick();
    emit MouseDown(event->button(), position);
}

void TDrawGrid::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || pressedOnBorder_) return;
    const auto cell = cellAt(contentPosition(event->position()));
    if (cell && (cell->x() != currentColumn_ || cell->y() != currentRow_))
        moveCurrent(cell->x(), cell->y());
}

void TDrawGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (pressedOnBorder_) {
        pressedOnBorder_ = event->buttons() != Qt::NoButton;
        return;
    }
    emit MouseUp(event->button(), contentPosition(event->position()));
}

void TDrawGrid::keyPressEvent(QKeyEvent *event)
{
    int column = currentColumn_;
    int row = currentRow_;
    switch (event->key()) {
    case Qt::Key_Left: column = qMax(0, column - 1); break;
    case Qt::Key_Right: column = qMin(columns_ - 1, column + 1); break;
    case Qt::Key_Up: row = qMax(0, row - 1); break;
    case Qt::Key_Down: row = qMin(rows_ - 1, row + 1); break;
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) leftPressOnCurrentCell();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()) {
            // The mouse's double-click: press (it selects the cell's group), release, the
            // double-click with its press; the key's release is the last release. So the group
            // removed is always the current cell's, and a removal never meets an empty selection.
            leftPressOnCurrentCell();
            emit MouseUp(Qt::LeftButton, currentCellCentre());
            emit DblClick();
            emit MouseDown(Qt::LeftButton, currentCellCentre());
        }
        return;
    default: QFrame::keyPressEvent(event); return;
    }
    if (column != currentColumn_ || row != currentRow_) moveCurrent(column, row);
}

void TDrawGrid::keyReleaseEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()) emit MouseUp(Qt::LeftButton, currentCellCentre());
        return;
    default: QFrame::keyReleaseEvent(event);
    }
}

void TDrawGrid::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    update();
    quorbix::announceCurrentCell(this);
}

void TDrawGrid::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    update();
}
