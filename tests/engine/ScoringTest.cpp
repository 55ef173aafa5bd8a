// Scoring, the test for the end, and the end-of-game texts.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

using namespace enginetest;
using engine::TotalScore;

namespace {

// A field holding `n` isolated symbols (a chequerboard of 0s and 1s from the bottom right).
void isolatedSymbols(Game &game, int n)
{
    setField(game, {"..........."});
    for (int i = 0; i < n; ++i) {
        const int c = 10 - i % 11;
        const int r = 11 - i / 11;
        game.boardForTesting().at(c, r) = {static_cast<engine::SymbolKind>((c + r) % 2),
                                           engine::CellState::Normal, 0};
    }
}

std::string text(const std::array<char, 96> &a) { return a.data(); }

}  // namespace

TEST(TotalScore, IsWrittenAsPlainDigits)
{
    EXPECT_STREQ(TotalScore{}.text().data(), "0");
    EXPECT_STREQ(TotalScore::fromPoints(17292).text().data(), "17292");
    EXPECT_STREQ(TotalScore::fromPoints(-5).text().data(), "-5");
    EXPECT_STREQ(TotalScore::fromPoints(9000000000000LL).text().data(), "9000000000000");
    EXPECT_EQ(TotalScore::fromPoints(250).ticks(), 2500000);
}

TEST(TotalScore, Points32ClampsToAThirtyTwoBitScore)
{
    EXPECT_EQ(TotalScore::fromPoints(2147483647).points32(), 2147483647);
    EXPECT_EQ(TotalScore::fromPoints(2147483648LL).points32(), 2147483647);
    EXPECT_EQ(TotalScore::fromPoints(-3000000000LL).points32(),
              std::numeric_limits<std::int32_t>::min());
}

TEST(Scoring, RemovalsAddNTimesNMinusOne)
{
    Game game;
    setField(game, {".3.........", "2233......."});
    game.setGameMode(GameMode{5});
    RecordingListener listener;
    game.setListener(&listener);
    EXPECT_EQ(doubleClickAt(game, 0, 11).total, TotalScore::fromPoints(2));
    EXPECT_EQ(game.totalScore(), TotalScore::fromPoints(2));
    // The 3 of column 1 fell next to the pair of 3s: a group of three.
    EXPECT_EQ(doubleClickAt(game, 2, 11).total, TotalScore::fromPoints(8));
    EXPECT_EQ(game.UndoScore(), TotalScore::fromPoints(2));
    EXPECT_EQ(listener.count("score 2"), 1);
    EXPECT_EQ(listener.count("score 8"), 1);
}

TEST(Scoring, AWholeFieldOfOneKindEarns17292AndTheFullBonus)
{
    Game game;
    setField(game, {"00000000000", "00000000000", "00000000000", "00000000000", "00000000000",
                    "00000000000", "00000000000", "00000000000", "00000000000", "00000000000",
                    "00000000000", "00000000000"});
    game.DrawGrid1SelectCell(5, 5);
    EXPECT_EQ(game.SelectGroup().previewPoints, 17292);
    RecordingListener listener;
    game.setListener(&listener);
    const auto removal = game.RemoveGroup();
    EXPECT_EQ(removal.emptied, 132);
    EXPECT_EQ(removal.total, TotalScore::fromPoints(17292));
    EXPECT_TRUE(removal.gameOver);
    EXPECT_EQ(game.SymbolsLeft(), 0);
    EXPECT_EQ(game.GameBonus(), 1000);
    EXPECT_EQ(text(listener.texts.leftover), "You have left 0 balls ");
    EXPECT_EQ(text(listener.texts.bonus), "Congratulation, you receive a bonus of 1000 points !");
    EXPECT_EQ(text(listener.texts.totalLine), "Your total score is: 18292!!");
}

