// Play allocates nothing: the global allocation functions of this test executable count calls
// while a test asks them to.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void *allocate(std::size_t size)
{
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
    if (void *p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
}  // namespace

void *operator new(std::size_t size) { return allocate(size); }
void *operator new[](std::size_t size) { return allocate(size); }
void operator delete(void *p) noexcept { std::free(p); }
void operator delete[](void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
void operator delete[](void *p, std::size_t) noexcept { std::free(p); }

using namespace enginetest;

namespace {

// Listens like a window would, without keeping anything.
class QuietListener : public engine::GameListener {
public:
    long calls = 0;
    void gridChanged() override { ++calls; }
    void playSound(const char *) override { ++calls; }
    void scoreChanged(const engine::TotalScore &t) override { calls += t.text()[0]; }
    void feederChanged() override { ++calls; }
    void undoRedoChanged(bool, bool) override { ++calls; }
    void gameOver(const engine::EndGameTexts &t) override { calls += t.totalLine[0]; }
};

}  // namespace

TEST(NoAllocation, DuringWholeGamesInEveryMode)
{
    Game game(countingClock(2024));
    QuietListener listener;
    game.setListener(&listener);
    long games = 0;
    long removals = 0;

    counting = true;
    for (GameMode mode : {GameMode::Standard, GameMode::Shifter, GameMode::AddMegaRow,
                          GameMode::ShiftMegaRow, GameMode{9}}) {
        game.setGameMode(mode);
        for (int g = 0; g < 20; ++g) {
            game.NewGame();
            ++games;
            // Always the first cell with a group, column by column; undo and redo now and then.
            for (int move = 0; move < 500; ++move) {
                int i = 0;
                while (i < engine::TotalCells &&
                       (game.board().at(i / 12, i % 12).state == engine::CellState::Empty ||
                        game.IsIsolated(i / 12, i % 12)))
                    ++i;
                if (i == engine::TotalCells) break;
                game.DrawGrid1SelectCell(i / 12, i % 12);
                game.SelectGroup();
                const auto removal = game.RemoveGroup();
                game.SelectGroup();
                ++removals;
                if (move % 5 == 0) {
                    game.Undo();
                    game.Redo();
                }
                if (removal.gameOver) break;
            }
            game.EndGame();
        }
    }
    counting = false;

    EXPECT_EQ(allocations.load(), 0);
    EXPECT_EQ(games, 100);
    EXPECT_GT(removals, 1000);
    EXPECT_GT(listener.calls, 0);
}
