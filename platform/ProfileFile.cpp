#include "ProfileFile.h"

#include "AtomicWrite.h"
#include "ProfileText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cerrno>
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

// QLockFile finds a lock stale by the process named in it; a writer killed between creating the
// lock file and writing its name into it leaves a file that names no one, which QLockFile would
// only take as stale after half a minute. Writing the name takes microseconds, so such a file
// this old is abandoned; it is removed under the same guard QLockFile uses for its own.
constexpr qint64 kAbandonedLockMs = 2000;

void removeLockThatNamesNoOne(const QString &lockFile)
{
    const auto abandoned = [&] {
        const QFileInfo info(lockFile);
        qint64 pid = 0;
        QString host;
        QString app;
        return info.exists() && !QLockFile(lockFile).getLockInfo(&pid, &host, &app) &&
               info.lastModified().msecsTo(QDateTime::currentDateTime()) > kAbandonedLockMs;
    };
    if (!abandoned()) return;
    QLockFile guard(lockFile + QStringLiteral(".rmlock"));
    if (guard.tryLock(0) && abandoned()) QFile::remove(lockFile);
}

bool takeLock(QLockFile &lock, const QString &lockFile)
{
    QDeadlineTimer deadline(kLockWaitMs);
    for (;;) {
        if (lock.tryLock(100)) return true;
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired()) return false;
        removeLockThatNamesNoOne(lockFile);
    }
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

// Every change of a file: under the file's lock, read it afresh, edit, and replace it when the
// edit changed something. Another copy of the game that updates the same file waits for the
// lock, so neither undoes the other's change; a lock not had in time loses nothing either, it
// only fails this write. A path that is not absolute is never written.
void update(const QString &path, const std::function<bool(ProfileText &)> &edit)
{
    const QString target = QDir::isAbsolutePath(path) ? replacedFile(path) : QString();
    if (target.isEmpty()) throw ProfileWriteError(path);
    // The first write of a file in a folder that is not there yet makes that folder.
    if (!QFileInfo::exists(QFileInfo(target).absolutePath()))
        makePrivateFolder(QFileInfo(target).absolutePath());
    const QString lockFile = lockFileFor(target);
    QLockFile lock(lockFile);
    if (!takeLock(lock, lockFile)) throw ProfileWriteError(path);
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
    : std::runtime_error(QCoreApplication::translate("ProfileFile", "Unable to write to %1").arg(path).toStdString()),
      path_(path)
{
}

QString ProfileWriteError::message() const
{
    return QString::fromUtf8(what());
}

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
    if (s.isEmpty()) return;   // no section carries an empty name
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
