// Removal, gravity, shifting and closing of empty columns.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace enginetest;
using engine::CellState;

namespace {

// The settling as the rule states it, one single rotation at a time; the reference the
// engine's batched rotations must match cell for cell (kinds and marks of Empty cells included).
int referenceSettle(std::array<Cell, 12> &line, int last)
{
    int batches = 0;
    for (;;) {
        int i = last;
        while (i >= 0 && line[i].state != CellState::Empty) --i;
        if (i < 0) return batches;
        const int e = i;
        while (i >= 0 && line[i].state == CellState::Empty) --i;
        if (i < 0) return batches;
        const int s = i;
        for (int k = 0; k < e - s; ++k) {
            const Cell taken = line[e];
            for (int j = e; j > 0; --j) line[j] = line[j - 1];
            line[0] = taken;
        }
        ++batches;
    }
}

Cell randomCell(std::mt19937 &rng)
{
    Cell c;
    c.kind = static_cast<engine::SymbolKind>(rng() % 11);
    c.state = static_cast<CellState>(rng() % 3);
    c.mark = static_cast<std::uint8_t>(rng() % 2);
    return c;
}

}  // namespace

TEST(SettleColumn, MatchesSingleRotationsAndRepaintsPerBatch)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 500; ++round) {
        Game game;
        RecordingListener listener;
        game.setListener(&listener);
        std::array<Cell, 12> expected;
        for (int r = 0; r < 12; ++r)
            expected[r] = game.boardForTesting().at(3, r) = randomCell(rng);
        const int batches = referenceSettle(expected, 11);
        game.SettleColumn(3);
        for (int r = 0; r < 12; ++r) ASSERT_EQ(game.board().at(3, r), expected[r]) << round;
        ASSERT_EQ(listener.count("grid"), batches);
    }
}

TEST(ShiftRowRight, MatchesSingleRotationsAndRepaintsPerBatch)
{
    std::mt19937 rng(11);
    for (int round = 0; round < 500; ++round) {
        Game game;
        RecordingListener listener;
        game.setListener(&listener);
        std::array<Cell, 12> expected;
        for (int c = 0; c < 12; ++c)
            expected[c] = game.boardForTesting().at(c, 5) = randomCell(rng);
        const int batches = referenceSettle(expected, 10);
        game.ShiftRowRight(5);
        for (int c = 0; c < 12; ++c) ASSERT_EQ(game.board().at(c, 5), expected[c]) << round;
        ASSERT_EQ(listener.count("grid"), batches);
    }
}

TEST(SettleColumn, KeepsTheOrderOfTheSymbols)
{
    Game game;
    setField(game, {"..1........", "...........", "...........", "..2........", "...........",
                    "...........", "...........", "..3........", "..4........", "..........."});
    game.SettleColumn(2);
    EXPECT_EQ(field(game).substr(12 * 8), "..1........\n..2........\n..3........\n..4........\n");
}

TEST(RemoveGroup, AGroupBelowSymbolsLetsThemFallInOrder)
{
    Game game;
    setField(game, {"..1........", "...........", "...........", "..2........", "...........",
                    "...........", "...........", "..3........", "..4........", "..4.......0"});
    game.setGameMode(GameMode{5});  // out of range: the fall alone
    const auto removal = doubleClickAt(game, 2, 11);
    EXPECT_TRUE(removal.acted);
    EXPECT_EQ(removal.emptied, 2);
    EXPECT_EQ(field(game).substr(12 * 9), "..1........\n..2........\n..3.......0\n");
}

TEST(RemoveGroup, DoesNothingOnAnEmptyOrIsolatedCell)
{
    Game game(countingClock(3));
    game.NewGame();
    setField(game, {"0..........", "10.22......"});
    const std::string before = field(game);
    RecordingListener listener;
    game.setListener(&listener);
    for (auto [c, r] : {std::pair{1, 11}, std::pair{1, 10}, std::pair{0, 11}}) {
        // (0, 11) is the 1 under a 0; (1, 11) a 0 whose equal neighbour is only diagonal.
        game.DrawGrid1SelectCell(c, r);
        const auto removal = game.RemoveGroup();
        EXPECT_FALSE(removal.acted);
        EXPECT_EQ(removal.emptied, 0);
        EXPECT_FALSE(removal.gameOver);
    }
    EXPECT_EQ(field(game), before);
    EXPECT_FALSE(game.undoAvailable());
    EXPECT_FALSE(game.SuppressNextSelection());
    EXPECT_TRUE(listener.events.empty());
}

TEST(RemoveGroup, EmptiesTheSelectedGroupWhereverTheCurrentCellWent)
{
    Game game;
    setField(game, {"2.....33...", "2.....44..1"});
    game.setGameMode(GameMode{5});
    game.DrawGrid1SelectCell(0, 11);
    game.SelectGroup();
    game.DrawGrid1SelectCell(6, 10);  // dragged onto a pair of 3s
    const auto removal = game.RemoveGroup();
    EXPECT_TRUE(removal.acted);
    EXPECT_EQ(removal.emptied, 2);
    EXPECT_EQ(field(game).substr(12 * 10), "......33...\n......44..1\n");
}

