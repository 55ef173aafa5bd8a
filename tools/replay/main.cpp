// quorbix-replay: reads a script on standard input and drives the engine exactly as the board
// view does. One command per line; blank lines and lines starting with '#' are ignored.
//
//   clock N     each later Reseed reads N, N+1, N+2, ... (modulo 2^32) instead of the real clock
//   mode M      GameMode := M (any signed 32-bit value)
//   new         NewGame
//   press C R   left press: current cell (C, R), then the mouse-down   -> preview P bubble B
//   rpress      right press: the mouse-down alone                       -> preview P bubble B
//   move C R    current cell (C, R) alone (arrow key, drag)
//   dbl         second press of a double-click: RemoveGroup, then the mouse-down
//   undo, redo  the menu commands, while available
//   board       the board and the engine's values, 13 lines
//
// A malformed line ends the run with a message naming it on standard error and exit status 2.

#include "Game.h"

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using engine::Game;

// Sounds count as on: every request is reported, as are the game-over window's four lines.
class PrintingListener final : public engine::GameListener {
public:
    void playSound(const char *name) override { std::printf("sound %s\n", name); }
    void gameOver(const engine::EndGameTexts &t) override
    {
        std::printf("result1 %s\nresult2 %s\nresult3 %s\nresult4 %s\n", t.results.data(),
                    t.leftover.data(), t.bonus.data(), t.totalLine.data());
    }
};

struct ScriptError {
    std::string reason;
};

std::vector<std::string_view> split(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

// A decimal integer with an optional sign, within [low, high].
std::int64_t number(std::string_view word, std::int64_t low, std::int64_t high)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == '-' || word[i] == '+')) negative = word[i++] == '-';
    if (i == word.size()) throw ScriptError{"not a number: " + std::string(word)};
    std::int64_t value = 0;
    for (; i < word.size(); ++i) {
        if (word[i] < '0' || word[i] > '9') throw ScriptError{"not a number: " + std::string(word)};
        // Saturate far beyond any range asked for, so that long digit strings cannot overflow.
        if (value < (std::int64_t{1} << 40)) value = value * 10 + (word[i] - '0');
    }
    if (negative) value = -value;
    if (value < low || value > high)
        throw ScriptError{"number out of range " + std::to_string(low) + ".." +
                          std::to_string(high) + ": " + std::string(word)};
    return value;
}

void expectArgs(const std::vector<std::string_view> &words, std::size_t count)
{
    if (words.size() != count + 1)
        throw ScriptError{std::string(words[0]) + " takes " + std::to_string(count) +
                          (count == 1 ? " argument" : " arguments")};
}

void printSelection(const engine::SelectionResult &s)
{
    std::printf("preview %d bubble %d\n", static_cast<int>(s.previewPoints), s.drawBubble ? 1 : 0);
}

char kindChar(engine::SymbolKind kind)
{
    if (kind <= 9) return static_cast<char>('0' + kind);
    if (kind == 10) return 'a';
    return '?';
}

char stateChar(engine::CellState state)
{
    switch (state) {
    case engine::CellState::Normal: return 'N';
    case engine::CellState::Selected: return 'S';
    case engine::CellState::Empty: return 'E';
    }
    return '?';
}

void printBoard(const Game &game)
{
    const engine::Board &b = game.board();
    for (int r = 0; r < engine::Rows; ++r) {
        std::printf("row %d:", r);
        for (int c = 0; c < engine::BoardColumns; ++c)
            std::printf(" %c%c", kindChar(b.at(c, r).kind), stateChar(b.at(c, r).state));
        std::printf("\n");
    }
    const auto &deal = game.DealCounters();
    const engine::CellPos current = game.CurrentCell();
    std::printf("total %s undoscore %s redoscore %s undo %d redo %d current %d,%d suppress %d "
                "bonus %d deal %d,%d,%d,%d,%d last %d mode %d\n",
                game.totalScore().text().data(), game.UndoScore().text().data(),
                game.RedoScore().text().data(), game.undoAvailable() ? 1 : 0,
                game.redoAvailable() ? 1 : 0, static_cast<int>(current.column),
                static_cast<int>(current.row), game.SuppressNextSelection() ? 1 : 0,
                static_cast<int>(game.GameBonus()), static_cast<int>(deal[0]),
                static_cast<int>(deal[1]), static_cast<int>(deal[2]), static_cast<int>(deal[3]),
                static_cast<int>(deal[4]), static_cast<int>(game.LastDrawnKind()),
                static_cast<int>(game.gameMode()));
}

void run(Game &game, std::uint32_t &nextClock, const std::vector<std::string_view> &words)
{
    const std::string_view command = words[0];
    if (command == "clock") {
        expectArgs(words, 1);
        nextClock = static_cast<std::uint32_t>(number(words[1], 0, 4294967295LL));
        // Unsigned arithmetic wraps modulo 2^32 by itself.
        game.setClock([&nextClock] { return nextClock++; });
    } else if (command == "mode") {
        expectArgs(words, 1);
        game.setGameMode(static_cast<std::int32_t>(number(words[1], INT32_MIN, INT32_MAX)));
    } else if (command == "new") {
        expectArgs(words, 0);
        game.NewGame();
    } else if (command == "press" || command == "move") {
        expectArgs(words, 2);
        const auto c = static_cast<std::int32_t>(number(words[1], 0, engine::FieldColumns - 1));
        const auto r = static_cast<std::int32_t>(number(words[2], 0, engine::Rows - 1));
        game.DrawGrid1SelectCell(c, r);
        if (command == "press") printSelection(game.SelectGroup());
    } else if (command == "rpress") {
        expectArgs(words, 0);
        printSelection(game.SelectGroup());
    } else if (command == "dbl") {
        expectArgs(words, 0);
        const engine::RemovalResult removal = game.RemoveGroup();
        std::printf("removal acted %d emptied %d total %s over %d\n", removal.acted ? 1 : 0,
                    static_cast<int>(removal.emptied), removal.total.text().data(),
                    removal.gameOver ? 1 : 0);
        printSelection(game.SelectGroup());
    } else if (command == "undo") {
        expectArgs(words, 0);
        if (game.undoAvailable()) game.Undo();
    } else if (command == "redo") {
        expectArgs(words, 0);
        if (game.redoAvailable()) game.Redo();
    } else if (command == "board") {
        expectArgs(words, 0);
        printBoard(game);
    } else {
        throw ScriptError{"unknown command: " + std::string(command)};
    }
}

}  // namespace

int main()
{
    Game game;
    PrintingListener listener;
    game.setListener(&listener);
    std::uint32_t nextClock = 0;

    std::string line;
    long lineNumber = 0;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::vector<std::string_view> words = split(line);
        if (words.empty() || words[0].front() == '#') continue;
        try {
            run(game, nextClock, words);
        } catch (const ScriptError &e) {
            std::fflush(stdout);
            std::fprintf(stderr, "quorbix-replay: line %ld: %s\n", lineNumber, e.reason.c_str());
            return 2;
        }
    }
    return 0;
}
