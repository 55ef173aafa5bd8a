#include "SystemInfo.h"

#include "SystemText.h"

#include <QFile>
#include <QSet>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

namespace {

// The kernel's text files report no size, so they are read up to a bound instead.
QByteArray readProcFile(const char *path, qint64 maxBytes)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.read(maxBytes);
}

QString passwordEntryName()
{
    std::vector<char> buffer(4096);
    passwd entry{};
    passwd *found = nullptr;
    int error = 0;
    while ((error = ::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found)) ==
               ERANGE &&
           buffer.size() < (1u << 20)) {
        buffer.resize(buffer.size() * 2);
    }
    if (error != 0 || !found || !found->pw_name) return {};
    return QFile::decodeName(found->pw_name);
}

}  // namespace

QString loginName()
{
    // The account of the user id first: a session without a login terminal still has one.
    const QString name = passwordEntryName();
    if (!name.isEmpty()) return name;
    char login[256] = {};
    if (::getlogin_r(login, sizeof login) == 0) return QFile::decodeName(login);
    return {};
}

OsVersion osVersion()
{
    OsVersion version;
    utsname names{};
    if (::uname(&names) != 0) return version;
    version.family = QString::fromLocal8Bit(names.sysname);
    version.release = QString::fromLocal8Bit(names.release);
    const ReleaseNumbers numbers = parseKernelRelease(version.release);
    version.major = numbers.major;
    version.minor = numbers.minor;
    version.build = numbers.build;
    return version;
}

MemoryStatus memoryStatus()
{
    const MemInfo info = parseMemInfo(readProcFile("/proc/meminfo", 64 * 1024));
    MemoryStatus status;
    struct sysinfo system {};
    const bool haveSystem = ::sysinfo(&system) == 0;
    const std::uint64_t unit = haveSystem ? system.mem_unit : 0;
    status.totalBytes = info.totalBytes.value_or(unit * system.totalram);
    // Without MemAvailable (old kernels) free memory and buffers come closest.
    status.availableBytes = info.availableBytes.value_or(
        unit * (std::uint64_t(system.freeram) + system.bufferram));
    return status;
}

std::vector<DriveSpace> driveSpaces()
{
    std::vector<DriveSpace> drives;
    QSet<dev_t> seen;
    for (const MountEntry &mount : parseMounts(readProcFile("/proc/self/mounts", 4 << 20))) {
        if (!isDiskFileSystem(mount.type)) continue;
        const QByteArray path = QFile::encodeName(mount.mountPoint);
        struct stat info {};
        struct statvfs space {};
        // A file bound over another (as containers do for /etc/hosts) is not a drive, and a
        // file system mounted in several places counts once, at its first place.
        if (::stat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
            seen.contains(info.st_dev)) {
            continue;
        }
        if (::statvfs(path.constData(), &space) != 0 || space.f_blocks == 0) continue;
        seen.insert(info.st_dev);
        drives.push_back({mount.mountPoint, std::uint64_t(space.f_bavail) * space.f_frsize});
    }
    return drives;
}

FileVersion programVersion()
{
    return {QUORBIX_VERSION_MAJOR, QUORBIX_VERSION_MINOR, QUORBIX_VERSION_PATCH,
            QUORBIX_VERSION_TWEAK};
}

}  // namespace platform
