// One step of undo and redo.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

using namespace enginetest;
using engine::TotalScore;

namespace {

const boardtext::BoardRows Start = {"1..........", "2.......33.", "22.4444.330"};

}  // namespace

TEST(Undo, BringsBackTheGroupSelectedAndTheTotalBefore)
{
    Game game;
    setField(game, Start);
    game.setGameMode(GameMode::Standard);
    doubleClickAt(game, 0, 11);  // three 2s
    const std::string afterRemoval = field(game);
    ASSERT_TRUE(game.undoAvailable());
    ASSERT_FALSE(game.redoAvailable());

    RecordingListener listener;
    game.setListener(&listener);
    game.Undo();
    EXPECT_EQ(listener.events, (std::vector<std::string>{"score 0", "undo 0 redo 1", "grid"}));
    const std::string afterUndo = field(game);
    EXPECT_EQ(afterUndo, rows({"1..........", "C.......33.", "CC.4444.330"}));
    EXPECT_EQ(game.totalScore(), TotalScore{});
    EXPECT_EQ(game.RedoScore(), TotalScore::fromPoints(6));
    EXPECT_FALSE(game.undoAvailable());
    EXPECT_TRUE(game.redoAvailable());

    game.Redo();
    EXPECT_EQ(field(game), afterRemoval);
    EXPECT_EQ(game.totalScore(), TotalScore::fromPoints(6));
    EXPECT_TRUE(game.undoAvailable());
    EXPECT_FALSE(game.redoAvailable());

    game.Undo();
    EXPECT_EQ(field(game), afterUndo);
    EXPECT_EQ(game.totalScore(), TotalScore{});
}

TEST(Undo, DoesNothingWhileUnavailable)
{
    Game game;
    setField(game, Start);
    RecordingListener listener;
    game.setListener(&listener);
    game.Undo();
    game.Redo();
    EXPECT_EQ(field(game), rows(Start));
    EXPECT_TRUE(listener.events.empty());
}

TEST(Undo, ARemovalAfterAnUndoKeepsRedoAvailable)
{
    Game game;
    setField(game, Start);
    game.setGameMode(GameMode::Standard);
    doubleClickAt(game, 0, 11);  // +6
    game.Undo();
    const std::string fieldAtUndo = [&] {
        Game copy;
        setField(copy, Start);
        copy.setGameMode(GameMode::Standard);
        doubleClickAt(copy, 0, 11);
        return field(copy);
    }();
    const std::string beforeSecond = field(game);
    doubleClickAt(game, 5, 11);  // four 4s: +12 on top of 0
    EXPECT_EQ(game.totalScore(), TotalScore::fromPoints(12));
    EXPECT_TRUE(game.undoAvailable());
    EXPECT_TRUE(game.redoAvailable());

    game.Redo();  // the field and total that the undo had saved
    EXPECT_EQ(field(game), fieldAtUndo);
    EXPECT_EQ(game.totalScore(), TotalScore::fromPoints(6));
    game.Undo();  // the field from just before the newer removal, with the total before it
    std::string expected = beforeSecond;
    for (int c = 3; c <= 6; ++c) expected[12 * 11 + c] = 'E';
    for (char &ch : expected)
        if (ch == 'C') ch = '2';  // the press before the newer removal replaced that selection
    EXPECT_EQ(field(game), expected);
    EXPECT_EQ(game.totalScore(), TotalScore{});
}

TEST(Undo, ADoubleClickThatDoesNothingKeepsTheSnapshot)
{
    Game game;
    setField(game, Start);
    doubleClickAt(game, 0, 11);
    const auto snapshot = game.UndoBoard();
    const auto undoScore = game.UndoScore();
    EXPECT_FALSE(doubleClickAt(game, 10, 11).acted);  // an isolated 0
    EXPECT_FALSE(doubleClickAt(game, 0, 0).acted);    // an Empty cell
    EXPECT_EQ(game.UndoBoard(), snapshot);
    EXPECT_EQ(game.UndoScore(), undoScore);
    EXPECT_TRUE(game.undoAvailable());
}

TEST(Undo, LeavesTheRefilledFeederAlone)
{
    Game game(countingClock(77));
    game.NewGame();
    setField(game, Start);
    game.setGameMode(GameMode::AddMegaRow);
    const std::string before = field(game);
    doubleClickAt(game, 9, 11);  // the 3s of columns 8 and 9: column 9 empties, a new one comes
    const std::string feederAfter = feeder(game);
    game.Undo();
    std::string expected = before;
    for (int i : {12 * 10 + 8, 12 * 10 + 9, 12 * 11 + 8, 12 * 11 + 9}) expected[i] = 'D';
    EXPECT_EQ(field(game), expected);
    EXPECT_EQ(feeder(game), feederAfter);
}

TEST(Undo, SurvivesNewGameAndBringsBackThePreviousGame)
{
    Game game(countingClock(9));
    game.NewGame();
    setField(game, Start);
    doubleClickAt(game, 0, 11);
    const auto snapshot = game.UndoBoard();
    game.NewGame();
    EXPECT_TRUE(game.undoAvailable());
    EXPECT_EQ(game.totalScore(), TotalScore{});
    game.Undo();
    EXPECT_EQ(field(game), rows({"1..........", "C.......33.", "CC.4444.330"}));
    for (int i = 0; i < engine::TotalCells; ++i)
        EXPECT_EQ(game.board().at(i / 12, i % 12), snapshot[i]);
}
