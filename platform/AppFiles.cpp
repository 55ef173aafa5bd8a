#include "AppFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>
#include <pwd.h>
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

QString runningExecutable() { return filePathFromNative(runningExecutableBytes()); }

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

// The installed help file, found from the executable's folder as installed (<prefix>/games and
// <prefix>/share/quorbix), so a moved or unpacked install finds its own.
QString installedHelpFile(const QString &exe)
{
    // QUORBIX_DATA_FROM_EXE: the installed data folder relative to the executable's folder.
    return QDir::cleanPath(QFileInfo(exe).absolutePath() +
                           QStringLiteral("/" QUORBIX_DATA_FROM_EXE "/") +
                           QLatin1String(kProgramName) + QStringLiteral(".hlp"));
}

// True for a build or a portable copy, whose files stay beside the executable: a folder the
// player owns and may write, without the installed layout around it (the help file in the
// installed data folder and none beside the executable). Installed, even where the player may
// write there (root may write /usr/games), the files are the player's, in the per-user
// folders; so are the files of an executable whose path cannot be had.
bool filesBesideExecutable()
{
    const QString exe = executablePath();
    if (exe.isEmpty()) return false;
    const QByteArray folder = QFile::encodeName(QFileInfo(exe).absolutePath());
    struct stat st {};
    if (::access(folder.constData(), W_OK) != 0 || ::stat(folder.constData(), &st) != 0 ||
        st.st_uid != ::geteuid()) {
        return false;
    }
    return QFileInfo::exists(changeFileExt(exe, QStringLiteral(".hlp"))) ||
           !QFileInfo::exists(installedHelpFile(exe));
}

// The player's home folder: $HOME when it names an absolute path, else the one the password
// database gives the player. Empty when neither can be had as a path.
QString homeFolder()
{
    const QString home = filePathFromNative(qgetenv("HOME"));
    if (!home.isEmpty()) return home;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    QByteArray buffer(size > 0 ? size : 16384, Qt::Uninitialized);
    struct passwd entry {};
    struct passwd *found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), size_t(buffer.size()), &found) != 0 ||
        !found || !found->pw_dir) {
        return {};
    }
    return filePathFromNative(QByteArray(found->pw_dir));
}

// A base folder of the XDG rules: the variable when it holds an absolute path that Qt can name
// exactly (a relative one is invalid, bytes that are not UTF-8 would name another folder: both
// are ignored), else its default below the home folder. Empty without a home folder.
QString xdgBaseFolder(const char *variable, const char *defaultBelowHome)
{
    const QString set = filePathFromNative(qgetenv(variable));
    if (!set.isEmpty()) return QDir::cleanPath(set);
    const QString home = homeFolder();
    return home.isEmpty() ? QString()
                          : QDir::cleanPath(home + u'/' + QLatin1String(defaultBelowHome));
}

QString perUserFolder(const char *xdgVariable, const char *defaultBelowHome)
{
    const QString base = xdgBaseFolder(xdgVariable, defaultBelowHome);
    return base.isEmpty() ? QString() : base + u'/' + QLatin1String(kProgramName);
}

constexpr char kConfigVariable[] = "XDG_CONFIG_HOME";
constexpr char kConfigDefault[] = ".config";
constexpr char kDataVariable[] = "XDG_DATA_HOME";
constexpr char kDataDefault[] = ".local/share";

QString playerFilePath(const QString &ext, const char *xdgVariable, const char *defaultBelowHome)
{
    if (filesBesideExecutable()) return changeFileExt(executablePath(), ext);
    // The folder is made, private to the player, by the first write (see ProfileFile). Without
    // a home folder the name is empty, and so names no file.
    const QString folder = perUserFolder(xdgVariable, defaultBelowHome);
    return folder.isEmpty() ? QString() : folder + u'/' + QLatin1String(kProgramName) + ext;
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

void overrideExecutablePath(const QString &fullPath) { executableOverride() = fullPath; }

QString changeFileExt(const QString &path, const QString &ext) { return removeFileExt(path) + ext; }

QString removeFileExt(const QString &path)
{
    const qsizetype dot = extensionStart(path);
    return dot < 0 ? path : path.left(dot);
}

QString fileNameOf(const QString &path) { return path.mid(path.lastIndexOf(u'/') + 1); }

QString fileNameWithoutExt(const QString &path) { return removeFileExt(fileNameOf(path)); }

QString settingsFilePath()
{
    return playerFilePath(QStringLiteral(".ini"), kConfigVariable, kConfigDefault);
}

QString highScoreFilePath()
{
    return playerFilePath(QStringLiteral(".hsl"), kDataVariable, kDataDefault);
}

bool isPerUserFolder(const QString &folder)
{
    const QString clean = QDir::cleanPath(folder);
    return !clean.isEmpty() && (clean == perUserFolder(kConfigVariable, kConfigDefault) ||
                                clean == perUserFolder(kDataVariable, kDataDefault));
}

QString helpFilePath()
{
    // Without the executable's path there is no folder to look in; the current folder is not
    // the game's.
    const QString exe = executablePath();
    if (!QDir::isAbsolutePath(exe)) return {};
    const QString beside = changeFileExt(exe, QStringLiteral(".hlp"));
    if (QFileInfo::exists(beside)) return beside;
    const QString installed = installedHelpFile(exe);
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
