// Timings of the engine's hot paths: the deal, the group search, a removal with its settling and
// feeding in each mode, and whole games played by a simple player.
#include "Game.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using engine::CellState;
using engine::Game;
using engine::GameMode;

// A fixed, counting clock: every run deals the same boards.
Game makeGame(std::uint32_t &clock, GameMode mode)
{
    Game game([&clock] { return clock++; });
    game.setGameMode(mode);
    return game;
}

// The first cell with a group, searching column by column from `start`; -1 when none.
int movableCell(const Game &game, int start)
{
    for (int k = 0; k < engine::TotalCells; ++k) {
        const int i = (start + k) % engine::TotalCells;
        const int c = i / engine::Rows, r = i % engine::Rows;
        if (game.board().at(c, r).state != CellState::Empty && !game.IsIsolated(c, r)) return i;
    }
    return -1;
}

// Counts refills of the feeder.
class RefillCounter : public engine::GameListener {
public:
    int refills = 0;
    void feederChanged() override { ++refills; }
};

struct Position {
    engine::Board board;
    int cell;
};

// Positions from random games, each with a cell whose group is to go; with `feeding`, only
// those whose removal empties a column and so feeds (AddMegaRow and ShiftMegaRow).
std::vector<Position> positions(GameMode mode, bool feeding = false)
{
    std::vector<Position> out;
    std::uint32_t clock = 1000;
    Game game = makeGame(clock, mode);
    RefillCounter counter;
    game.setListener(&counter);
    while (out.size() < 256) {
        game.NewGame();
        for (int move = 0; move < 200 && out.size() < 256; ++move) {
            const int i = movableCell(game, move * 37);
            if (i < 0) break;
            const Position p{game.board(), i};
            game.DrawGrid1SelectCell(i / engine::Rows, i % engine::Rows);
            game.SelectGroup();
            counter.refills = 0;
            const bool over = game.RemoveGroup().gameOver;
            game.SelectGroup();  // the press that ends the double-click
            if (!feeding || counter.refills > 0) out.push_back(p);
            if (over) break;
        }
    }
    return out;
}

void BM_NewGame(benchmark::State &state)
{
    std::uint32_t clock = 1;
    Game game = makeGame(clock, GameMode::Standard);
    for (auto _ : state) {
        game.NewGame();
        benchmark::DoNotOptimize(game.board());
    }
}
BENCHMARK(BM_NewGame);

void BM_SelectGroupWholeField(benchmark::State &state)
{
    Game game;  // before any deal: one group of all 132 cells
    game.DrawGrid1SelectCell(5, 6);
    for (auto _ : state) benchmark::DoNotOptimize(game.SelectGroup());
    state.counters["points"] = game.SelectGroup().previewPoints;
}
BENCHMARK(BM_SelectGroupWholeField);

// One move as the board view makes it: press (select), double-click (remove, settle, feed, test
// for the end) and the press that ends the double-click. The restore of the position is a copy
// of 432 bytes. Without the removal (PressOnly) it measures the restore and the selection, to
// take them out of the figure.
template <bool Remove>
void pressOnPositions(benchmark::State &state)
{
    const auto mode = static_cast<GameMode>(state.range(0));
    const std::vector<Position> pool = positions(mode, state.range(1) != 0);
    std::uint32_t clock = 7;
    Game game = makeGame(clock, mode);
    std::size_t k = 0;
    for (auto _ : state) {
        const Position &p = pool[k++ % pool.size()];
        game.boardForTesting() = p.board;
        game.DrawGrid1SelectCell(p.cell / engine::Rows, p.cell % engine::Rows);
        benchmark::DoNotOptimize(game.SelectGroup());
        if constexpr (Remove) {
            benchmark::DoNotOptimize(game.RemoveGroup());
            benchmark::DoNotOptimize(game.SelectGroup());
        }
    }
}

void BM_PressAndRemove(benchmark::State &state) { pressOnPositions<true>(state); }
void BM_PressOnly(benchmark::State &state) { pressOnPositions<false>(state); }

// Any removal, and removals that feed.
void modesAndFeeding(benchmark::internal::Benchmark *benchmark)
{
    for (const std::int64_t mode : {0, 1, 2, 3}) benchmark->Args({mode, 0});
    for (const std::int64_t mode : {2, 3}) benchmark->Args({mode, 1});
    benchmark->ArgNames({"mode", "feeding"});
}
BENCHMARK(BM_PressAndRemove)->Apply(modesAndFeeding);
BENCHMARK(BM_PressOnly)->Apply(modesAndFeeding);

// A whole game: the deal, then moves on the first movable cell from a wandering start, with the
// press that ends each double-click, until no move is left (feeding modes: at most 1000 moves).
void BM_WholeGame(benchmark::State &state)
{
    const auto mode = static_cast<GameMode>(state.range(0));
    std::uint32_t clock = 1;
    Game game = makeGame(clock, mode);
    long moves = 0;
    long games = 0;
    for (auto _ : state) {
        game.NewGame();
        ++games;
        for (int move = 0; move < 1000; ++move) {
            const int i = movableCell(game, move * 53);
            if (i < 0) break;
            game.DrawGrid1SelectCell(i / engine::Rows, i % engine::Rows);
            game.SelectGroup();
            const auto removal = game.RemoveGroup();
            game.SelectGroup();
            ++moves;
            if (removal.gameOver) break;
        }
    }
    state.counters["moves/game"] = static_cast<double>(moves) / static_cast<double>(games);
}
BENCHMARK(BM_WholeGame)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->ArgName("mode");

}  // namespace
