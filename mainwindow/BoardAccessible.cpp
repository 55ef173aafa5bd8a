#include "BoardAccessible.h"

#include "AccessibleEvents.h"
#include "BoardSpeech.h"
#include "DrawGrid.h"
#include "LeafAccessible.h"

namespace quorbix {

namespace {

constexpr int KeyRows = 12;  // a cell's key: column * KeyRows + row

// One cell of the board. It lives as long as the board's interface, which hands it out.
class BoardCellAccessible : public LeafAccessible<TDrawGrid>, public QAccessibleTableCellInterface {
public:
    BoardCellAccessible(TDrawGrid *grid, int column, int row)
        : LeafAccessible(grid), column_(column), row_(row)
    {}

    bool isValid() const override { return owner() && column_ < tableOf()->columnCount(); }
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text type) const override
    {
        const BoardSpeech *speech = owner() ? owner()->speech() : nullptr;
        if (!speech) return {};
        if (type == QAccessible::Name) return speech->cellName(column_, row_);
        if (type == QAccessible::Description) return speech->cellDescription(column_, row_);
        return {};
    }

    QRect rect() const override
    {
        const TDrawGrid *grid = owner();
        if (!grid) return {};
        QRect r = grid->cellRect(column_, row_).translated(grid->contentsRect().topLeft());
        // The waiting column is drawn beside the view, as far from it as the view from the edge.
        if (column_ >= grid->columnCount()) r.moveLeft(grid->width() + grid->x());
        return QRect(grid->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        const TDrawGrid *grid = owner();
        if (!grid) return s;
        // The waiting column's cells are only read: no group forms there and no cursor goes there.
        const bool field = column_ < grid->columnCount();
        s.selectable = field;
        s.selected = isSelected();
        s.focusable = field;
        s.focused = field && grid->hasFocus() && grid->currentColumn() == column_ &&
                    grid->currentRow() == row_;
        s.invisible = !grid->isVisible();
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        return nullptr;
    }

    bool isSelected() const override
    {
        const BoardSpeech *speech = owner() ? owner()->speech() : nullptr;
        return speech && speech->cellSelected(column_, row_);
    }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QAccessibleTableInterface *tableOf() const { return table()->tableInterface(); }

    int column_;
    int row_;
};

}  // namespace

BoardAccessible::BoardAccessible(TDrawGrid *grid) : QAccessibleWidget(grid, QAccessible::Table)
{
    heard_ = hear();
    heardColumns_ = columnCount();
}

BoardAccessible::~BoardAccessible()
{
    for (QAccessible::Id id : std::as_const(cells_)) QAccessible::deleteAccessibleInterface(id);
}

TDrawGrid *BoardAccessible::grid() const { return static_cast<TDrawGrid *>(widget()); }

const BoardSpeech *BoardAccessible::speech() const { return grid()->speech(); }

void *BoardAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::Role BoardAccessible::role() const { return QAccessible::Table; }

QString BoardAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Name && grid()->accessibleName().isEmpty())
        return QCoreApplication::translate("BoardAccessible", "Board");
    return QAccessibleWidget::text(type);
}

int BoardAccessible::columnCount() const
{
    return speech() ? speech()->columnCount() : grid()->columnCount();
}

int BoardAccessible::rowCount() const
{
    return speech() ? speech()->rowCount() : grid()->rowCount();
}

QString BoardAccessible::columnDescription(int column) const
{
    return speech() ? speech()->columnName(column) : QString();
}

QString BoardAccessible::rowDescription(int row) const
{
    return speech() ? speech()->rowName(row) : QString();
}

int BoardAccessible::childCount() const { return columnCount() * rowCount(); }

QAccessibleInterface *BoardAccessible::cell(int column, int row) const
{
    if (column < 0 || column >= columnCount() || row < 0 || row >= rowCount()) return nullptr;
    const int key = column * KeyRows + row;
    if (const auto found = cells_.constFind(key); found != cells_.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto *made = new BoardCellAccessible(grid(), column, row);
    cells_.insert(key, QAccessible::registerAccessibleInterface(made));
    return made;
}

QAccessibleInterface *BoardAccessible::child(int index) const
{
    const int columns = columnCount();
    if (index < 0 || columns == 0) return nullptr;
    // Row by row, as a table is read.
    return cell(index % columns, index / columns);
}

QAccessibleInterface *BoardAccessible::cellAt(int row, int column) const
{
    return cell(column, row);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child || child->parent() != this) return -1;
    const QAccessibleTableCellInterface *c =
        const_cast<QAccessibleInterface *>(child)->tableCellInterface();
    return c ? c->rowIndex() * columnCount() + c->columnIndex() : -1;
}

