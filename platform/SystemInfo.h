#pragma once
// What the About window and the high score window ask of the system.

#include <QString>

#include <cstdint>
#include <vector>

namespace platform {

// Login name of the current user; empty when the system has none.
QString loginName();

struct OsVersion {
    QString family;    // kernel name, e.g. "Linux"
    QString release;   // full release text, e.g. "6.1.0-13-amd64"
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

// Mounted real file systems (pseudo file systems skipped), in mount order, with free bytes.
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
