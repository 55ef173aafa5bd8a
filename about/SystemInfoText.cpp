#include "SystemInfoText.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// How many file systems the first line of free space holds (four drive letters, C: to F:).
constexpr std::size_t kFirstDrives = 4;

// The context of the system information's translations.
struct SystemInfo {
    Q_DECLARE_TR_FUNCTIONS(SystemInfo)
};

}  // namespace

SystemInfoTexts systemInfoTexts(const platform::OsVersion &os, const platform::MemoryStatus &memory,
                                const std::vector<platform::DriveSpace> &drives)
{
    SystemInfoTexts t;
    t.family = os.family;
    t.version =
        SystemInfo::tr("%1.%2   Build : %3").arg(os.major).arg(os.minor).arg(os.build & 0xFFFF);
    //: The memory in all and the memory available, in kilobytes
    t.memory = SystemInfo::tr("Tot: %1 KB     Avl: %2 KB")
                   .arg(memory.totalBytes / 1024)
                   .arg(memory.availableBytes / 1024);
    for (std::size_t i = 0; i < drives.size(); ++i) {
        //: A file system's folder and its free space in megabytes
        const QString entry = SystemInfo::tr("%1: %2 MB  ")
                                  .arg(drives[i].mountPoint)
                                  .arg(drives[i].freeBytes / 1024 / 1024);
        (i < kFirstDrives ? t.firstDrives : t.otherDrives) += entry;
    }
    return t;
}

QString systemInfoMessage(const SystemInfoTexts &texts)
{
    return QStringList{SystemInfo::tr("You are probably Running %1").arg(texts.family),
                       SystemInfo::tr("Version Info: %1").arg(texts.version),
                       SystemInfo::tr("Free Memory: %1").arg(texts.memory),
                       SystemInfo::tr("Free Hard disk Space: "),
                       texts.firstDrives,
                       texts.otherDrives}
        .join(QLatin1Char('\n'));
}
