// The random source, the balanced deal and NewGame.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace enginetest;
using engine::CellState;

TEST(RandomSource, IsTheThirtyTwoBitCongruentialGenerator)
{
    Game game;
    game.setSeedForTesting(0);
    EXPECT_EQ(game.RandomBelow(1000), 0);
    EXPECT_EQ(game.seedForTesting(), 1u);
    EXPECT_EQ(game.RandomBelow(1000), 31);
    EXPECT_EQ(game.RandomBelow(1000), 861);
    EXPECT_EQ(game.seedForTesting(), 3698175007u);
    EXPECT_EQ(game.RandomBelow(5), 1);

    game.setSeedForTesting(0xdeadbeef);
    EXPECT_EQ(game.RandomBelow(11), 4);
    EXPECT_EQ(game.RandomBelow(2147483647), 378552494);
    EXPECT_EQ(game.RandomBelow(11), 6);
    EXPECT_EQ(game.seedForTesting(), 2537454290u);
}

TEST(RandomSource, ReseedReadsTheInjectedClock)
{
    Game game(countingClock(41));
    game.Reseed();
    EXPECT_EQ(game.seedForTesting(), 41u);
    game.Reseed();
    EXPECT_EQ(game.seedForTesting(), 42u);
    game.setClock([] { return 7u; });
    game.Reseed();
    EXPECT_EQ(game.seedForTesting(), 7u);
}

TEST(NewGame, DealsAFullBalancedField)
{
    for (std::uint32_t clock : {0u, 1u, 99u, 123456u, 0xffffffffu}) {
        Game game(countingClock(clock));
        game.NewGame();
        std::array<int, 5> counts{};
        std::array<int, 5> first130{};
        for (int c = 0; c < engine::FieldColumns; ++c) {
            for (int r = 0; r < engine::Rows; ++r) {
                const auto &cell = game.board().at(c, r);
                ASSERT_EQ(cell.state, CellState::Normal);
                ASSERT_LT(cell.kind, 5);
                ++counts[cell.kind];
                if (c * 12 + r < 130) ++first130[cell.kind];
            }
        }
        EXPECT_EQ(first130, (std::array<int, 5>{26, 26, 26, 26, 26}));
        std::sort(counts.begin(), counts.end());
        EXPECT_TRUE(counts == (std::array<int, 5>{26, 26, 26, 26, 28}) ||
                    counts == (std::array<int, 5>{26, 26, 26, 27, 27}));
        EXPECT_EQ(game.DealCounters(), (std::array<std::int32_t, 5>{26, 26, 26, 26, 26}));
        EXPECT_EQ(game.KindCap(), 26);
    }
}

TEST(NewGame, AFixedGeneratorGivesAFixedField)
{
    Game game;
    int next = 0;
    game.setRandomSourceForTesting([&next](std::int32_t n) { return n == 5 ? next++ % 5 : 0; });
    game.NewGame();
    for (int i = 0; i < 24; ++i) EXPECT_EQ(game.board().at(i / 12, i % 12).kind, i % 5) << i;
}

TEST(NewGame, ADrawOverTheCapIsDiscardedAndDrawnAgain)
{
    // 27 zeros first: the 27th is discarded; then 1, 2, 3, 4, 0, 1, ... where every later 0
    // is discarded too, so the first 130 cells still hold 26 of each kind.
    Game game;
    int calls = 0;
    game.setRandomSourceForTesting([&calls](std::int32_t n) {
        if (n != 5) return 0;
        const int i = calls++;
        return i < 27 ? 0 : (i - 27) % 5 == 4 ? 0 : (i - 27) % 5 + 1;
    });
    game.NewGame();
    const engine::Board &b = game.board();
    EXPECT_EQ(b.at(2, 1).kind, 0);  // cell 25
    EXPECT_EQ(b.at(2, 2).kind, 1);  // cell 26: the discarded zero cost one more draw
    std::array<int, 5> counts{};
    for (int i = 0; i < 130; ++i) ++counts[b.at(i / 12, i % 12).kind];
    EXPECT_EQ(counts, (std::array<int, 5>{26, 26, 26, 26, 26}));
    EXPECT_EQ(game.DealCounters(), (std::array<std::int32_t, 5>{26, 26, 26, 26, 26}));
}

TEST(DrawBalancedKind, PastTheCapReturnsTheFirstKindDrawnUncounted)
{
    Game game;
    int next = 0;
    game.setRandomSourceForTesting([&next](std::int32_t n) { return n == 5 ? next++ % 5 : 0; });
    game.NewGame();
    // Draws 131 and 132 give kinds 0 and 1; every counter stays at the cap.
    EXPECT_EQ(game.board().at(10, 10).kind, 0);
    EXPECT_EQ(game.board().at(10, 11).kind, 1);
    EXPECT_EQ(game.DealCounters(), (std::array<std::int32_t, 5>{26, 26, 26, 26, 26}));
    // The feeder's refill took 13 more kinds from the same source (draws 133 to 145).
    EXPECT_EQ(next, 145);
    next = 2;
    EXPECT_EQ(game.DrawBalancedKind(), 2);
    EXPECT_EQ(game.LastDrawnKind(), 2);
    EXPECT_EQ(next, 3);
    EXPECT_EQ(game.DealCounters(), (std::array<std::int32_t, 5>{26, 26, 26, 26, 26}));
}

TEST(NewGame, KeepsUndoModeCurrentCellAndBonus)
{
    Game game(countingClock(5));
    game.NewGame();
    setField(game, {"11........."});
    game.DrawGrid1SelectCell(0, 11);
    game.SelectGroup();
    game.setGameMode(GameMode::Shifter);
    ASSERT_TRUE(game.RemoveGroup().gameOver);
    ASSERT_EQ(game.GameBonus(), 1000);
    game.DrawGrid1SelectCell(4, 7);
    RecordingListener listener;
    game.setListener(&listener);
    game.NewGame();
    EXPECT_TRUE(game.undoAvailable());
    EXPECT_FALSE(game.redoAvailable());
    EXPECT_EQ(game.gameMode(), GameMode::Shifter);
    EXPECT_EQ(game.CurrentCell(), (engine::CellPos{4, 7}));
    EXPECT_EQ(game.GameBonus(), 1000);
    EXPECT_EQ(game.totalScore(), engine::TotalScore{});
    EXPECT_EQ(game.UndoScore(), engine::TotalScore{});
    EXPECT_FALSE(game.SuppressNextSelection());
    EXPECT_EQ(listener.events, (std::vector<std::string>{"score 0", "feeder", "grid"}));
}

TEST(FillFeeder, LeavesABottomBlockOfOneToElevenSymbols)
{
    for (int s = 0; s <= 10; ++s) {
        Game game;
        int calls = 0;
        game.setRandomSourceForTesting([&](std::int32_t n) {
            ++calls;
            return n == 11 ? s : 2;
        });
        game.FillFeeder();
        EXPECT_EQ(calls, 14);  // s, then s + 2 writes above, 11 - s below
        std::string expected(12, '2');
        std::fill(expected.begin(), expected.begin() + s + 1, '.');
        EXPECT_EQ(feeder(game), expected);
    }
}

TEST(FillFeeder, ReseedsAndLeavesTheDealCountersAlone)
{
    int reads = 0;
    Game game([&reads] { return static_cast<std::uint32_t>(reads++); });
    game.NewGame();
    EXPECT_EQ(reads, 2);  // NewGame and its FillFeeder
    const auto counters = game.DealCounters();
    game.FillFeeder();
    EXPECT_EQ(reads, 3);
    EXPECT_EQ(game.DealCounters(), counters);
}
