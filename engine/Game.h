#pragma once
// The game model: deal, selection, removal and settling, modes and feeder, scoring, end of
// game, undo and redo. Plain C++; no allocation after construction.
//
// This header is the contract the windows build on. Method names follow the game's design.

#include "Board.h"
#include "TotalScore.h"

#include <array>
#include <cstdint>
#include <functional>

namespace engine {

struct CellPos {
    std::int32_t column = 0;
    std::int32_t row = 0;
};

// Mode captions; nullptr for a value outside 0..3.
const char *GameModeCaption(std::int32_t mode);

struct SelectionResult {
    std::int32_t previewPoints = 0;   // n x (n - 1) for n >= 2, else 0
    bool drawBubble = false;
};

struct RemovalResult {
    bool acted = false;        // false: empty or isolated current cell, nothing happened
    std::int32_t emptied = 0;  // cells emptied
    TotalScore total;          // the new total
    bool gameOver = false;
};

// The four lines of the game-over window, composed exactly; fixed buffers, no allocation.
struct EndGameTexts {
    std::array<char, 96> results{};    // "You ve earned " + total + " points "
    std::array<char, 96> leftover{};   // "You have left " + N + " balls "
    std::array<char, 96> bonus{};      // bonus line
    std::array<char, 96> totalLine{};  // "Your total score is: " + (P + bonus) + "!!"
    std::int32_t points = 0;           // P, clamped to 32 bits
    std::int32_t bonusPoints = 0;      // GameBonus
};

// What leaves the engine for the window. Every call has an empty default.
class GameListener {
public:
    virtual ~GameListener() = default;
    virtual void gridChanged() {}                        // repaint after a settling batch
    virtual void playSound(const char * /*name*/) {}     // "DIP", "GONG"
    virtual void scoreChanged(const TotalScore &) {}
    virtual void feederChanged() {}                      // after every refill
    virtual void undoRedoChanged(bool /*undo*/, bool /*redo*/) {}
    virtual void gameOver(const EndGameTexts &) {}       // runs the end-of-game windows
};

class Game {
public:
    // clock: what Reseed reads; by default the low 32 bits of the high-resolution clock.
    explicit Game(std::function<std::uint32_t()> clock = {});

    void setListener(GameListener *listener);

    const Board &board() const;

    // Deal
    void NewGame();
    void Reseed();
    std::int32_t RandomBelow(std::int32_t n);
    SymbolKind DrawBalancedKind();

    // Selection (the board view's events)
    void DrawGrid1SelectCell(std::int32_t column, std::int32_t row);
    SelectionResult SelectGroup();                 // the mouse-down
    RemovalResult RemoveGroup();                   // the double-click

    // Undo and redo, only while available
    bool undoAvailable() const;
    bool redoAvailable() const;
    void Undo();
    void Redo();

    // Mode: takes effect at the next removal
    std::int32_t gameMode() const;
    void setGameMode(std::int32_t mode);

    // Values
    CellPos CurrentCell() const;
    bool SuppressNextSelection() const;
    TotalScore totalScore() const;
    TotalScore undoScore() const;
    TotalScore redoScore() const;
    std::int32_t GameBonus() const;
    const std::array<std::int32_t, KindCount> &DealCounters() const;
    SymbolKind LastDrawnKind() const;
    bool AnyMoveLeft() const;
    std::int32_t SymbolsLeft() const;
};

}  // namespace engine
