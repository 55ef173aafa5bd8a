#pragma once
// The program file and the player's files: the settings, the high scores and the help text.

#include <QString>

namespace platform {

// Full path of the running executable (or the stand-in set by overrideExecutablePath).
QString executablePath();
// Lets tests put the "executable" into a temporary folder; an empty path restores the real one.
void overrideExecutablePath(const QString &fullPath);

// "dir/name.ext" -> "dir/name" + ext; a path without extension gets ext appended.
QString changeFileExt(const QString &path, const QString &ext);
// "dir/name.ext" -> "dir/name"; a path without extension is returned as it is.
QString removeFileExt(const QString &path);
QString fileNameOf(const QString &path);              // "name.ext"
QString fileNameWithoutExt(const QString &path);      // "name"

// While the player may write the executable's folder (a build, a portable copy), the settings
// and high scores lie beside the executable, as executablePath() with ".ini" and ".hsl".
// Installed, that folder is not theirs: the files then go to the per-user folders,
// $XDG_CONFIG_HOME/quorbix/quorbix.ini (default ~/.config) and
// $XDG_DATA_HOME/quorbix/quorbix.hsl (default ~/.local/share), whose missing folders are
// made private (0700) when the path is asked for, so the first write finds them.
QString settingsFilePath();
QString highScoreFilePath();
// executablePath() with ".hlp" when that file exists; else the installed help file in the
// data folder, found from the executable's folder so a moved or unpacked install finds it too.
// Where neither exists, the name beside the executable.
QString helpFilePath();

// Moves an older settings file (the executable's path without extension) to the settings
// file's name, only while the settings lie beside the executable. Only a regular file that is
// not the running executable is ever moved; an existing settings file is never overwritten.
// Returns true when a file was moved.
bool moveOldSettingsFile();

}  // namespace platform
