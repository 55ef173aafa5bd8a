#include "BoardSpeech.h"

#include "BoardView.h"

namespace quorbix {

int BoardSpeech::columnCount() const
{
    return showsFeeder(game_.gameMode()) ? engine::BoardColumns : engine::FieldColumns;
}

int BoardSpeech::rowCount() const { return engine::Rows; }

bool BoardSpeech::isWaitingColumn(int column) const
{
    return column == engine::FeederColumn && showsFeeder(game_.gameMode());
}

QString BoardSpeech::columnName(int column) const
{
    return isWaitingColumn(column) ? tr("Waiting column") : tr("Column %1").arg(column + 1);
}

QString BoardSpeech::rowName(int row) const { return tr("Row %1").arg(row + 1); }

QString BoardSpeech::cellName(int column, int row) const
{
    if (column < 0 || column >= columnCount() || row < 0 || row >= rowCount()) return {};
    const engine::Cell &cell = game_.board().at(column, row);
    if (cell.state == engine::CellState::Empty || cell.kind >= engine::KindCount)
        return tr("Empty");
    const QString name = pictures_.name(cell.kind);
    // A kind whose picture number lies outside the library is drawn blank.
    return name.isEmpty() ? tr("Blank") : name;
}

bool BoardSpeech::cellSelected(int column, int row) const
{
    if (column < 0 || column >= engine::FieldColumns || row < 0 || row >= rowCount()) return false;
    return game_.board().at(column, row).state == engine::CellState::Selected;
}

int BoardSpeech::selectedCount() const
{
    int n = 0;
    for (int column = 0; column < engine::FieldColumns; ++column)
        for (int row = 0; row < rowCount(); ++row) n += cellSelected(column, row) ? 1 : 0;
    return n;
}

QString BoardSpeech::cellDescription(int column, int row) const
{
    QString where = isWaitingColumn(column) ? tr("waiting column, row %1").arg(row + 1)
                                            : tr("column %1, row %2").arg(column + 1).arg(row + 1);
    if (!cellSelected(column, row)) return where;
    return tr("%1; group of %2, %3 points").arg(where).arg(selectedCount()).arg(groupPoints_);
}

}  // namespace quorbix
