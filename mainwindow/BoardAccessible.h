#pragma once
// The board as assistive technology sees it: a table of 12 rows by the board's columns (the
// waiting column of the feeding modes included), one cell per symbol, named by what lies on it
// and described by where it is. The current cell has the focus and the selected group's cells
// are selected; the announce functions tell a screen reader as play goes.

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QString>

#include <vector>

class TDrawGrid;

namespace quorbix {

class BoardSpeech;

class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(TDrawGrid *grid);
    ~BoardAccessible() override;

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::Role role() const override;
    QString text(QAccessible::Text type) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

    // The events for what changed since the last announcement.
    void announceCurrent();
    void announceSelection();
    void announceChange();

private:
    struct Heard {
        QString name;
        bool selected = false;
    };

    TDrawGrid *grid() const;
    const BoardSpeech *speech() const;
    QAccessibleInterface *cell(int column, int row) const;
    void send(QAccessibleEvent &&event) const;
    std::vector<Heard> hear() const;

    mutable QHash<int, QAccessible::Id> cells_;  // by column * 12 + row
    std::vector<Heard> heard_;
    int heardColumns_ = 0;
};

// Tell a screen reader that the current cell moved, that a group was selected, or that the
// board changed (a removal, undo, redo, a new game or another mode).
void announceCurrentCell(TDrawGrid *grid);
void announceSelection(TDrawGrid *grid);
void announceBoardChange(TDrawGrid *grid);

}  // namespace quorbix
