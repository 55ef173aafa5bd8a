#include "FileLock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// How often a write looks again at a lock another writer holds.
constexpr int kRetryMs = 20;

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

FileLock::FileLock(const QString &lockFile) : path_(QFile::encodeName(lockFile)) {}

FileLock::~FileLock()
{
    if (fd_ < 0) return;
    // Removed while still held: a writer that opened this file meanwhile finds, once it has
    // the lock, that the path no longer names it, and starts again.
    ::unlink(path_.constData());
    ::close(fd_);
}

FileLock::Attempt FileLock::attempt()
{
    struct stat before {};
    if (::lstat(path_.constData(), &before) == 0 && !S_ISREG(before.st_mode))
        return Attempt::Unusable;
    // O_NOFOLLOW and O_NONBLOCK: something swapped in since the look above is neither followed
    // nor waited on; fstat then tells what was opened.
    const int fd = ::open(path_.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                          0666);
    if (fd < 0) return Attempt::Unusable;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return Attempt::Unusable;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK || errno == EINTR;
        ::close(fd);
        return held ? Attempt::Held : Attempt::Unusable;
    }
    // The writer before us removes the file as it lets go; a lock on a file that is no longer
    // at the path guards nothing.
    struct stat now {};
    if (::lstat(path_.constData(), &now) != 0 || !sameFile(now, opened)) {
        ::close(fd);
        return Attempt::Held;
    }
    // Who holds it, in the form QLockFile writes, for a person who finds the file.
    const QByteArray holder = QByteArray::number(::getpid()) + "\nquorbix\n" +
                              QSysInfo::machineHostName().toUtf8() + '\n';
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::write(fd, holder.constData(), holder.size());
    }
    fd_ = fd;
    return Attempt::Taken;
}

bool FileLock::take(int waitMs)
{
    if (fd_ >= 0) return true;
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        switch (attempt()) {
        case Attempt::Taken: return true;
        case Attempt::Unusable: return false;
        case Attempt::Held: break;
        }
        if (deadline.hasExpired()) return false;
        QThread::msleep(kRetryMs);
    }
}

}  // namespace platform
