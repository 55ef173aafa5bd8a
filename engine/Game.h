#pragma once
// The game model: deal, selection, removal and settling, modes and feeder, scoring, end of
// game, undo and redo. Plain C++; no allocation after construction.
//
// This header is the contract the windows build on. Method names are the game's own
// (NewGame, RemoveGroup, SettleColumn, ...).

#include "Board.h"
#include "GameMode.h"
#include "TotalScore.h"

#include <array>
#include <cstdint>
#include <functional>

namespace engine {

struct CellPos {
    std::int32_t column = 0;
    std::int32_t row = 0;
    bool operator==(const CellPos &) const = default;
};

struct SelectionResult {
    std::int32_t previewPoints = 0;  // n x (n - 1) for n >= 2, else 0
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
    std::int32_t points = 0;           // P, the total clamped to 32 bits
    std::int32_t bonusPoints = 0;      // GameBonus
    std::int32_t entryPoints = 0;      // P + GameBonus, clamped to 32 bits: the high score entry
};

// What leaves the engine for the window. Every call has an empty default.
class GameListener {
public:
    virtual ~GameListener() = default;
    virtual void gridChanged() {}                     // repaint after a settling batch
    virtual void playSound(const char * /*name*/) {}  // "DIP", "GONG"
    virtual void scoreChanged(const TotalScore &) {}
    virtual void feederChanged() {}  // after every refill
    virtual void undoRedoChanged(bool /*undo*/, bool /*redo*/) {}
    virtual void gameOver(const EndGameTexts &) {}  // runs the end-of-game windows
};

class Game {
public:
    using Clock = std::function<std::uint32_t()>;

    // clock: what Reseed reads; by default the low 32 bits of the high-resolution clock.
    explicit Game(Clock clock = {});

    // nullptr restores the silent default listener.
    void setListener(GameListener *listener);
    // Replaces the clock Reseed reads (an empty function restores the real clock).
    void setClock(Clock clock);

    const Board &board() const;

    // Deal
    void NewGame();
    void Reseed();
    std::int32_t RandomBelow(std::int32_t n);
    SymbolKind DrawBalancedKind();

    // Selection (the board view's events)
    void DrawGrid1SelectCell(std::int32_t column, std::int32_t row);
    SelectionResult SelectGroup();  // the mouse-down
    RemovalResult RemoveGroup();    // the double-click
    void NormalizeColors();
    void HighlightNextCols(std::int32_t column, std::int32_t row);
    bool IsIsolated(std::int32_t column, std::int32_t row) const;

    // Settling (parts of RemoveGroup, public for tests)
    void SettleColumn(std::int32_t column);
    void SettleAllColumns();
    void ShiftRowRight(std::int32_t row);
    void ShiftAllRowsRight();
    void CloseEmptyColumn(std::int32_t column);
    void RemoveEmptyColumns();

    // Feeder (AddMegaRow and ShiftMegaRow)
    void FillFeeder();
    void PlaceFeederSymbol(std::int32_t column, std::int32_t row);
    std::int32_t RightmostEmptyInRow(std::int32_t row) const;
    void FeedEmptyColumns();  // does nothing in the other modes

    // End of game: plays "GONG", composes the texts, sets GameBonus, calls gameOver(texts).
    // Callable on its own (RemoveGroup calls it when no move is left).
    void EndGame();
    const EndGameTexts &lastEndGameTexts() const;

    // Undo and redo, only while available (otherwise they do nothing)
    bool undoAvailable() const;
    bool redoAvailable() const;
    void Undo();
    void Redo();

    // Mode: takes effect at the next removal
    GameMode gameMode() const;
    void setGameMode(GameMode mode);

    // Values
    CellPos CurrentCell() const;
    bool SuppressNextSelection() const;
    std::int32_t SelectionCount() const;
    TotalScore totalScore() const;
    TotalScore UndoScore() const;
    TotalScore RedoScore() const;
    std::int32_t GameBonus() const;
    const std::array<std::int32_t, KindCount> &DealCounters() const;
    SymbolKind LastDrawnKind() const;
    std::int32_t KindCap() const;
    bool AnyMoveLeft() const;
    std::int32_t SymbolsLeft() const;
    const FieldSnapshot &UndoBoard() const;
    const FieldSnapshot &RedoBoard() const;

    // For tests: set up positions and the random source directly.
    Board &boardForTesting();
    void setTotalScoreForTesting(TotalScore total);
    void setSeedForTesting(std::uint32_t seed);
    std::uint32_t seedForTesting() const;
    // Replaces RandomBelow's generator (an empty function restores the generator).
    void setRandomSourceForTesting(std::function<std::int32_t(std::int32_t)> source);

private:
    void setUndoRedo(bool undo, bool redo);

    Board board_{};
    FieldSnapshot undoBoard_{};
    FieldSnapshot redoBoard_{};
    std::array<std::int32_t, KindCount> dealCounters_{};
    std::int32_t kindCap_ = 0;
    SymbolKind lastDrawnKind_ = 0;
    std::uint32_t seed_ = 0;
    CellPos currentCell_{};
    std::int32_t selectionCount_ = 0;
    bool suppressNextSelection_ = false;
    TotalScore totalScore_{};
    TotalScore undoScore_{};
    TotalScore redoScore_{};
    bool undoAvailable_ = false;
    bool redoAvailable_ = false;
    GameMode gameMode_ = GameMode::Standard;
    std::int32_t gameBonus_ = 0;
    EndGameTexts endGameTexts_{};
    Clock clock_;
    std::function<std::int32_t(std::int32_t)> randomSource_;
    GameListener *listener_ = nullptr;
};

}  // namespace engine
