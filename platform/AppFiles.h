#pragma once
// The program file and the files kept beside it.

#include <QByteArray>
#include <QString>

namespace platform {

// Full path of the running executable (or the stand-in set by overrideExecutablePath), from
// the kernel's record of it. Empty when no absolute path that names it exactly can be had (a
// folder name that is not UTF-8): the files named after it are then relative paths, which the
// profile files never read or write, so the game keeps no files rather than someone else's.
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
QString fileNameOf(const QString &path);              // "name.ext"
QString fileNameWithoutExt(const QString &path);      // "name"

QString settingsFilePath();    // executablePath() with ".ini"
QString highScoreFilePath();   // executablePath() with ".hsl"
QString helpFilePath();        // executablePath() with ".hlp"

// Moves an older settings file (the executable's path without extension) to the settings
// file's name. Only a regular file that is not the running executable is ever moved; an
// existing settings file is never overwritten. Returns true when a file was moved.
bool moveOldSettingsFile();

}  // namespace platform
