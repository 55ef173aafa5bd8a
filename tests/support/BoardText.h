#pragma once
// Boards written as text in the tests, one string of the 11 field columns per row: '.' an empty
// cell, '0'-'4' a symbol of that kind, 'A'-'E' a selected symbol of kind 0-4. Only the rows
// that matter are written, the bottom row last; the rows above them are empty. Plain C++, so the
// engine's tests use it as the windows' tests do.

#include "Game.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace boardtext {

using BoardRows = std::vector<std::string>;

// The board's 12 rows: the missing top rows empty, then the rows given.
inline BoardRows allRows(const BoardRows &rows)
{
    if (rows.size() > static_cast<std::size_t>(engine::Rows))
        throw std::invalid_argument("a board has 12 rows");
    BoardRows all(engine::Rows - rows.size(), std::string(engine::FieldColumns, '.'));
    all.insert(all.end(), rows.begin(), rows.end());
    return all;
}

inline void setField(engine::Game &game, const BoardRows &rows)
{
    const BoardRows all = allRows(rows);
    engine::Board &board = game.boardForTesting();
    for (int r = 0; r < engine::Rows; ++r) {
        for (int c = 0; c < engine::FieldColumns; ++c) {
            const char ch = all[static_cast<std::size_t>(r)].at(static_cast<std::size_t>(c));
            engine::Cell &cell = board.at(c, r);
            cell.mark = 0;
            if (ch == '.') {
                cell.kind = 0;
                cell.state = engine::CellState::Empty;
            } else if (ch >= 'A' && ch <= 'E') {
                cell.kind = static_cast<engine::SymbolKind>(ch - 'A');
                cell.state = engine::CellState::Selected;
            } else {
                cell.kind = static_cast<engine::SymbolKind>(ch - '0');
                cell.state = engine::CellState::Normal;
            }
        }
    }
}

// The board's 12 rows joined by newlines, as the engine's tests print a field.
inline std::string rows(const BoardRows &given)
{
    std::string out;
    for (const std::string &row : allRows(given)) (out += row) += '\n';
    return out;
}

}  // namespace boardtext
