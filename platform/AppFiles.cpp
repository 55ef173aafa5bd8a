#include "AppFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
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

// The name of the per-user folders and of the files in them.
constexpr char kProgramName[] = "quorbix";

// True when the player may write the executable's folder, so the files stay beside it.
bool filesBesideExecutable()
{
    const QString folder = QFileInfo(executablePath()).absolutePath();
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

// A base folder of the XDG rules: the variable when it holds an absolute path (a relative one
// is invalid and ignored), else its default below the home folder.
QString xdgBaseFolder(const char *variable, const char *defaultBelowHome)
{
    const QString set = qEnvironmentVariable(variable);
    if (set.startsWith(u'/')) return set;
    return QDir::homePath() + u'/' + QLatin1String(defaultBelowHome);
}

// Creates the folder and any missing parent with mode 0700: the player's files are theirs alone.
// A failure shows later, as the write's own "Unable to write to" error.
void makePrivateFolder(const QString &folder)
{
    const QByteArray path = QFile::encodeName(QDir::cleanPath(folder));
    for (qsizetype end = path.indexOf('/', 1); ; end = path.indexOf('/', end + 1)) {
        const QByteArray part = end < 0 ? path : path.left(end);
        struct stat existing {};
        if (::mkdir(part.constData(), 0700) != 0 && errno != EEXIST &&
            !(::stat(part.constData(), &existing) == 0 && S_ISDIR(existing.st_mode))) {
            return;
        }
        if (end < 0) return;
    }
}

QString playerFilePath(const QString &ext, const char *xdgVariable, const char *defaultBelowHome)
{
    if (filesBesideExecutable()) return changeFileExt(executablePath(), ext);
    const QString folder = xdgBaseFolder(xdgVariable, defaultBelowHome) + u'/' +
                           QLatin1String(kProgramName);
    makePrivateFolder(folder);
    return folder + u'/' + QLatin1String(kProgramName) + ext;
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

QString settingsFilePath()
{
    return playerFilePath(QStringLiteral(".ini"), "XDG_CONFIG_HOME", ".config");
}

QString highScoreFilePath()
{
    return playerFilePath(QStringLiteral(".hsl"), "XDG_DATA_HOME", ".local/share");
}

QString helpFilePath()
{
    const QString beside = changeFileExt(executablePath(), QStringLiteral(".hlp"));
    if (QFileInfo::exists(beside)) return beside;
    // QUORBIX_DATA_FROM_EXE: the installed data folder relative to the executable's folder.
    const QString installed = QDir::cleanPath(QFileInfo(executablePath()).absolutePath() +
                                              QStringLiteral("/" QUORBIX_DATA_FROM_EXE "/") +
                                              QLatin1String(kProgramName) + QStringLiteral(".hlp"));
    return QFileInfo::exists(installed) ? installed : beside;
}

bool moveOldSettingsFile()
{
    const QString exe = executablePath();
    const QString oldPath = removeFileExt(exe);
    // An executable without extension is itself the "old name": there is nothing to move.
    // Installed, the settings never lay beside the executable, so nothing old is there either.
    if (oldPath == exe || !filesBesideExecutable()) return false;
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
