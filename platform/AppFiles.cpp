#include "AppFiles.h"

#include <QFile>
#include <QFileInfo>

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Set only by tests, which stand a temporary folder in for the executable's.
QString &executableOverride()
{
    static QString path;
    return path;
}

// The kernel's own record of the running program, as the bytes of its path. A program file
// deleted or replaced while it runs reads as "<path> (deleted)"; its folder is still ours.
QByteArray runningExecutableBytes()
{
    QByteArray bytes(PATH_MAX, Qt::Uninitialized);
    const ssize_t n = ::readlink("/proc/self/exe", bytes.data(), bytes.size());
    if (n <= 0 || n >= bytes.size()) return {};
    bytes.truncate(n);
    const QByteArray deleted = " (deleted)";
    struct stat st {};
    if (bytes.endsWith(deleted) && ::lstat(bytes.constData(), &st) != 0) bytes.chop(deleted.size());
    return bytes;
}

QString runningExecutable()
{
    return filePathFromNative(runningExecutableBytes());
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

QString filePathFromNative(const QByteArray &bytes)
{
    // Qt names files by UTF-8 text whatever the locale; bytes that are not UTF-8 turn into
    // U+FFFD, which names some other file. Only a path that comes back byte for byte is used.
    const QString path = QFile::decodeName(bytes);
    if (!bytes.startsWith('/') || QFile::encodeName(path) != bytes) return {};
    return path;
}

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
