#pragma once
// The four game modes: what follows a removal once the symbols have fallen. The numbers are
// those the settings file and the high score lists keep; a hand-edited file may hold any other
// 32-bit value, which plays as the fall alone.

#include <cstdint>

namespace engine {

enum class GameMode : std::int32_t {
    Standard = 0,      // empty columns close up
    Shifter = 1,       // rows shift right
    AddMegaRow = 2,    // empty columns close up, the feeder fills from the left
    ShiftMegaRow = 3,  // rows shift right, the feeder fills the emptied cells
};

// The modes whose removals are followed by the feeder.
constexpr bool feedsEmptyColumns(GameMode mode)
{
    return mode == GameMode::AddMegaRow || mode == GameMode::ShiftMegaRow;
}

// Mode captions; nullptr for a value outside the four modes.
constexpr const char *GameModeCaption(GameMode mode)
{
    switch (mode) {
    case GameMode::Standard: return "Standard";
    case GameMode::Shifter: return "Shifter";
    case GameMode::AddMegaRow: return "Add Mega Row";
    case GameMode::ShiftMegaRow: return "Shift Mega Row";
    }
    return nullptr;
}

}  // namespace engine
