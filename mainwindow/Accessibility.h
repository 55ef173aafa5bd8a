#pragma once
// Hands out this program's own accessible interfaces (the board, the status bar, the menu bar's
// picture items) in place of Qt's generic ones. Safe to call more than once.

namespace quorbix {

void installAccessibility();

}  // namespace quorbix