QAccessibleInterface *BoardAccessible::childAt(int x, int y) const
{
    for (int index = 0; index < childCount(); ++index) {
        QAccessibleInterface *c = child(index);
        if (c && c->rect().contains(x, y)) return c;
    }
    return nullptr;
}

QAccessibleInterface *BoardAccessible::focusChild() const
{
    if (!grid()->hasFocus()) return nullptr;
    return cell(grid()->currentColumn(), grid()->currentRow());
}

int BoardAccessible::selectedCellCount() const { return static_cast<int>(selectedCells().size()); }

QList<QAccessibleInterface *> BoardAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> selected;
    if (!speech()) return selected;
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < columnCount(); ++column)
            if (speech()->cellSelected(column, row)) selected << cell(column, row);
    return selected;
}

void BoardAccessible::modelChange(QAccessibleTableModelChangeEvent *event)
{
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::ModelReset) return;
    // The waiting column's cells go with the column.
    for (auto it = cells_.begin(); it != cells_.end();) {
        if (it.key() / KeyRows >= columnCount()) {
            QAccessible::deleteAccessibleInterface(it.value());
            it = cells_.erase(it);
        } else {
            ++it;
        }
    }
}

std::vector<BoardAccessible::Heard> BoardAccessible::hear() const
{
    std::vector<Heard> cells;
    if (!speech()) return cells;
    for (int column = 0; column < columnCount(); ++column)
        for (int row = 0; row < rowCount(); ++row)
            cells.push_back({speech()->cellName(column, row), speech()->cellSelected(column, row)});
    return cells;
}

void BoardAccessible::send(QAccessibleEvent &&event) const { sendAccessibleEvent(event); }

void BoardAccessible::announceCurrent()
{
    if (QAccessibleInterface *current = focusChild())
        send(QAccessibleEvent(current, QAccessible::Focus));
}

void BoardAccessible::announceSelection()
{
    const std::vector<Heard> now = hear();
    for (std::size_t i = 0; i < now.size() && i < heard_.size(); ++i) {
        if (now[i].selected == heard_[i].selected) continue;
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleInterface *c = cell(static_cast<int>(i) / rowCount(),
                                       static_cast<int>(i) % rowCount());
        send(QAccessibleStateChangeEvent(c, changed));
    }
    heard_ = now;
    send(QAccessibleEvent(this, QAccessible::SelectionWithin));
    // The group's size and points are the current cell's description now.
    if (QAccessibleInterface *current = cell(grid()->currentColumn(), grid()->currentRow()))
        send(QAccessibleEvent(current, QAccessible::DescriptionChanged));
}

void BoardAccessible::announceChange()
{
    const std::vector<Heard> now = hear();
    const int columns = columnCount();
    if (columns != heardColumns_) {
        send(
            QAccessibleTableModelChangeEvent(grid(), QAccessibleTableModelChangeEvent::ModelReset));
    } else {
        QAccessibleTableModelChangeEvent change(grid(),
                                                QAccessibleTableModelChangeEvent::DataChanged);
        change.setFirstRow(0);
        change.setLastRow(rowCount() - 1);
        change.setFirstColumn(0);
        change.setLastColumn(columns - 1);
        send(std::move(change));
        for (std::size_t i = 0; i < now.size() && i < heard_.size(); ++i) {
            QAccessibleInterface *c = cell(static_cast<int>(i) / rowCount(),
                                           static_cast<int>(i) % rowCount());
            if (now[i].name != heard_[i].name) send(QAccessibleEvent(c, QAccessible::NameChanged));
            if (now[i].selected != heard_[i].selected) {
                QAccessible::State changed;
                changed.selected = true;
                send(QAccessibleStateChangeEvent(c, changed));
            }
        }
    }
    heard_ = now;
    heardColumns_ = columns;
}

namespace {

BoardAccessible *boardOf(TDrawGrid *grid)
{
    if (!accessibleEventsHeard()) return nullptr;
    return dynamic_cast<BoardAccessible *>(QAccessible::queryAccessibleInterface(grid));
}

}  // namespace

void announceCurrentCell(TDrawGrid *grid)
{
    if (BoardAccessible *board = boardOf(grid)) board->announceCurrent();
}

void announceSelection(TDrawGrid *grid)
{
    if (BoardAccessible *board = boardOf(grid)) board->announceSelection();
}

void announceBoardChange(TDrawGrid *grid)
{
    if (BoardAccessible *board = boardOf(grid)) board->announceChange();
}

}  // namespace quorbix
