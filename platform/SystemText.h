#pragma once
// Readers of the kernel's own texts (release string, /proc/meminfo, /proc/self/mounts), kept
// apart from the system calls so that odd or damaged input can be tried without the system.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

struct ReleaseNumbers {
    int major = 0;
    int minor = 0;
    int build = 0;
};
// "6.1.0-13-amd64" -> 6, 1, 0: the leading dotted numbers; missing ones are 0.
ReleaseNumbers parseKernelRelease(const QString &release);

struct MemInfo {
    std::optional<std::uint64_t> totalBytes;
    std::optional<std::uint64_t> availableBytes;
};
// "MemTotal:" and "MemAvailable:" of /proc/meminfo, given in kB there.
MemInfo parseMemInfo(const QByteArray &text);

struct MountEntry {
    QString mountPoint;
    QString type;
};
// The lines of /proc/self/mounts with the kernel's octal escapes (\040 for a blank) undone.
std::vector<MountEntry> parseMounts(const QByteArray &text);

// False for the kernel's and the desktop's pseudo file systems, which hold no files of a disk.
bool isDiskFileSystem(const QString &type);

}  // namespace platform
