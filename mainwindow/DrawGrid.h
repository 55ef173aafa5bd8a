#pragma once
// The board view: a grid of cells that asks its owner to draw each cell and reports presses,
// double-clicks, releases and cell changes in the order the game relies on:
//   left press on a cell:  SelectCell, then MouseDown
//   other buttons:         MouseDown only
//   double-click:          DblClick, then MouseDown (the current cell stays)
//   release:               MouseUp
//   arrow keys, left drag: SelectCell only
// So that the game can be played without a mouse, Space is a left press on the current cell
// and Enter a double-click on it, with the same events in the same order as the mouse gives.
// The border lies outside every cell: presses on it, and their drags and releases, are not
// the grid's.

#include <QFrame>
#include <QString>

#include <functional>
#include <optional>

namespace quorbix {
class BoardSpeech;
}

class TDrawGrid : public QFrame {
    Q_OBJECT

public:
    using DrawCellHandler = std::function<void(QPainter &, int column, int row, const QRect &)>;

    explicit TDrawGrid(QWidget *parent = nullptr);

    void setGridSize(int columns, int rows);
    void setCellSize(int size);
    int cellSize() const { return cellSize_; }
    int columnCount() const { return columns_; }
    int rowCount() const { return rows_; }

    int currentColumn() const { return currentColumn_; }
    int currentRow() const { return currentRow_; }
    // The cell's rectangle in the grid's content coordinates (inside the border).
    QRect cellRect(int column, int row) const;

    void setDrawCellHandler(DrawCellHandler handler) { drawCell_ = std::move(handler); }

    // What a screen reader hears about the cells; the owner keeps it alive.
    void setSpeech(const quorbix::BoardSpeech *speech) { speech_ = speech; }
    const quorbix::BoardSpeech *speech() const { return speech_; }

    // Draws everything now; the repaint also takes away an overlay drawn since the last one.
    void Repaint();
    // A drawing over the cells that lasts until the next Repaint.
    using OverlayPainter = std::function<void(QPainter &)>;
    void drawOverlay(OverlayPainter overlay);
    bool hasOverlay() const { return overlay_.has_value(); }

signals:
    void SelectCell(int column, int row);
    // Positions are in content coordinates (inside the border).
    void MouseDown(Qt::MouseButton button, QPoint position);
    void DblClick();
    void MouseUp(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void drawFocusFrame(QPainter &painter) const;
    std::optional<QPoint> cellAt(QPoint contentPosition) const;
    QPoint contentPosition(const QPointF &widgetPosition) const;
    QPoint currentCellCentre() const;
    bool onBorder(const QMouseEvent &event) const;
    void moveCurrent(int column, int row);
    void leftPressOnCurrentCell();

    DrawCellHandler drawCell_;
    const quorbix::BoardSpeech *speech_ = nullptr;
    std::optional<OverlayPainter> overlay_;
    int columns_ = 11;
    int rows_ = 12;
    int cellSize_ = 24;
    int currentColumn_ = 0;
    int currentRow_ = 0;
    bool pressedOnBorder_ = false;
};
