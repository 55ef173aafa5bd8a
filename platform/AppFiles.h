#pragma once
// The program file and the player's files: the settings, the high scores and the help text.

#include <QByteArray>
#include <QString>

namespace platform {

// Full path of the running executable (or the stand-in set by overrideExecutablePath), from
// the kernel's record of it. Empty when no absolute path that names it exactly can be had (a
// folder name that is not UTF-8): nothing is then kept beside it (the settings and high scores
// go to the per-user folders below), and a name made from the empty path is relative, which
// the profile files never read or write, so the game never uses files of the current folder.
QString executablePath();
// An absolute path given as the system's bytes, as the Qt file functions name it; empty for a
// relative path or one they cannot name exactly (bytes that are not UTF-8).
QString filePathFromNative(const QByteArray &bytes);
// Lets tests put the "executable" into a temporary folder; an empty path restores the real one.
void overrideExecutablePath(const QString &fullPath);

// "dir/name.ext" -> "dir/name" + ext; a path without extension gets ext appended.
QString changeFileExt(const QString &path, const QString &ext);
// "dir/name.ext" -> "dir/name"; a path without extension is returned as it is.
QString removeFileExt(const QString &path);
QString fileNameOf(const QString &path);          // "name.ext"
QString fileNameWithoutExt(const QString &path);  // "name"

// For a build or a portable copy (a folder the player owns and may write, without the help file
// in the installed data folder while none lies beside the executable), the settings and high
// scores lie beside the executable, as executablePath() with ".ini" and ".hsl". Installed, that
// folder is not theirs, even for root: the files then go to the per-user folders,
// $XDG_CONFIG_HOME/quorbix/quorbix.ini (default ~/.config) and
// $XDG_DATA_HOME/quorbix/quorbix.hsl (default ~/.local/share), whose missing folders the
// first write makes private to the player (0700). So do the files of an executable whose path
// cannot be had. The variables count only as absolute paths Qt can name exactly; the home
// folder is $HOME when absolute, else the password database's. Empty without any home.
QString settingsFilePath();
QString highScoreFilePath();
// Whether the folder is one of the per-user folders above ($XDG_CONFIG_HOME/quorbix or
// $XDG_DATA_HOME/quorbix), whatever the files' place is now.
bool isPerUserFolder(const QString &folder);
// executablePath() with ".hlp" when that file exists; else the installed help file in the
// data folder, found from the executable's folder so a moved or unpacked install finds it too.
// Where neither exists, the name beside the executable; empty when the executable's path
// cannot be had.
QString helpFilePath();

// Moves an older settings file (the executable's path without extension) to the settings
// file's name, only while the settings lie beside the executable. Only a regular file that is
// not the running executable is ever moved; an existing settings file is never overwritten.
// Returns true when a file was moved.
bool moveOldSettingsFile();

}  // namespace platform
