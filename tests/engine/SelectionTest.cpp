// Group selection and the preview.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

using namespace enginetest;

namespace {

// A settled position with a bent group of 1s through three columns, a diagonal 1 beside it,
// and two groups of 2s split by an empty cell.
const boardtext::BoardRows Position = {"........2..", "........2..", "1......0.3.",
                                       "41.....2.33", "311130.2333", "01013403333"};

engine::SelectionResult press(Game &game, int c, int r)
{
    game.DrawGrid1SelectCell(c, r);
    return game.SelectGroup();
}

}  // namespace

TEST(SelectGroup, SelectsABentGroupWholeButNotADiagonalNeighbour)
{
    Game game;
    setField(game, Position);
    const auto s = press(game, 1, 10);
    EXPECT_EQ(s.previewPoints, 6 * 5);
    EXPECT_TRUE(s.drawBubble);
    EXPECT_EQ(field(game), rows({"........2..", "........2..", "1......0.3.", "4B.....2.33",
                                 "3BBB30.2333", "0B0B3403333"}));
    EXPECT_EQ(game.SelectionCount(), 0);
}

TEST(SelectGroup, AnEmptyCellSplitsGroupsOfOneKind)
{
    Game game;
    setField(game, Position);
    EXPECT_EQ(press(game, 8, 6).previewPoints, 2);
    EXPECT_EQ(field(game).substr(12 * 6, 24), "........C..\n........C..\n");
    EXPECT_EQ(game.board().at(7, 9).state, engine::CellState::Normal);
}

TEST(SelectGroup, PreviewIsNTimesNMinusOne)
{
    Game game;
    setField(game, Position);
    EXPECT_EQ(press(game, 10, 11).previewPoints, 90);  // ten 3s
    EXPECT_EQ(press(game, 4, 11).previewPoints, 2);    // 3 at (4,11) and (4,10)
    game.NewGame();
    EXPECT_EQ(press(game, 0, 0).previewPoints > 0, !game.IsIsolated(0, 0));
}

TEST(SelectGroup, AnIsolatedSymbolIsSelectedAloneWithNoPoints)
{
    Game game;
    setField(game, Position);
    const auto s = press(game, 0, 8);
    EXPECT_EQ(s.previewPoints, 0);
    EXPECT_TRUE(s.drawBubble);
    EXPECT_EQ(game.board().at(0, 8).state, engine::CellState::Selected);
    EXPECT_TRUE(game.IsIsolated(0, 8));
}

TEST(SelectGroup, APressOnAnEmptyCellClearsTheSelectionAndStillDrawsTheBubble)
{
    Game game;
    setField(game, Position);
    press(game, 1, 10);
    const auto s = press(game, 5, 5);
    EXPECT_EQ(s.previewPoints, 0);
    EXPECT_TRUE(s.drawBubble);
    EXPECT_EQ(field(game), rows(Position));
}

TEST(SelectGroup, ARightPressSelectsTheGroupOfTheCurrentCell)
{
    Game game;
    setField(game, Position);
    game.DrawGrid1SelectCell(10, 11);
    EXPECT_EQ(game.SelectGroup().previewPoints, 90);
}

TEST(SelectGroup, ADragKeepsTheSelectionAndMovesTheCurrentCell)
{
    Game game;
    setField(game, Position);
    press(game, 1, 10);
    game.DrawGrid1SelectCell(9, 11);
    EXPECT_EQ(game.CurrentCell(), (engine::CellPos{9, 11}));
    EXPECT_EQ(game.board().at(1, 10).state, engine::CellState::Selected);
    EXPECT_EQ(game.board().at(9, 11).state, engine::CellState::Normal);
}

TEST(SelectGroup, ThePressEndingADoubleClickSelectsNothing)
{
    Game game;
    setField(game, Position);
    press(game, 8, 6);
    ASSERT_TRUE(game.RemoveGroup().acted);
    EXPECT_TRUE(game.SuppressNextSelection());
    const auto s = game.SelectGroup();
    EXPECT_EQ(s.previewPoints, 0);
    EXPECT_FALSE(s.drawBubble);
    EXPECT_FALSE(game.SuppressNextSelection());
    for (int i = 0; i < engine::TotalCells; ++i)
        EXPECT_NE(game.board().at(i / 12, i % 12).state, engine::CellState::Selected);
    // The press after that selects again.
    EXPECT_TRUE(game.SelectGroup().drawBubble);
}

TEST(SelectGroup, NeverReachesTheFeeder)
{
    Game game;
    setField(game, Position);
    setFeeder(game, "333333333333");
    EXPECT_EQ(press(game, 10, 11).previewPoints, 90);
    EXPECT_EQ(feeder(game), "333333333333");
}

TEST(NormalizeColors, ClearsSelectionAndMarksButLeavesEmptyCells)
{
    Game game;
    setField(game, Position);
    game.boardForTesting().at(0, 0).mark = 1;  // an Empty cell keeps its mark
    press(game, 10, 11);
    game.NormalizeColors();
    EXPECT_EQ(field(game), rows(Position));
    EXPECT_EQ(game.board().at(10, 11).mark, 0);
    EXPECT_EQ(game.board().at(0, 0).mark, 1);
}

TEST(DrawGrid1SelectCell, IgnoresCellsOutsideTheField)
{
    Game game;
    game.DrawGrid1SelectCell(3, 4);
    game.DrawGrid1SelectCell(11, 4);
    game.DrawGrid1SelectCell(3, -1);
    EXPECT_EQ(game.CurrentCell(), (engine::CellPos{3, 4}));
}
