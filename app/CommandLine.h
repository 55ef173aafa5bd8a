#pragma once
// The command line: --help and --version answer and end the program before any window or
// display connection is made; anything else that is not Qt's own options is a usage error.

#include <optional>

namespace quorbix {

// Reads argv. Returns the exit status when the program is to end at once (0 after --help or
// --version, printed on standard output, 1 when that output cannot be written; 2 after a usage
// error, printed on standard error, such as a -platform Qt has no plugin for), or nothing when
// the game is to start.
std::optional<int> handleCommandLine(int argc, char **argv);

}  // namespace quorbix
