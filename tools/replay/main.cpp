// quorbix-replay: reads a script on standard input and drives the engine exactly as the board
// view does. Sounds count as on.
//
//   clock N     each later Reseed reads N, N+1, N+2, ... (modulo 2^32) instead of the real
//               clock; N from 0 to 4294967295
//   mode M      GameMode := M (any signed 32-bit value)
//   new         NewGame
//   press C R   left press: current cell (C, R), then the mouse-down   -> preview P bubble B
//               C from 0 to 10, R from 0 to 11 (the same for move)
//   rpress      right press: the mouse-down alone                       -> preview P bubble B
//   move C R    current cell (C, R) alone (arrow key, drag)
//   dbl         second press of a double-click: RemoveGroup, then the mouse-down; prints the
//               sounds and the four result lines as they happen, then
//               "removal acted A emptied E total T over O", then the mouse-down's preview
//   undo, redo  the menu commands, only while available; no output either way
//   board       the board and the engine's values, 13 lines
//
// How a script is read:
//   - A line ends at a line feed; a carriage return right before it (or right before the end
//     of the input) belongs to the line end, so scripts saved with CRLF read the same.
//   - Words are parted by blanks (spaces and tabs); blanks at either end of a line don't count.
//     Any other byte (another control character, NUL, non-ASCII) belongs to the word it is in.
//   - A line of blanks only is blank; a line whose first non-blank character is '#' is a
//     comment, of any length. Both are skipped. A '#' after a command is an extra argument.
//   - Commands are lower case and take exactly the arguments listed above.
//   - A number is decimal digits with an optional '+' or '-' in front; leading zeros count for
//     nothing ("007" is 7, "-0" is 0). Anything else ("0x1F", "3.0", "1e3", "--2") is not a
//     number. A number outside its command's range, however many digits it has, is an error.
//   - A line other than a comment may hold at most 4096 bytes after its leading blanks.
//
// A line that breaks these rules (an unknown command, a missing or extra argument, something
// that is not a number or is out of range, a line too long) ends the run: everything printed
// for the lines before it stands, a message naming the line goes to standard error, and the
// exit status is 2. The end of the input ends the run with status 0; output that cannot be
// written gives status 1.

#include "Game.h"

#include <cstdint>
#include <cstdio>
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

constexpr std::size_t MaxLineBytes = 4096;

bool isBlank(int c) { return c == ' ' || c == '\t'; }

std::vector<std::string_view> split(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i])) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

// The script line by line. Leading blanks and comments are dropped as they are read, so a
// comment of any length costs no memory and any other line is held up to MaxLineBytes.
class ScriptReader {
public:
    enum class Line { Command, Skip, TooLong, End };

    // The next line; for Command its text without the line end, for TooLong its beginning.
    Line next(std::string &text)
    {
        text.clear();
        int c = std::getc(stdin);
        if (c == EOF) return Line::End;
        ++number_;
        while (isBlank(c)) c = std::getc(stdin);
        if (c == '#') {
            skipRest(c);
            return Line::Skip;
        }
        for (; c != '\n' && c != EOF; c = std::getc(stdin)) {
            // One byte past the bound may still be the carriage return of a CRLF.
            if (text.size() > MaxLineBytes) return Line::TooLong;
            text += static_cast<char>(c);
        }
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.size() > MaxLineBytes) return Line::TooLong;
        return text.find_first_not_of(" \t") == std::string::npos ? Line::Skip : Line::Command;
    }

    long number() const { return number_; }

private:
    static void skipRest(int c)
    {
        while (c != '\n' && c != EOF) c = std::getc(stdin);
    }

    long number_ = 0;
};

// The line as the error message quotes it: bytes that are not printable ASCII as \xNN.
std::string quoted(std::string_view text)
{
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x20 && b < 0x7f) {
            out += ch;
        } else {
            ((out += "\\x") += hex[b >> 4]) += hex[b & 15];
        }
    }
    return out + '"';
}

// A decimal integer with an optional sign, within [low, high].
std::int64_t number(std::string_view word, std::int64_t low, std::int64_t high)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == '-' || word[i] == '+')) negative = word[i++] == '-';
    if (i == word.size()) throw ScriptError{"not a number " + quoted(word)};
    std::int64_t value = 0;
    for (; i < word.size(); ++i) {
        if (word[i] < '0' || word[i] > '9') throw ScriptError{"not a number " + quoted(word)};
        // Saturate far beyond any range asked for, so that long digit strings cannot overflow.
        if (value < (std::int64_t{1} << 40)) value = value * 10 + (word[i] - '0');
    }
    if (negative) value = -value;
    if (value < low || value > high)
        throw ScriptError{"number out of range " + std::to_string(low) + ".." +
                          std::to_string(high) + ": " + quoted(word)};
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
        game.setGameMode(static_cast<engine::GameMode>(number(words[1], INT32_MIN, INT32_MAX)));
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
        throw ScriptError{"unknown command " + quoted(command)};
    }
}

}  // namespace

int main()
{
    Game game;
    PrintingListener listener;
    game.setListener(&listener);
    std::uint32_t nextClock = 0;

    ScriptReader script;
    std::string text;
    for (;;) {
        const ScriptReader::Line line = script.next(text);
        if (line == ScriptReader::Line::End) break;
        if (line == ScriptReader::Line::Skip) continue;
        try {
            if (line == ScriptReader::Line::TooLong)
                throw ScriptError{"line longer than " + std::to_string(MaxLineBytes) + " bytes"};
            run(game, nextClock, split(text));
        } catch (const ScriptError &e) {
            std::fflush(stdout);
            const std::string shown = line == ScriptReader::Line::TooLong
                                          ? quoted(text.substr(0, 40)) + "..."
                                          : quoted(text);
            std::fprintf(stderr, "quorbix-replay: line %ld: %s: %s\n", script.number(),
                         e.reason.c_str(), shown.c_str());
            return 2;
        }
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "quorbix-replay: the output could not be written\n");
        return 1;
    }
    return 0;
}
