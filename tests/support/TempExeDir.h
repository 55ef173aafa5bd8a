#pragma once
// A temporary folder standing in for the executable's folder: the "executable" is
// <dir>/quorbix, so the settings and high score files land beside it.

#include "AppFiles.h"

#include <QDir>
#include <QTemporaryDir>

class TempExeDir {
public:
    TempExeDir() { platform::overrideExecutablePath(exePath()); }
    ~TempExeDir() { platform::overrideExecutablePath(QString()); }
    TempExeDir(const TempExeDir &) = delete;
    TempExeDir &operator=(const TempExeDir &) = delete;

    QString path() const { return dir_.path(); }
    QString exePath() const { return dir_.filePath("quorbix"); }
    QString filePath(const QString &name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};
