#pragma once
// What the About window and the high score window ask of the system.

#include <QString>

#include <cstdint>
#include <vector>

namespace platform {

// Login name of the current user: the account name of the user id, else the login name of
// the terminal; empty when the system has neither (the name prompt then starts empty).
QString loginName();

struct OsVersion {
    QString family;   // kernel name, e.g. "Linux"
    QString release;  // full release text, e.g. "6.1.0-13-amd64"
    int major = 0;
    int minor = 0;
    int build = 0;
};
OsVersion osVersion();

struct MemoryStatus {
    std::uint64_t totalBytes = 0;
    std::uint64_t availableBytes = 0;
};
MemoryStatus memoryStatus();

// Mounted real file systems, in mount order, with the bytes free to an ordinary user. Left
// out: the kernel's pseudo file systems, tmpfs and ramfs (memory), squashfs images, the
// desktop's fuse views, files bound over files, and a file system already listed under an
// earlier mount point. An overlay (a container's root) counts as a disk.
struct DriveSpace {
    QString mountPoint;
    std::uint64_t freeBytes = 0;
};
std::vector<DriveSpace> driveSpaces();

// The program's version, compiled in from the build's project version.
struct FileVersion {
    int major = 0;
    int minor = 0;
    int release = 0;
    int build = 0;
};
FileVersion programVersion();

}  // namespace platform