TEST(EndGame, ThreeSymbolsLeftAnd250Points)
{
    Game game;
    isolatedSymbols(game, 3);
    game.setTotalScoreForTesting(TotalScore::fromPoints(250));
    RecordingListener listener;
    game.setListener(&listener);
    game.EndGame();
    EXPECT_EQ(listener.events, (std::vector<std::string>{"sound GONG", "gameover"}));
    const auto &t = game.lastEndGameTexts();
    EXPECT_EQ(text(t.results), "You ve earned 250 points ");
    EXPECT_EQ(text(t.leftover), "You have left 3 balls ");
    EXPECT_EQ(text(t.bonus), "so you receive a bonus of 333 points !");
    EXPECT_EQ(text(t.totalLine), "Your total score is: 583!!");
    EXPECT_EQ(t.points, 250);
    EXPECT_EQ(t.bonusPoints, 333);
    EXPECT_EQ(t.entryPoints, 583);
    EXPECT_EQ(game.GameBonus(), 333);
    EXPECT_EQ(game.totalScore(), TotalScore::fromPoints(250));  // the bonus is never added
}

TEST(EndGame, BonusIsAThousandDividedByTheSymbolsLeft)
{
    const std::pair<int, int> cases[] = {{1, 1000}, {2, 500}, {3, 333}, {7, 142}, {132, 7}};
    for (auto [n, bonus] : cases) {
        Game game;
        if (n == 132)
            game.NewGame();
        else
            isolatedSymbols(game, n);
        game.EndGame();
        EXPECT_EQ(game.GameBonus(), bonus) << n;
        EXPECT_EQ(text(game.lastEndGameTexts().bonus),
                  "so you receive a bonus of " + std::to_string(bonus) + " points !");
    }
}

TEST(EndGame, AHugeTotalIsClampedForTheEntryButShownWhole)
{
    Game game;
    isolatedSymbols(game, 2);
    game.setTotalScoreForTesting(TotalScore::fromPoints(3000000000LL));
    game.EndGame();
    const auto &t = game.lastEndGameTexts();
    EXPECT_EQ(text(t.results), "You ve earned 3000000000 points ");
    EXPECT_EQ(t.points, 2147483647);
    EXPECT_EQ(t.entryPoints, 2147483647);
    EXPECT_EQ(text(t.totalLine), "Your total score is: 2147483647!!");

    game.setTotalScoreForTesting(TotalScore::fromPoints(2147483600LL));
    game.EndGame();
    EXPECT_EQ(game.lastEndGameTexts().points, 2147483600);
    EXPECT_EQ(game.lastEndGameTexts().entryPoints, 2147483647);  // 2147483600 + 500
}

TEST(AnyMoveLeft, LooksAtFieldNeighboursOnly)
{
    Game game;
    isolatedSymbols(game, 40);
    EXPECT_FALSE(game.AnyMoveLeft());
    EXPECT_EQ(game.SymbolsLeft(), 40);
    // An equal feeder symbol beside column 10 is no move.
    setFeeder(game, std::string(12, static_cast<char>('0' + game.board().at(10, 11).kind)).c_str());
    EXPECT_FALSE(game.AnyMoveLeft());
    // Equal kinds under Empty state do not count either.
    game.boardForTesting().at(0, 0) = {1, engine::CellState::Empty, 0};
    game.boardForTesting().at(1, 0) = {1, engine::CellState::Empty, 0};
    EXPECT_FALSE(game.AnyMoveLeft());
    game.boardForTesting().at(1, 0).state = engine::CellState::Normal;
    game.boardForTesting().at(0, 0).state = engine::CellState::Selected;
    EXPECT_TRUE(game.AnyMoveLeft());
}

TEST(Scoring, TheGameEndsInTheDoubleClickThatLeavesNoMove)
{
    Game game;
    setField(game, {"1..........", "0011......."});
    game.setGameMode(GameMode::Standard);
    RecordingListener listener;
    game.setListener(&listener);
    auto removal = doubleClickAt(game, 0, 11);
    EXPECT_FALSE(removal.gameOver);  // the 1 falls, and the columns close up beside the 1s
    EXPECT_EQ(field(game).substr(12 * 11), "........111\n");
    removal = doubleClickAt(game, 10, 11);
    EXPECT_TRUE(removal.gameOver);
    EXPECT_EQ(listener.count("gameover"), 1);
    EXPECT_EQ(text(listener.texts.results), "You ve earned 8 points ");
    EXPECT_EQ(text(listener.texts.leftover), "You have left 0 balls ");
    // Nothing is disabled: a double-click on the empty field does nothing more.
    EXPECT_FALSE(doubleClickAt(game, 10, 11).acted);
}
