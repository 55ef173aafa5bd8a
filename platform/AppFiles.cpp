#include "AppFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace platform {

namespace {

// Set only by tests, which stand a temporary folder in for the executable's.
QString &executableOverride()
{
    static QString path;
    return path;
}

QString runningExecutable()
{
    if (QCoreApplication::instance()) return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

// Where the extension starts: the last dot of the file name, unless the name has none or the
// dot is its first character (a hidden file such as ".quorbix" has no extension).
qsizetype extensionStart(const QString &path)
{
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > nameStart ? dot : -1;
}

// True when both names lead to the same file, also through hard or symbolic links.
bool sameFile(const QString &a, const QString &b)
{
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

}  // namespace

QString executablePath()
{
    const QString &standIn = executableOverride();
    return standIn.isEmpty() ? runningExecutable() : standIn;
}

void overrideExecutablePath(const QString &fullPath)
{
    executableOverride() = fullPath;
}

QString changeFileExt(const QString &path, const QString &ext)
{
    return removeFileExt(path) + ext;
}

QString removeFileExt(const QString &path)
{
    const qsizetype dot = extensionStart(path);
    return dot < 0 ? path : path.left(dot);
}

QString fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString fileNameWithoutExt(const QString &path)
{
    return removeFileExt(fileNameOf(path));
}

QString settingsFilePath() { return changeFileExt(executablePath(), QStringLiteral(".ini")); }
QString highScoreFilePath() { return changeFileExt(executablePath(), QStringLiteral(".hsl")); }
QString helpFilePath() { return changeFileExt(executablePath(), QStringLiteral(".hlp")); }

bool moveOldSettingsFile()
{
    const QString exe = executablePath();
    const QString oldPath = removeFileExt(exe);
    // An executable without extension is itself the "old name": there is nothing to move.
    if (oldPath == exe) return false;
    const QFileInfo old(oldPath);
    if (!old.isFile() || old.isSymLink()) return false;
    if (sameFile(oldPath, exe) || sameFile(oldPath, QStringLiteral("/proc/self/exe"))) {
        return false;
    }
    const QString newPath = settingsFilePath();
    if (QFileInfo::exists(newPath) || QFileInfo(newPath).isSymLink()) return false;
    // QFile::rename never replaces an existing file, so a settings file made in between stays.
    return QFile::rename(oldPath, newPath);
}

}  // namespace platform
