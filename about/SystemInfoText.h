#pragma once
// The texts of the About window's system information message, built from the values the
// platform reports (kept apart from the querying so that any machine can be described).

#include "SystemInfo.h"

#include <QString>

#include <vector>

struct SystemInfoTexts {
    QString family;       // the operating system's family, e.g. "Linux"
    QString version;      // "6.1   Build : 0"
    QString memory;       // "Tot: 16318420 KB     Avl: 9012345 KB"
    QString firstDrives;  // the first four mounted file systems with their free space
    QString otherDrives;  // the rest
};

SystemInfoTexts systemInfoTexts(const platform::OsVersion &os, const platform::MemoryStatus &memory,
                                const std::vector<platform::DriveSpace> &drives);

// The lines of the message box, one under the other.
QString systemInfoMessage(const SystemInfoTexts &texts);
