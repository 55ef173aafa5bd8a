#pragma once
// The advisory lock that lets one writer at a time update a file: a lock file beside it, held
// with flock(). The kernel lets go of the lock when its holder ends however it ends, so a lock
// left by a writer that was killed is free at once, and a lock whose holder lives is never
// taken from it, however long it is held.

#include <QByteArray>
#include <QString>

namespace platform {

class FileLock {
public:
    explicit FileLock(const QString &lockFile);
    // Releases the lock and removes its file.
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Tries for up to waitMs milliseconds. False when another writer holds the lock all that
    // time, and at once when the lock's path cannot be a lock: anything but a regular file (a
    // folder, a link, a FIFO, a device) is never opened for writing nor waited on.
    bool take(int waitMs);

private:
    enum class Attempt { Taken, Held, Unusable };
    Attempt attempt();

    QByteArray path_;
    int fd_ = -1;
};

}  // namespace platform
