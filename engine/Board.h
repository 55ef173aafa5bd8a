#pragma once
// The board: 12 columns of 12 cells, stored column by column. Columns 0..10 are the field,
// column 11 the feeder. Column 0 is leftmost, row 0 the top row.

#include <array>
#include <cstdint>

namespace engine {

using SymbolKind = std::uint8_t;              // 0..4
inline constexpr SymbolKind FillerKind = 10;  // cells of a column closed in at the left edge
inline constexpr int KindCount = 5;

enum class CellState : std::uint8_t { Normal = 0, Selected = 1, Empty = 2 };

struct Cell {
    SymbolKind kind = 0;
    CellState state = CellState::Normal;
    std::uint8_t mark = 0;
    bool operator==(const Cell &) const = default;
};

inline constexpr int FieldColumns = 11;
inline constexpr int Rows = 12;
inline constexpr int BoardColumns = 12;
inline constexpr int FeederColumn = 11;
inline constexpr int TotalCells = FieldColumns * Rows;  // 132

class Board {
public:
    Cell &at(int column, int row) { return cells_[column * Rows + row]; }
    const Cell &at(int column, int row) const { return cells_[column * Rows + row]; }
    // The 12 cells of one column, top to bottom.
    Cell *column(int column) { return cells_.data() + column * Rows; }
    const Cell *column(int column) const { return cells_.data() + column * Rows; }
    bool operator==(const Board &) const = default;

private:
    std::array<Cell, BoardColumns * Rows> cells_{};  // all zero bytes before the first deal
};

// The field alone (columns 0..10), same layout: the undo and redo snapshots.
using FieldSnapshot = std::array<Cell, TotalCells>;

}  // namespace engine
