#pragma once
// Positions and events for engine tests; boards are written as in BoardText.h.

#include "BoardText.h"
#include "Game.h"

#include <array>
#include <string>
#include <vector>

namespace enginetest {

using engine::Cell;
using engine::CellState;
using engine::Game;
using engine::GameMode;

using boardtext::rows;
using boardtext::setField;

// A double-click as the board view delivers it: the press that selects, the removal, and the
// press that completes the double-click.
inline engine::RemovalResult doubleClickAt(Game &game, int c, int r)
{
    game.DrawGrid1SelectCell(c, r);
    game.SelectGroup();
    const auto result = game.RemoveGroup();
    game.SelectGroup();
    return result;
}

inline char cellChar(const Cell &cell)
{
    switch (cell.state) {
    case CellState::Empty: return '.';
    case CellState::Selected: return static_cast<char>('A' + cell.kind);
    default: return static_cast<char>('0' + cell.kind);
    }
}

// The field as the rows of setField, joined by newlines.
inline std::string field(const engine::Board &b)
{
    std::string out;
    for (int r = 0; r < engine::Rows; ++r) {
        for (int c = 0; c < engine::FieldColumns; ++c) out += cellChar(b.at(c, r));
        out += '\n';
    }
    return out;
}

inline std::string field(const Game &game) { return field(game.board()); }

// The feeder column, top to bottom, in the same characters.
inline std::string feeder(const Game &game)
{
    std::string out;
    for (int r = 0; r < engine::Rows; ++r)
        out += cellChar(game.board().at(engine::FeederColumn, r));
    return out;
}

inline void setFeeder(Game &game, const char *column)
{
    const std::string text = column;
    for (int r = 0; r < engine::Rows; ++r) {
        Cell &cell = game.boardForTesting().at(engine::FeederColumn, r);
        if (text.at(r) == '.') {
            cell.state = CellState::Empty;
        } else {
            cell.state = CellState::Normal;
            cell.kind = static_cast<engine::SymbolKind>(text.at(r) - '0');
        }
    }
}

// A fixed clock, so the deal and every refill are repeatable.
inline Game::Clock countingClock(std::uint32_t start)
{
    return [next = start]() mutable { return next++; };
}

// Records what leaves the engine, in order.
class RecordingListener : public engine::GameListener {
public:
    std::vector<std::string> events;
    engine::EndGameTexts texts;
    void gridChanged() override { events.push_back("grid"); }
    void playSound(const char *name) override { events.push_back(std::string("sound ") + name); }
    void scoreChanged(const engine::TotalScore &t) override
    {
        events.push_back(std::string("score ") + t.text().data());
    }
    void feederChanged() override { events.push_back("feeder"); }
    void undoRedoChanged(bool u, bool r) override
    {
        events.push_back("undo " + std::to_string(u) + " redo " + std::to_string(r));
    }
    void gameOver(const engine::EndGameTexts &t) override
    {
        texts = t;
        events.push_back("gameover");
    }
    int count(const std::string &e) const
    {
        int n = 0;
        for (const auto &x : events) n += x == e;
        return n;
    }
};

}  // namespace enginetest
