// System information for the About window: the kernel's texts read soundly, and the live calls.
#include "SystemInfo.h"
#include "SystemText.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(SystemText, KernelReleaseGivesItsLeadingNumbers)
{
    const std::pair<const char *, std::array<int, 3>> cases[] = {
        {"6.1.0-13-amd64", {6, 1, 0}},
        {"5.15.133.1-microsoft-standard-WSL2", {5, 15, 133}},
        {"4.19", {4, 19, 0}},
        {"6.8.0rc1", {6, 8, 0}},
        {"", {0, 0, 0}},
        {"unknown", {0, 0, 0}},
        {"99999999999.2.3", {0, 0, 0}},
    };
    for (const auto &[text, expected] : cases) {
        const platform::ReleaseNumbers n = platform::parseKernelRelease(text);
        EXPECT_EQ((std::array<int, 3>{n.major, n.minor, n.build}), expected) << text;
    }
}

TEST(SystemText, MemInfoIsGivenInKibibytes)
{
    const platform::MemInfo info = platform::parseMemInfo(
        "MemTotal:       24683772 kB\nMemFree:  100 kB\nMemAvailable:   20000000 kB\n");
    EXPECT_EQ(info.totalBytes, std::uint64_t(24683772) * 1024);
    EXPECT_EQ(info.availableBytes, std::uint64_t(20000000) * 1024);

    const platform::MemInfo old = platform::parseMemInfo("MemTotal: 2048 kB\nMemAvailable: lots\n");
    EXPECT_EQ(old.totalBytes, std::uint64_t(2048) * 1024);
    EXPECT_FALSE(old.availableBytes.has_value());
    EXPECT_FALSE(platform::parseMemInfo(QByteArray("\0\xff garbage", 10)).totalBytes.has_value());
}

TEST(SystemText, MountsUndoTheKernelsEscapesAndSkipPseudoFileSystems)
{
    const std::vector<platform::MountEntry> mounts = platform::parseMounts(
        "/dev/sda1 / ext4 rw 0 0\n"
        "proc /proc proc rw 0 0\n"
        "/dev/sdb1 /media/My\\040Disk\\134x vfat rw 0 0\n"
        "short line\n"
        "\n");
    ASSERT_EQ(mounts.size(), 3u);
    EXPECT_EQ(mounts[0].mountPoint, "/");
    EXPECT_EQ(mounts[1].type, "proc");
    EXPECT_EQ(mounts[2].mountPoint, "/media/My Disk\\x");

    for (const char *disk : {"ext4", "btrfs", "xfs", "vfat", "overlay", "fuseblk", "iso9660"}) {
        EXPECT_TRUE(platform::isDiskFileSystem(disk)) << disk;
    }
    for (const char *pseudo :
         {"proc", "sysfs", "tmpfs", "devtmpfs", "cgroup2", "squashfs", "fuse.gvfsd-fuse", ""}) {
        EXPECT_FALSE(platform::isDiskFileSystem(pseudo)) << pseudo;
    }
}

TEST(SystemInfo, ReportsThisMachine)
{
    const platform::OsVersion os = platform::osVersion();
    EXPECT_EQ(os.family, "Linux");
    EXPECT_GT(os.major, 0);
    EXPECT_TRUE(os.release.startsWith(QString::number(os.major) + "."));

    const platform::MemoryStatus memory = platform::memoryStatus();
    EXPECT_GT(memory.totalBytes, 0u);
    EXPECT_LE(memory.availableBytes, memory.totalBytes);

    // Real folders only, each file system once; the one holding the root folder is among them.
    const std::vector<platform::DriveSpace> drives = platform::driveSpaces();
    QSet<QString> seen;
    for (const platform::DriveSpace &d : drives) {
        EXPECT_TRUE(QFileInfo(d.mountPoint).isDir()) << qPrintable(d.mountPoint);
        EXPECT_FALSE(seen.contains(d.mountPoint));
        seen.insert(d.mountPoint);
    }
    EXPECT_FALSE(drives.empty());
    EXPECT_FALSE(seen.contains("/proc"));
    EXPECT_FALSE(seen.contains("/sys"));
}

}  // namespace
