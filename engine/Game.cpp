#include "Game.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>

namespace engine {

namespace {

constexpr std::int32_t LastRow = Rows - 1;                  // 11, the bottom row
constexpr std::int32_t LastFieldColumn = FieldColumns - 1;  // 10

std::uint32_t highResolutionClock()
{
    return static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

// The listener used while the window has set none: every call does nothing.
GameListener &silentListener()
{
    static GameListener silent;
    return silent;
}

bool isEmpty(const Cell &cell) { return cell.state == CellState::Empty; }

std::int32_t clamp32(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// One settling batch seen along a line of cells (a column from the bottom, a row from the right):
// index 0 is the far end (top, left), `last` the near end (bottom, right). Finds the nearest run
// of Empty cells that a symbol closes on the far side; returns false when there is none.
template <typename At>
bool findClosedRun(At at, std::int32_t last, std::int32_t &s, std::int32_t &e)
{
    std::int32_t i = last;
    while (i >= 0 && !isEmpty(at(i))) --i;
    if (i < 0) return false;
    e = i;
    while (i >= 0 && isEmpty(at(i))) --i;
    if (i < 0) return false;
    s = i;
    return true;
}

}  // namespace

Game::Game(Clock clock) : kindCap_(TotalCells / KindCount), listener_(&silentListener())
{
    setClock(std::move(clock));
}

void Game::setListener(GameListener *listener)
{
    listener_ = listener ? listener : &silentListener();
}

void Game::setClock(Clock clock)
{
    clock_ = clock ? std::move(clock) : Clock(&highResolutionClock);
}

const Board &Game::board() const { return board_; }

// ---------------------------------------------------------------- deal

void Game::Reseed() { seed_ = clock_(); }

std::int32_t Game::RandomBelow(std::int32_t n)
{
    if (randomSource_) return randomSource_(n);
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<std::int32_t>(
        (static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(n)) >> 32);
}

SymbolKind Game::DrawBalancedKind()
{
    for (;;) {
        const std::int32_t k = RandomBelow(KindCount);
        lastDrawnKind_ = static_cast<SymbolKind>(k);
        bool accepted = false;
        if (dealCounters_[k] < kindCap_) {
            ++dealCounters_[k];
            accepted = true;
        }
        // Past 130 draws every counter is full: the first kind drawn is taken, uncounted.
        if (std::all_of(dealCounters_.begin(), dealCounters_.end(),
                        [this](std::int32_t c) { return c == kindCap_; }))
            accepted = true;
        if (accepted) return lastDrawnKind_;
    }
}

void Game::NewGame()
{
    dealCounters_.fill(0);
    suppressNextSelection_ = false;
    Reseed();
    for (std::int32_t c = 0; c < FieldColumns; ++c) {
        Cell *col = board_.column(c);
        for (std::int32_t r = 0; r < Rows; ++r) {
            col[r].state = CellState::Normal;
            col[r].kind = DrawBalancedKind();
        }
    }
    totalScore_ = TotalScore{};
    listener_->scoreChanged(totalScore_);
    FillFeeder();
    listener_->gridChanged();
}

// ---------------------------------------------------------------- selection

void Game::DrawGrid1SelectCell(std::int32_t column, std::int32_t row)
{
    // The grid only reports cells of the field; anything else would index outside the board.
    if (column < 0 || column > LastFieldColumn || row < 0 || row > LastRow) return;
    currentCell_ = {column, row};
}

void Game::NormalizeColors()
{
    Cell *cells = board_.column(0);
    for (std::int32_t i = 0; i < TotalCells; ++i) {
        if (!isEmpty(cells[i])) {
            cells[i].state = CellState::Normal;
            cells[i].mark = 0;
        }
    }
    selectionCount_ = 0;
}

void Game::HighlightNextCols(std::int32_t column, std::int32_t row)
{
    Cell &cell = board_.at(column, row);
    if (isEmpty(cell) || cell.mark) return;
    cell.state = CellState::Selected;
    cell.mark = 1;
    const SymbolKind kind = cell.kind;
    auto visit = [&](std::int32_t c, std::int32_t r) {
        Cell &n = board_.at(c, r);
        if (!isEmpty(n) && n.mark == 0 && n.kind == kind) {
            n.state = CellState::Selected;
            HighlightNextCols(c, r);
        }
    };
    if (row > 0) visit(column, row - 1);
    if (row < LastRow) visit(column, row + 1);
    if (column > 0) visit(column - 1, row);
    if (column < LastFieldColumn) visit(column + 1, row);
}

SelectionResult Game::SelectGroup()
{
    NormalizeColors();
    if (!suppressNextSelection_) HighlightNextCols(currentCell_.column, currentCell_.row);
    const bool wasSuppressed = suppressNextSelection_;
    suppressNextSelection_ = false;

    std::int32_t n = 0;
    const Cell *cells = board_.column(0);
    for (std::int32_t i = 0; i < TotalCells; ++i)
        if (cells[i].mark && !isEmpty(cells[i])) ++n;

    SelectionResult result;
    result.previewPoints = n >= 2 ? n * (n - 1) : 0;
    selectionCount_ = 0;
    result.drawBubble = !wasSuppressed;
    return result;
}

bool Game::IsIsolated(std::int32_t column, std::int32_t row) const
{
    const SymbolKind kind = board_.at(column, row).kind;
    auto same = [&](std::int32_t c, std::int32_t r) {
        const Cell &n = board_.at(c, r);
        return !isEmpty(n) && n.kind == kind;
    };
    if (row > 0 && same(column, row - 1)) return false;
    if (row < LastRow && same(column, row + 1)) return false;
    if (column > 0 && same(column - 1, row)) return false;
    if (column < LastFieldColumn && same(column + 1, row)) return false;
    return true;
}

// ---------------------------------------------------------------- removal

RemovalResult Game::RemoveGroup()
{
    RemovalResult result;
    result.total = totalScore_;
    const Cell &current = board_.at(currentCell_.column, currentCell_.row);
    if (isEmpty(current) || IsIsolated(currentCell_.column, currentCell_.row)) return result;
    result.acted = true;

    selectionCount_ = 0;
    std::int32_t emptied = 0;
    Cell *last = nullptr;
    Cell *cells = board_.column(0);
    // The field is the first 132 cells of the board, in the snapshot's own layout.
    for (std::int32_t i = 0; i < TotalCells; ++i) {
        undoBoard_[i] = cells[i];
        if (cells[i].state == CellState::Selected) {
            cells[i].state = CellState::Empty;
            ++emptied;
            ++selectionCount_;
            last = &cells[i];
        }
    }
    setUndoRedo(true, redoAvailable_);

    // A lone selected cell is no group: it stays, and the removal scores nothing.
    if (emptied < 2 && last) last->state = CellState::Normal;
    if (emptied > 6) listener_->playSound("DIP");

    undoScore_ = totalScore_;
    totalScore_ += static_cast<std::int64_t>(selectionCount_) * (selectionCount_ - 1);
    listener_->scoreChanged(totalScore_);
    selectionCount_ = 0;

    SettleAllColumns();
    switch (gameMode_) {
    case GameMode::Standard: RemoveEmptyColumns(); break;
    case GameMode::Shifter: ShiftAllRowsRight(); break;
    case GameMode::AddMegaRow:
        RemoveEmptyColumns();
        FeedEmptyColumns();
        break;
    case GameMode::ShiftMegaRow:
        ShiftAllRowsRight();
        FeedEmptyColumns();
        break;
    default: break;  // a hand-edited mode: the fall alone
    }

    suppressNextSelection_ = true;
    listener_->gridChanged();

    result.emptied = emptied;
    result.total = totalScore_;
    if (!AnyMoveLeft()) {
        result.gameOver = true;
        EndGame();
    }
    return result;
}

void Game::SettleColumn(std::int32_t column)
{
    Cell *col = board_.column(column);
    auto at = [col](std::int32_t r) -> const Cell & { return col[r]; };
    std::int32_t s = 0;
    std::int32_t e = 0;
    while (findClosedRun(at, LastRow, s, e)) {
        // e - s single rotations of rows 0..e, each taking the bottom cell of the run to row 0:
        // together one rotation that brings the run, in its order, to the top.
        std::rotate(col, col + s + 1, col + e + 1);
        listener_->gridChanged();
    }
}

void Game::SettleAllColumns()
{
    for (std::int32_t c = 0; c < FieldColumns; ++c) SettleColumn(c);
}

void Game::ShiftRowRight(std::int32_t row)
{
    auto at = [this, row](std::int32_t c) -> const Cell & { return board_.at(c, row); };
    std::int32_t s = 0;
    std::int32_t e = 0;
    while (findClosedRun(at, LastFieldColumn, s, e)) {
        // The row's cells are a column apart; rotate columns 0..e through a small buffer.
        std::array<Cell, FieldColumns> line;
        for (std::int32_t c = 0; c <= e; ++c) line[c] = board_.at(c, row);
        std::rotate(line.begin(), line.begin() + s + 1, line.begin() + e + 1);
        for (std::int32_t c = 0; c <= e; ++c) board_.at(c, row) = line[c];
        listener_->gridChanged();
    }
}

void Game::ShiftAllRowsRight()
{
    for (std::int32_t r = 0; r < Rows; ++r) ShiftRowRight(r);
}

void Game::CloseEmptyColumn(std::int32_t column)
{
    for (std::int32_t c = column - 1; c >= 0; --c)
        std::copy_n(board_.column(c), Rows, board_.column(c + 1));
    Cell *col = board_.column(0);
    for (std::int32_t r = 0; r < Rows; ++r) {
        col[r].kind = FillerKind;
        col[r].state = CellState::Empty;
    }
}

void Game::RemoveEmptyColumns()
{
    for (std::int32_t i = 0; i < FieldColumns; ++i)
        if (isEmpty(board_.at(i, LastRow))) CloseEmptyColumn(i);
}

// ---------------------------------------------------------------- feeder

void Game::FillFeeder()
{
    Reseed();
    const std::int32_t s = RandomBelow(11);
    Cell *feeder = board_.column(FeederColumn);
    // Row s + 1 is written twice and ends holding a symbol; every write draws a kind.
    for (std::int32_t r = 0; r <= s + 1; ++r) {
        feeder[r].state = CellState::Empty;
        feeder[r].kind = static_cast<SymbolKind>(RandomBelow(KindCount));
    }
    for (std::int32_t r = s + 1; r < Rows; ++r) {
        feeder[r].state = CellState::Normal;
        feeder[r].kind = static_cast<SymbolKind>(RandomBelow(KindCount));
    }
    listener_->feederChanged();
}

void Game::PlaceFeederSymbol(std::int32_t column, std::int32_t row)
{
    const Cell &waiting = board_.at(FeederColumn, row);
    if (isEmpty(waiting)) return;
    Cell &cell = board_.at(column, row);
    cell.kind = waiting.kind;
    cell.state = CellState::Normal;
}

std::int32_t Game::RightmostEmptyInRow(std::int32_t row) const
{
    for (std::int32_t c = LastFieldColumn; c >= 0; --c)
        if (isEmpty(board_.at(c, row))) return c;
    return 0;
}

void Game::FeedEmptyColumns()
{
    // Only the feeding modes place symbols; elsewhere the loop below would never end.
    const GameMode mode = gameMode_;
    if (!feedsEmptyColumns(mode)) return;
    while (isEmpty(board_.at(0, LastRow))) {
        for (std::int32_t j = 0; j < FieldColumns; ++j) {
            if (!isEmpty(board_.at(j, LastRow))) continue;
            for (std::int32_t r = LastRow; r >= 0; --r) {
                if (mode == GameMode::AddMegaRow)
                    PlaceFeederSymbol(0, r);
                else
                    PlaceFeederSymbol(RightmostEmptyInRow(r), r);
            }
        }
        if (mode == GameMode::AddMegaRow) RemoveEmptyColumns();
        FillFeeder();
    }
}

// ---------------------------------------------------------------- scoring and end of game

bool Game::AnyMoveLeft() const
{
    for (std::int32_t c = 0; c < FieldColumns; ++c) {
        const Cell *col = board_.column(c);
        for (std::int32_t r = 0; r < LastRow; ++r)
            if (!isEmpty(col[r]) && !isEmpty(col[r + 1]) && col[r].kind == col[r + 1].kind)
                return true;
    }
    for (std::int32_t r = 0; r < Rows; ++r) {
        for (std::int32_t c = 0; c < LastFieldColumn; ++c) {
            const Cell &a = board_.at(c, r);
            const Cell &b = board_.at(c + 1, r);
            if (!isEmpty(a) && !isEmpty(b) && a.kind == b.kind) return true;
        }
    }
    return false;
}

std::int32_t Game::SymbolsLeft() const
{
    const Cell *cells = board_.column(0);
    return static_cast<std::int32_t>(
        std::count_if(cells, cells + TotalCells, [](const Cell &c) { return !isEmpty(c); }));
}

void Game::EndGame()
{
    listener_->playSound("GONG");
    EndGameTexts &t = endGameTexts_;
    const auto total = totalScore_.text();
    std::snprintf(t.results.data(), t.results.size(), "You ve earned %s points ", total.data());
    const std::int32_t n = SymbolsLeft();
    std::snprintf(t.leftover.data(), t.leftover.size(), "You have left %d balls ",
                  static_cast<int>(n));
    if (n <= 0) {
        std::snprintf(t.bonus.data(), t.bonus.size(),
                      "Congratulation, you receive a bonus of 1000 points !");
        gameBonus_ = 1000;
    } else {
        gameBonus_ = 1000 / n;
        std::snprintf(t.bonus.data(), t.bonus.size(), "so you receive a bonus of %d points !",
                      static_cast<int>(gameBonus_));
    }
    // The points read back as a 32-bit score: taken from the 64-bit total and clamped, and the
    // sum with the bonus clamped too, so a very long feeding game can neither overflow nor fail.
    t.points = totalScore_.points32();
    t.bonusPoints = gameBonus_;
    t.entryPoints = clamp32(static_cast<std::int64_t>(t.points) + gameBonus_);
    std::snprintf(t.totalLine.data(), t.totalLine.size(), "Your total score is: %d!!",
                  static_cast<int>(t.entryPoints));
    listener_->gameOver(t);
}

const EndGameTexts &Game::lastEndGameTexts() const { return endGameTexts_; }

// ---------------------------------------------------------------- undo and redo

bool Game::undoAvailable() const { return undoAvailable_; }
bool Game::redoAvailable() const { return redoAvailable_; }

void Game::setUndoRedo(bool undo, bool redo)
{
    if (undo == undoAvailable_ && redo == redoAvailable_) return;
    undoAvailable_ = undo;
    redoAvailable_ = redo;
    listener_->undoRedoChanged(undo, redo);
}

void Game::Undo()
{
    if (!undoAvailable_) return;
    Cell *cells = board_.column(0);
    for (std::int32_t i = 0; i < TotalCells; ++i) {
        redoBoard_[i] = cells[i];
        cells[i] = undoBoard_[i];
    }
    redoScore_ = totalScore_;
    totalScore_ = undoScore_;
    listener_->scoreChanged(totalScore_);
    setUndoRedo(false, true);
    listener_->gridChanged();
}

void Game::Redo()
{
    if (!redoAvailable_) return;
    std::copy(redoBoard_.begin(), redoBoard_.end(), board_.column(0));
    totalScore_ = redoScore_;
    listener_->scoreChanged(totalScore_);
    setUndoRedo(true, false);
    listener_->gridChanged();
}

// ---------------------------------------------------------------- values

GameMode Game::gameMode() const { return gameMode_; }
void Game::setGameMode(GameMode mode) { gameMode_ = mode; }
CellPos Game::CurrentCell() const { return currentCell_; }
bool Game::SuppressNextSelection() const { return suppressNextSelection_; }
std::int32_t Game::SelectionCount() const { return selectionCount_; }
TotalScore Game::totalScore() const { return totalScore_; }
TotalScore Game::UndoScore() const { return undoScore_; }
TotalScore Game::RedoScore() const { return redoScore_; }
std::int32_t Game::GameBonus() const { return gameBonus_; }
const std::array<std::int32_t, KindCount> &Game::DealCounters() const { return dealCounters_; }
SymbolKind Game::LastDrawnKind() const { return lastDrawnKind_; }
std::int32_t Game::KindCap() const { return kindCap_; }
const FieldSnapshot &Game::UndoBoard() const { return undoBoard_; }
const FieldSnapshot &Game::RedoBoard() const { return redoBoard_; }

Board &Game::boardForTesting() { return board_; }
void Game::setTotalScoreForTesting(TotalScore total) { totalScore_ = total; }
void Game::setSeedForTesting(std::uint32_t seed) { seed_ = seed; }
std::uint32_t Game::seedForTesting() const { return seed_; }

void Game::setRandomSourceForTesting(std::function<std::int32_t(std::int32_t)> source)
{
    randomSource_ = std::move(source);
}

}  // namespace engine
