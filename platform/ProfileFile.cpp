#include "ProfileFile.h"

#include "AppFiles.h"
#include "AtomicWrite.h"
#include "FileLock.h"
#include "ProfileText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The settings and high score files hold a few hundred bytes. Anything past this bound is not
// one of ours: reads give the defaults and writes refuse to touch it.
constexpr qint64 kMaxProfileFileBytes = 1024 * 1024;

// How long a write waits for another program's update of the same file to end. Updates take
// milliseconds; a lock held longer belongs to a program that hangs, and the write gives up.
constexpr int kLockWaitMs = 3000;

// Opens what can be read as a profile without ever blocking: O_NONBLOCK keeps a FIFO from
// waiting for a writer, O_NOFOLLOW keeps a link swapped in for the file from leading anywhere.
// A link the player made on purpose is followed once, to the file it names at this moment,
// which is then opened the same way.
int openForReading(const QByteArray &name)
{
    constexpr int flags = O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC;
    const int fd = ::open(name.constData(), flags);
    if (fd >= 0 || errno != ELOOP) return fd;
    char *real = ::realpath(name.constData(), nullptr);
    if (!real) return -1;
    const int linked = ::open(real, flags);
    std::free(real);
    return linked;
}

enum class Found { Missing, Read, Unreadable };

// Reads the whole file, unless there is nothing that can be read as a profile: no file, not a
// regular file (a FIFO or device would block or never end), unreadable, or over the bound. A
// path that is not absolute names no file of ours: it would depend on the current folder.
Found readBounded(const QString &path, QByteArray &bytes)
{
    if (!QDir::isAbsolutePath(path)) return Found::Missing;
    const int fd = openForReading(QFile::encodeName(path));
    if (fd < 0) return errno == ENOENT ? Found::Missing : Found::Unreadable;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxProfileFileBytes;
    bytes.clear();
    while (ok && bytes.size() <= kMaxProfileFileBytes) {
        char chunk[16384];
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        bytes.append(chunk, n);
    }
    ::close(fd);
    return ok && bytes.size() <= kMaxProfileFileBytes ? Found::Read : Found::Unreadable;
}

std::optional<ProfileText> loadForReading(const QString &path)
{
    QByteArray bytes;
    if (readBounded(path, bytes) != Found::Read) return std::nullopt;
    return ProfileText(bytes);
}

// A file that exists but cannot be read whole is never replaced: its other lines would be lost.
ProfileText loadForWriting(const QString &path)
{
    QByteArray bytes;
    switch (readBounded(path, bytes)) {
    case Found::Missing: return ProfileText();
    case Found::Read: return ProfileText(bytes);
    case Found::Unreadable: break;
    }
    throw ProfileWriteError(path);
}

// Creates the folder and any missing parent with mode 0700, as the per-user folders of the
// player's files should be. A failure shows as the write's own error.
void makePrivateFolder(const QString &folder)
{
    const QByteArray path = QFile::encodeName(QDir::cleanPath(folder));
    for (qsizetype end = path.indexOf('/', 1);; end = path.indexOf('/', end + 1)) {
        const QByteArray part = end < 0 ? path : path.left(end);
        struct stat existing {};
        if (::mkdir(part.constData(), 0700) != 0 && errno != EEXIST &&
            !(::stat(part.constData(), &existing) == 0 && S_ISDIR(existing.st_mode))) {
            return;
        }
        if (end < 0) return;
    }
}

// Whether the file and the lock and temporaries beside it can be named on this system: a path
// too long for it would fail only after its first folders were made, and leave them behind.
bool fitsFileSystem(const QString &path)
{
    // The longest name of ours beside a file: ".quorbix-<12 hex>-<pid>-<n>.tmp".
    constexpr qsizetype kSiblingNameBytes = 64;
    const QByteArray bytes = QFile::encodeName(QDir::cleanPath(path));
    const qsizetype folderBytes = bytes.lastIndexOf('/');
    if (bytes.size() >= PATH_MAX || folderBytes + 1 + kSiblingNameBytes >= PATH_MAX) return false;
    for (const QByteArray &name : bytes.split('/')) {
        if (name.size() > NAME_MAX) return false;
    }
    return true;
}

// A per-user folder holds the player's own files: one that someone else may write would let
// them put links or files of their own in place of the player's. The player's own folder is
// made private (0700); a folder of someone else's, or a link to a folder made by someone else,
// is not used.
bool keepPrivate(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) return false;
    if (S_ISLNK(st.st_mode) && (st.st_uid != ::geteuid() || ::stat(name.constData(), &st) != 0))
        return false;
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) return false;
    return (st.st_mode & (S_IWGRP | S_IWOTH)) == 0 || ::chmod(name.constData(), 0700) == 0;
}