TEST(RemoveGroup, ALoneSelectedCellStaysAndScoresNothingButTakesTheSnapshot)
{
    Game game;
    setField(game, {"2..........", "23........1"});
    game.setGameMode(GameMode{5});
    game.DrawGrid1SelectCell(10, 11);
    game.SelectGroup();               // the lone 1 is selected
    game.DrawGrid1SelectCell(0, 11);  // a cell with a neighbour: the removal goes on
    const auto removal = game.RemoveGroup();
    EXPECT_TRUE(removal.acted);
    EXPECT_EQ(removal.emptied, 1);
    EXPECT_EQ(removal.total, engine::TotalScore{});
    EXPECT_EQ(game.board().at(10, 11).state, CellState::Normal);
    EXPECT_TRUE(game.undoAvailable());
    EXPECT_EQ(game.UndoBoard()[10 * 12 + 11].state, CellState::Selected);

    // Nothing selected at all: nothing emptied, still a snapshot.
    game.NormalizeColors();
    EXPECT_EQ(game.RemoveGroup().emptied, 0);
}

TEST(RemoveGroup, SixRemovedPlaySilentlySevenPlayDip)
{
    for (int n : {6, 7}) {
        Game game;
        setField(game, {"01.........", "0123444444."});
        if (n == 7) game.boardForTesting().at(10, 11) = {4, CellState::Normal, 0};
        RecordingListener listener;
        game.setListener(&listener);
        const auto removal = doubleClickAt(game, 4, 11);
        EXPECT_EQ(removal.emptied, n);
        EXPECT_EQ(listener.count("sound DIP"), n == 7 ? 1 : 0);
    }
}

TEST(RemoveGroup, TellsTheWindowInOrder)
{
    Game game;
    setField(game, {"0..........", "1..........", "1.........0"});
    game.setGameMode(GameMode{5});  // the fall alone, so that the two 0s stay apart
    RecordingListener listener;
    game.setListener(&listener);
    const auto removal = doubleClickAt(game, 0, 11);
    EXPECT_TRUE(removal.gameOver);
    // Undo available, the new total, one batch in column 0, the repaint after step 9, the end.
    EXPECT_EQ(listener.events, (std::vector<std::string>{"undo 1 redo 0", "score 2", "grid", "grid",
                                                         "sound GONG", "gameover"}));
}

namespace {

// A removal in each mode that moves columns or rows: the board, the cell double-clicked and the
// board afterwards.
struct ModeCase {
    const char *name;
    GameMode mode;
    boardtext::BoardRows before;
    int column, row;
    boardtext::BoardRows after;
};

const ModeCase ModeCases[] = {
    {"StandardClosesOneEmptyColumnByMovingTheLeftColumnsRight",
     GameMode::Standard,
     {"....2......", "0123201234.", "12342034012"},
     4,
     9,
     {".012301234.", ".1234034012"}},
    {"StandardClosesTwoEmptyColumnsOfOneGroup",
     GameMode::Standard,
     {"0123221234.", "12342234012"},
     4,
     11,
     {"..01231234.", "..123434012"}},
    {"ShifterPacksRowsRightInTheirOrder",
     GameMode::Shifter,
     {"1..4.......", "2..0......3", "3..1.....33"},
     10,
     11,
     {".........14", ".........20", ".........31"}},
};

// A case shows as its name in the test list and in failures.
void PrintTo(const ModeCase &c, std::ostream *os) { *os << c.name; }

class ModeRemoval : public ::testing::TestWithParam<ModeCase> {};

}  // namespace

TEST_P(ModeRemoval, MovesTheBoardAsTheModeSays)
{
    const ModeCase &c = GetParam();
    Game game;
    setField(game, c.before);
    game.setGameMode(c.mode);
    doubleClickAt(game, c.column, c.row);
    EXPECT_EQ(field(game), rows(c.after));
}

INSTANTIATE_TEST_SUITE_P(Modes, ModeRemoval, ::testing::ValuesIn(ModeCases),
                         [](const ::testing::TestParamInfo<ModeCase> &c) {
                             return std::string(c.param.name);
                         });

TEST(ModeStandard, AClosedColumnLeavesEmptyFillersInColumnZero)
{
    Game game;
    setField(game, ModeCases[0].before);
    game.setGameMode(GameMode::Standard);
    doubleClickAt(game, ModeCases[0].column, ModeCases[0].row);
    EXPECT_EQ(game.board().at(0, 5).kind, engine::FillerKind);
    EXPECT_EQ(game.board().at(0, 5).state, CellState::Empty);
}

TEST(CloseEmptyColumn, MovesTheColumnsLeftOfItAndFillsColumnZero)
{
    Game game;
    setField(game, {"01234012340"});
    game.CloseEmptyColumn(3);
    EXPECT_EQ(field(game).substr(12 * 11), ".0124012340\n");
    for (int r = 0; r < 12; ++r) EXPECT_EQ(game.board().at(0, r).kind, engine::FillerKind);
    game.CloseEmptyColumn(0);
    EXPECT_EQ(field(game).substr(12 * 11), ".0124012340\n");
}

TEST(RemoveEmptyColumns, PacksTheColumnsRightInTheirOrder)
{
    Game game;
    setField(game, {"0.1..2.3..4"});
    game.RemoveEmptyColumns();
    EXPECT_EQ(field(game).substr(12 * 11), "......01234\n");
}
