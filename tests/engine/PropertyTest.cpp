// Thousands of random games in every mode, with the rules' invariants checked after each move
// by code of the test's own.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace enginetest;
using engine::CellState;
using engine::TotalScore;

namespace {

bool isSymbol(const Cell &c) { return c.state != CellState::Empty; }

// The group of (c, r), counted by a flood fill of the test's own.
int groupSize(const engine::Board &b, int c0, int r0)
{
    std::array<bool, engine::TotalCells> seen{};
    std::array<int, engine::TotalCells> stack{};
    int top = 0;
    int n = 0;
    const int kind = b.at(c0, r0).kind;
    stack[top++] = c0 * 12 + r0;
    seen[c0 * 12 + r0] = true;
    while (top > 0) {
        const int i = stack[--top];
        ++n;
        const int c = i / 12, r = i % 12;
        const int next[4][2] = {{c, r - 1}, {c, r + 1}, {c - 1, r}, {c + 1, r}};
        for (auto [nc, nr] : next) {
            if (nc < 0 || nc > 10 || nr < 0 || nr > 11) continue;
            const int j = nc * 12 + nr;
            if (!seen[j] && isSymbol(b.at(nc, nr)) && b.at(nc, nr).kind == kind) {
                seen[j] = true;
                stack[top++] = j;
            }
        }
    }
    return n;
}

bool anyPair(const engine::Board &b)
{
    for (int c = 0; c <= 10; ++c)
        for (int r = 0; r <= 11; ++r) {
            const Cell &x = b.at(c, r);
            if (!isSymbol(x)) continue;
            if (r < 11 && isSymbol(b.at(c, r + 1)) && b.at(c, r + 1).kind == x.kind) return true;
            if (c < 10 && isSymbol(b.at(c + 1, r)) && b.at(c + 1, r).kind == x.kind) return true;
        }
    return false;
}

int symbols(const engine::Board &b)
{
    int n = 0;
    for (int i = 0; i < engine::TotalCells; ++i) n += isSymbol(b.at(i / 12, i % 12));
    return n;
}

void checkInvariants(const Game &game, GameMode mode)
{
    const engine::Board &b = game.board();
    for (int c = 0; c <= 10; ++c)
        for (int r = 0; r < 11; ++r)
            ASSERT_FALSE(isSymbol(b.at(c, r)) && !isSymbol(b.at(c, r + 1)))
                << "column " << c << " not settled\n"
                << field(game);
    if (mode == GameMode::Standard || mode == GameMode::AddMegaRow) {
        for (int c = 0; c < 10; ++c)
            ASSERT_FALSE(isSymbol(b.at(c, 11)) && !isSymbol(b.at(c + 1, 11)))
                << "columns not packed right\n"
                << field(game);
    }
    if (mode == GameMode::AddMegaRow) {
        ASSERT_TRUE(isSymbol(b.at(0, 11))) << "an empty column was not fed\n" << field(game);
    }
    if (mode == GameMode::Shifter || mode == GameMode::ShiftMegaRow) {
        for (int r = 0; r <= 11; ++r)
            for (int c = 0; c < 10; ++c)
                ASSERT_FALSE(isSymbol(b.at(c, r)) && !isSymbol(b.at(c + 1, r)))
                    << "row " << r << " not packed right\n"
                    << field(game);
    }
    if (mode == GameMode::ShiftMegaRow) {
        ASSERT_TRUE(isSymbol(b.at(0, 11))) << "column 0 was not fed\n" << field(game);
    }
    // The feeder: Empty rows above, a block of 1 to 11 symbols at the bottom.
    int firstSymbol = 12;
    for (int r = 11; r >= 0 && isSymbol(b.at(engine::FeederColumn, r)); --r) firstSymbol = r;
    ASSERT_GE(firstSymbol, 1);
    ASSERT_LE(firstSymbol, 11);
    for (int r = 0; r < firstSymbol; ++r) ASSERT_FALSE(isSymbol(b.at(engine::FeederColumn, r)));
    for (int r = 0; r <= 11; ++r) ASSERT_LT(b.at(engine::FeederColumn, r).kind, 5);
}

void playRandomGames(GameMode mode, int games, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    Game game;
    game.setGameMode(mode);
    std::uint32_t clock = seed;
    game.setClock([&clock] { return clock++ * 2654435761u; });
    for (int g = 0; g < games; ++g) {
        game.NewGame();
        std::int64_t expectedTotal = 0;
        ASSERT_NO_FATAL_FAILURE(checkInvariants(game, mode));
        for (int move = 0; move < 400; ++move) {
            // Pick a cell; most of the time one that has a group.
            std::array<int, engine::TotalCells> movable{};
            int count = 0;
            for (int i = 0; i < engine::TotalCells; ++i)
                if (isSymbol(game.board().at(i / 12, i % 12)) &&
                    groupSize(game.board(), i / 12, i % 12) >= 2)
                    movable[count++] = i;
            ASSERT_EQ(count > 0, game.AnyMoveLeft());
            ASSERT_GT(count, 0) << "the game went on without a move";
            int i = movable[rng() % count];
            if (rng() % 8 == 0) i = static_cast<int>(rng() % engine::TotalCells);
            const int c = i / 12, r = i % 12;
            const bool acts = isSymbol(game.board().at(c, r)) && groupSize(game.board(), c, r) >= 2;
            const int n = acts ? groupSize(game.board(), c, r) : 0;
            const int before = symbols(game.board());

            game.DrawGrid1SelectCell(c, r);
            const auto preview = game.SelectGroup();
            ASSERT_EQ(preview.previewPoints, n * (n - 1));
            const auto removal = game.RemoveGroup();
            game.SelectGroup();
            ASSERT_EQ(removal.acted, acts);
            if (!acts) continue;
            ASSERT_EQ(removal.emptied, n);
            expectedTotal += static_cast<std::int64_t>(n) * (n - 1);
            ASSERT_EQ(removal.total, TotalScore::fromPoints(expectedTotal));
            ASSERT_EQ(game.totalScore(), TotalScore::fromPoints(expectedTotal));
            if (!engine::feedsEmptyColumns(mode)) {
                ASSERT_EQ(symbols(game.board()), before - n);
            }
            ASSERT_NO_FATAL_FAILURE(checkInvariants(game, mode));
            ASSERT_EQ(removal.gameOver, !anyPair(game.board()));

            // Undo then redo returns the same field and total.
            const engine::Board after = game.board();
            game.Undo();
            ASSERT_EQ(symbols(game.board()), before);
            game.Redo();
            ASSERT_EQ(game.board(), after);
            ASSERT_EQ(game.totalScore(), TotalScore::fromPoints(expectedTotal));
            if (removal.gameOver) break;
        }
    }
}

}  // namespace

TEST(RandomGames, Standard) { playRandomGames(GameMode::Standard, 800, 1); }
TEST(RandomGames, Shifter) { playRandomGames(GameMode::Shifter, 800, 2); }
TEST(RandomGames, AddMegaRow) { playRandomGames(GameMode::AddMegaRow, 600, 3); }
TEST(RandomGames, ShiftMegaRow) { playRandomGames(GameMode::ShiftMegaRow, 600, 4); }
TEST(RandomGames, OutOfRangeMode) { playRandomGames(GameMode{-7}, 400, 5); }