// Every change of a file: under the file's lock, read it afresh, edit, and replace it when the
// edit changed something. Another copy of the game that updates the same file waits for the
// lock, so neither undoes the other's change; a lock not had in time loses nothing either, it
// only fails this write. A path that is not absolute is never written.
void update(const QString &path, const std::function<bool(ProfileText &)> &edit)
{
    if (!QDir::isAbsolutePath(path) || !fitsFileSystem(path)) throw ProfileWriteError(path);
    // The first write of a file in a folder that is not there yet makes that folder.
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo::exists(folder)) makePrivateFolder(folder);
    if (isPerUserFolder(folder) && !keepPrivate(folder)) throw ProfileWriteError(folder);
    const QString target = replacedFile(path);
    if (target.isEmpty() || !fitsFileSystem(target)) throw ProfileWriteError(path);
    const QString lockFile = lockFileFor(target);
    FileLock lock(lockFile);
    if (!lock.take(kLockWaitMs)) {
        // What stands in the way is named: the lock when it is there (held, or not a file),
        // else the file, whose folder could not be had.
        struct stat st {};
        throw ProfileWriteError(
            ::lstat(QFile::encodeName(lockFile).constData(), &st) == 0 ? lockFile : path);
    }
    ProfileText text = loadForWriting(path);
    if (!edit(text)) return;
    const QByteArray bytes = text.bytes();
    if (bytes.size() > kMaxProfileFileBytes || !replaceFileAtomically(path, bytes)) {
        throw ProfileWriteError(path);
    }
}

QString sectionName(const QString &section) { return cleanProfileName(section, false); }
QString keyName(const QString &key) { return cleanProfileName(key, true); }

// A name the cleaning rule leaves empty, or a line the reader would not take back, is refused.
void checkWritable(const QString &path, const QString &section, const QString &key,
                   const QString &value)
{
    const qsizetype lineBytes = key.toUtf8().size() + 1 + value.toUtf8().size();
    if (section.isEmpty() || key.isEmpty() || lineBytes > kMaxProfileLineBytes ||
        section.toUtf8().size() + 2 > kMaxProfileLineBytes) {
        throw ProfileWriteError(path);
    }
}

ProfileFile::IntegerEntries integerEntries(const ProfileText &text, const QString &section, int def)
{
    ProfileFile::IntegerEntries out;
    for (const auto &[key, value] : text.entries(section))
        out.emplace_back(key, value ? parseProfileInteger(*value).value_or(def) : def);
    return out;
}

}  // namespace

ProfileWriteError::ProfileWriteError(const QString &path)
    : std::runtime_error(QCoreApplication::translate("ProfileFile", "Unable to write to %1")
                             .arg(path)
                             .toStdString()),
      path_(path)
{}

QString ProfileWriteError::message() const { return QString::fromUtf8(what()); }

ProfileFile::ProfileFile(QString fullPath) : path_(std::move(fullPath)) {}

QString ProfileFile::readString(const QString &section, const QString &key,
                                const QString &def) const
{
    const std::optional<ProfileText> text = loadForReading(path_);
    if (!text) return def;
    return text->value(sectionName(section), keyName(key)).value_or(def);
}

int ProfileFile::readInteger(const QString &section, const QString &key, int def) const
{
    const std::optional<ProfileText> text = loadForReading(path_);
    if (!text) return def;
    const std::optional<QString> value = text->value(sectionName(section), keyName(key));
    if (!value) return def;
    return parseProfileInteger(*value).value_or(def);
}

bool ProfileFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

QStringList ProfileFile::readKeys(const QString &section) const
{
    const std::optional<ProfileText> text = loadForReading(path_);
    if (!text) return {};
    return text->keys(sectionName(section));
}

ProfileFile::IntegerEntries ProfileFile::readIntegerSection(const QString &section, int def) const
{
    const std::optional<ProfileText> text = loadForReading(path_);
    return text ? integerEntries(*text, sectionName(section), def) : IntegerEntries();
}

bool ProfileFile::holdsSection(const QString &section, const KeyValues &keyValues) const
{
    // A file that is not there, or not readable, holds no keys.
    const ProfileText text = loadForReading(path_).value_or(ProfileText());
    const auto entries = text.entries(sectionName(section));
    return std::equal(entries.begin(), entries.end(), keyValues.begin(), keyValues.end(),
                      [](const auto &entry, const auto &wanted) {
                          return entry.first == keyName(wanted.first) && entry.second &&
                                 *entry.second == cleanProfileValue(wanted.second);
                      });
}

void ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString s = sectionName(section);
    const QString k = keyName(key);
    const QString v = cleanProfileValue(value);
    checkWritable(path_, s, k, v);
    update(path_, [&](ProfileText &text) {
        text.setValue(s, k, v);
        return true;
    });
}

void ProfileFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void ProfileFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void ProfileFile::eraseSection(const QString &section)
{
    const QString s = sectionName(section);
    if (s.isEmpty()) return;  // no section carries an empty name
    // Erasing what is not there writes nothing, and so creates no file.
    update(path_, [&](ProfileText &text) { return text.eraseSection(s); });
}

void ProfileFile::replaceSection(const QString &section, const KeyValues &keyValues)
{
    updateIntegerSection(section, 0, [&](const IntegerEntries &) { return keyValues; });
}

void ProfileFile::updateIntegerSection(const QString &section, int def,
                                       const std::function<KeyValues(const IntegerEntries &)> &edit)
{
    const QString s = sectionName(section);
    if (s.isEmpty()) throw ProfileWriteError(path_);
    update(path_, [&](ProfileText &text) {
        KeyValues clean = edit(integerEntries(text, s, def));
        for (auto &[key, value] : clean) {
            key = keyName(key);
            value = cleanProfileValue(value);
            checkWritable(path_, s, key, value);
        }
        // Erasing what is not there writes nothing, and so creates no file.
        if (clean.empty()) return text.eraseSection(s);
        text.replaceSection(s, clean);
        return true;
    });
}

}  // namespace platform
