#include "AtomicWrite.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
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

// Opens a new file beside the target, created with the usual permissions (0666 less umask).
int createTemporary(const QByteArray &target, QByteArray &name)
{
    static std::atomic<unsigned> counter {0};
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = target.left(slash + 1);
    const QByteArray base = target.mid(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + '.' + base + '.' + QByteArray::number(::getpid()) + '.' +
               QByteArray::number(counter++) + ".tmp";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void syncFolder(const QByteArray &target)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : target.left(slash);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);   // makes the rename itself last; not every file system can
        ::close(fd);
    }
}

}  // namespace

bool replaceFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    const QString real = info.isSymLink() ? info.canonicalFilePath() : info.absoluteFilePath();
    if (real.isEmpty()) return false;   // a link to nowhere
    const QByteArray target = QFile::encodeName(real);

    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) return false;
    // A file its owner made read-only stays as it is: the rename would get past the mode that
    // a write in place respects.
    if (replacing && ::access(target.constData(), W_OK) != 0) return false;

    QByteArray temporary;
    Descriptor fd(createTemporary(target, temporary));
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
