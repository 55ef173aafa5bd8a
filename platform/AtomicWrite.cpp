#include "AtomicWrite.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Closes a descriptor once; close() reports late write errors, so its result counts.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return fd_; }
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        left -= n;
    }
    return true;
}

// Our files beside a target all start with this and a hash of the target's name; the full name
// would not fit the name limit beside a long one.
constexpr char kSiblingPrefix[] = ".quorbix-";

QByteArray siblingPrefix(const QByteArray &target)
{
    // FNV-1a over the file's name: stable from run to run and machine to machine, which
    // QHash's seeded hashing is not.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : target.mid(target.lastIndexOf('/') + 1)) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return kSiblingPrefix +
           QByteArray::number(hash & 0xFFFFFFFFFFFFULL, 16).rightJustified(12, '0');
}

QByteArray folderOf(const QByteArray &target)
{
    const qsizetype slash = target.lastIndexOf('/');
    return slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : target.left(slash);
}

std::optional<qint64> decimal(const QByteArray &digits)
{
    if (digits.isEmpty() || digits.size() > 10) return std::nullopt;
    qint64 value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool processIsGone(qint64 pid)
{
    return pid > 0 && pid <= std::numeric_limits<pid_t>::max() &&
           ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// A temporary of this target is "<prefix>-<pid>-<n>.tmp"; the ones whose process is gone were
// abandoned half-way (the process was killed) and are removed. Anything else is left alone:
// our own, a live process's, and every file that only looks a bit like ours.
void removeAbandonedTemporaries(const QByteArray &target, const QByteArray &prefix)
{
    DIR *dir = ::opendir(folderOf(target).constData());
    if (!dir) return;
    const QByteArray start = prefix + '-';
    const QByteArray end = ".tmp";
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(start) || !name.endsWith(end)) continue;
        const QList<QByteArray> parts =
            name.mid(start.size(), name.size() - start.size() - end.size()).split('-');
        if (parts.size() != 2 || !decimal(parts[1])) continue;
        const std::optional<qint64> pid = decimal(parts[0]);
        if (!pid || *pid == ::getpid() || !processIsGone(*pid)) continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode)) {
            ::unlinkat(::dirfd(dir), name.constData(), 0);
        }
    }
    ::closedir(dir);
}

// Opens a new file beside the target, created with the usual permissions (0666 less umask).
int createTemporary(const QByteArray &target, const QByteArray &prefix, QByteArray &name)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folderOf(target) + '/' + prefix + '-' + QByteArray::number(::getpid()) + '-' +
               QByteArray::number(counter++) + ".tmp";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void syncFolder(const QByteArray &target)
{
    const int fd = ::open(folderOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // makes the rename itself last; not every file system can
        ::close(fd);
    }
}

}  // namespace

QString replacedFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink()) return info.absoluteFilePath();
    // Only a link the player made is followed, as the kernel's protected_symlinks does in
    // shared folders: someone else's link in a folder they may write would otherwise lead the
    // write into any file of the player's.
    struct stat link {};
    if (::lstat(QFile::encodeName(path).constData(), &link) != 0 || link.st_uid != ::geteuid())
        return {};
    return info.canonicalFilePath();
}

QString lockFileFor(const QString &target)
{
    const QByteArray name = QFile::encodeName(target);
    return QFile::decodeName(folderOf(name) + '/' + siblingPrefix(name) + ".lock");
}

bool replaceFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QString real = replacedFile(path);
    if (real.isEmpty()) return false;  // a link to nowhere
    const QByteArray target = QFile::encodeName(real);

    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) return false;
    // A file its owner made read-only stays as it is: the rename would get past the mode that
    // a write in place respects.
    if (replacing && ::access(target.constData(), W_OK) != 0) return false;

    const QByteArray prefix = siblingPrefix(target);
    removeAbandonedTemporaries(target, prefix);
    QByteArray temporary;
    Descriptor fd(createTemporary(target, prefix, temporary));
    if (fd.get() < 0) return false;
    const bool written = (!replacing || ::fchmod(fd.get(), old.st_mode & 07777) == 0) &&
                         writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    if (!fd.close() || !written || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    syncFolder(target);
    return true;
}

}  // namespace platform
