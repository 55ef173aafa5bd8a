// The game modes, the feeder column and the feeding loop.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

using namespace enginetest;
using engine::CellState;

namespace {

// Three columns at the left emptied in one removal of three 0s.
const boardtext::BoardRows ThreeColumnsGo = {"...43214321", "00012341234"};

// Refill k (counted from 1) draws s from `blocks` and gives all its symbols kind k mod 5.
void scriptRefills(Game &game, std::vector<int> blocks, int &refills)
{
    game.setRandomSourceForTesting([&refills, blocks](std::int32_t n) {
        if (n == 11) return blocks.at(refills++);
        return refills % 5;
    });
}

}  // namespace

TEST(GameModeCaption, NamesTheFourModes)
{
    EXPECT_STREQ(engine::GameModeCaption(GameMode::Standard), "Standard");
    EXPECT_STREQ(engine::GameModeCaption(GameMode::Shifter), "Shifter");
    EXPECT_STREQ(engine::GameModeCaption(GameMode::AddMegaRow), "Add Mega Row");
    EXPECT_STREQ(engine::GameModeCaption(GameMode::ShiftMegaRow), "Shift Mega Row");
    EXPECT_EQ(engine::GameModeCaption(GameMode{4}), nullptr);
    EXPECT_EQ(engine::GameModeCaption(GameMode{-1}), nullptr);
}

TEST(PlaceFeederSymbol, CopiesKindAndNormalStateOnlyFromASymbol)
{
    Game game;
    setField(game, ThreeColumnsGo);
    setFeeder(game, "..........32");
    game.boardForTesting().at(0, 11).mark = 1;
    game.PlaceFeederSymbol(0, 11);
    EXPECT_EQ(game.board().at(0, 11), (Cell{2, CellState::Normal, 1}));
    game.PlaceFeederSymbol(5, 0);  // feeder row 0 is Empty
    EXPECT_EQ(game.board().at(5, 0).state, CellState::Empty);
    EXPECT_EQ(feeder(game), "..........32");
}

TEST(RightmostEmptyInRow, SearchesFromTheRightAndGivesZeroForAFullRow)
{
    Game game;
    setField(game, ThreeColumnsGo);
    EXPECT_EQ(game.RightmostEmptyInRow(11), 0);
    EXPECT_EQ(game.RightmostEmptyInRow(10), 2);
    EXPECT_EQ(game.RightmostEmptyInRow(0), 10);
}

TEST(ModeAddMegaRow, OneEmptyColumnIsReplacedInOnePass)
{
    Game game;
    setField(game, {"1.3.3.3.3.3", "10101010101"});
    setFeeder(game, "....44444444");
    int refills = 0;
    scriptRefills(game, {7}, refills);
    game.setGameMode(GameMode::AddMegaRow);
    RecordingListener listener;
    game.setListener(&listener);
    doubleClickAt(game, 0, 11);
    EXPECT_EQ(listener.count("feeder"), 1);
    EXPECT_EQ(field(game), rows({"4..........", "4..........", "4..........", "4..........",
                                 "4..........", "4..........", "4.3.3.3.3.3", "40101010101"}));
    EXPECT_EQ(feeder(game), "........1111");
}

TEST(ModeAddMegaRow, ThreeEmptyColumnsTakeThreePassesFromRightToLeft)
{
    Game game;
    setField(game, ThreeColumnsGo);
    setFeeder(game, "........4444");
    int refills = 0;
    scriptRefills(game, {10, 0, 5}, refills);
    game.setGameMode(GameMode::AddMegaRow);
    RecordingListener listener;
    game.setListener(&listener);
    doubleClickAt(game, 0, 11);
    EXPECT_EQ(listener.count("feeder"), 3);
    EXPECT_EQ(field(game), rows({"2..........", "2..........", "2..........", "2..........",
                                 "2..........", "2..........", "2..........", "2.4........",
                                 "2.4........", "2.443214321", "21412341234"}));
    EXPECT_EQ(feeder(game), "......333333");
}

TEST(ModeShiftMegaRow, ThreeEmptyColumnsTakeTwoCopiesThenAFreshFeeder)
{
    Game game;
    setField(game, ThreeColumnsGo);
    setFeeder(game, "........4444");
    int refills = 0;
    scriptRefills(game, {10, 0}, refills);
    game.setGameMode(GameMode::ShiftMegaRow);
    RecordingListener listener;
    game.setListener(&listener);
    doubleClickAt(game, 0, 11);
    EXPECT_EQ(listener.count("feeder"), 2);
    // Rows 8 and 9 had no symbol: their feeder symbols land in column 10, then column 9.
    EXPECT_EQ(field(game), rows({".........44", ".........44", ".4443214321", "14412341234"}));
    EXPECT_EQ(feeder(game), ".22222222222");
}

TEST(ModeShiftMegaRow, ElevenEmptyColumnsTakeSixCopiesInTheFirstPass)
{
    Game game;
    setField(game, {"..........."});
    setFeeder(game, "...........1");
    int refills = 0;
    scriptRefills(game, {10, 10, 10, 10}, refills);
    game.setGameMode(GameMode::ShiftMegaRow);
    game.FeedEmptyColumns();
    // Passes of 6, 3, 1 and 1 copies for 11, 5, 2 and 1 empty columns.
    EXPECT_EQ(field(game).substr(12 * 10), "...........\n32111111111\n");
    EXPECT_EQ(refills, 4);
    EXPECT_EQ(feeder(game), "...........4");
}

TEST(FeedEmptyColumns, DoesNothingOutsideTheFeedingModes)
{
    for (GameMode mode : {GameMode::Standard, GameMode::Shifter, GameMode{4}, GameMode{-3}}) {
        Game game;
        setField(game, ThreeColumnsGo);
        game.setGameMode(mode);
        game.NormalizeColors();
        const auto before = game.board();
        game.FeedEmptyColumns();
        EXPECT_EQ(game.board(), before);
    }
}

TEST(Modes, StandardAndShifterNeverTakeFromTheFeeder)
{
    for (GameMode mode : {GameMode::Standard, GameMode::Shifter, GameMode{7}}) {
        Game game;
        setField(game, ThreeColumnsGo);
        setFeeder(game, "222222222222");
        game.setGameMode(mode);
        RecordingListener listener;
        game.setListener(&listener);
        doubleClickAt(game, 0, 11);
        EXPECT_EQ(game.SymbolsLeft(), 16);
        EXPECT_EQ(listener.count("feeder"), 0);
        EXPECT_EQ(feeder(game), "222222222222");
    }
}

TEST(Modes, AChangeOfModeActsAtTheNextRemoval)
{
    Game game;
    setField(game, ThreeColumnsGo);
    setFeeder(game, "...........2");
    int refills = 0;
    scriptRefills(game, {10, 10, 10}, refills);
    game.setGameMode(GameMode::Standard);
    game.setGameMode(GameMode::AddMegaRow);
    doubleClickAt(game, 0, 11);
    EXPECT_EQ(field(game).substr(12 * 11), "21212341234\n");
}
