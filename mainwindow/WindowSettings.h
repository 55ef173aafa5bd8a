#pragma once
// The three window settings kept in the settings file: sounds, picture size and game mode.

#include "GameMode.h"

#include <QString>

namespace quorbix {

struct WindowSettings {
    bool soundsOn = true;
    int pictureSizeCode = 0;  // 0 Standard, 1 Big, 2 Small; other values change nothing
    engine::GameMode gameMode = engine::GameMode::Standard;  // taken as read, even outside the four

    // A missing file, section or key, or text that is not a number, gives the default.
    static WindowSettings read(const QString &settingsPath);
    // Throws platform::ProfileWriteError at the first value that cannot be written; the
    // values after it are not tried.
    void write(const QString &settingsPath) const;
};

}  // namespace quorbix
