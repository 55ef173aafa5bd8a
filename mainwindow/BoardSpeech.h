#pragma once
// The board in words, for players who hear it: what lies on each cell, where the cell is, and
// what the selected group is worth. The columns are the field's and, in the feeding modes, the
// waiting column beside it.

#include "PictureTable.h"

#include "Game.h"

#include <QCoreApplication>
#include <QString>

namespace quorbix {

class BoardSpeech {
    Q_DECLARE_TR_FUNCTIONS(BoardSpeech)

public:
    BoardSpeech(const engine::Game &game, const SymbolPictureTable &pictures)
        : game_(game), pictures_(pictures)
    {}

    int columnCount() const;
    int rowCount() const;
    bool isWaitingColumn(int column) const;
    QString columnName(int column) const;
    QString rowName(int row) const;

    // "Red ball", "Frog", "Empty".
    QString cellName(int column, int row) const;
    // "column 3, row 5", and for a cell of the selected group its size and points.
    QString cellDescription(int column, int row) const;
    bool cellSelected(int column, int row) const;

    // The points the bubble shows for the group selected last.
    void setGroupPoints(int points) { groupPoints_ = points; }

private:
    int selectedCount() const;

    const engine::Game &game_;
    const SymbolPictureTable &pictures_;
    int groupPoints_ = 0;
};

}  // namespace quorbix
