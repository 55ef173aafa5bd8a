#include "SystemText.h"

#include <QFile>
#include <QList>
#include <QSet>

namespace platform {

namespace {

// Undoes the kernel's escapes in a mounts field: a backslash and three octal digits.
QByteArray unescapeMountField(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](qsizetype at) { return field[at] >= '0' && field[at] <= '7'; };
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(i + 1) && isOctal(i + 2) &&
            isOctal(i + 3)) {
            out += static_cast<char>(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) |
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

}  // namespace

ReleaseNumbers parseKernelRelease(const QString &release)
{
    ReleaseNumbers numbers;
    int *const parts[] = {&numbers.major, &numbers.minor, &numbers.build};
    qsizetype pos = 0;
    for (int *part : parts) {
        qsizetype end = pos;
        while (end < release.size() && release[end].isDigit() && release[end].unicode() < 128) {
            ++end;
        }
        if (end == pos || end - pos > 9) break;  // no number here, or one too long for an int
        *part = release.mid(pos, end - pos).toInt();
        if (end >= release.size() || release[end] != u'.') break;
        pos = end + 1;
    }
    return numbers;
}

MemInfo parseMemInfo(const QByteArray &text)
{
    MemInfo info;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 2) continue;
        bool ok = false;
        const std::uint64_t kib = fields[1].toULongLong(&ok);
        if (!ok || kib > UINT64_MAX / 1024) continue;
        if (fields[0] == "MemTotal:") info.totalBytes = kib * 1024;
        if (fields[0] == "MemAvailable:") info.availableBytes = kib * 1024;
    }
    return info;
}

std::vector<MountEntry> parseMounts(const QByteArray &text)
{
    std::vector<MountEntry> mounts;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3) continue;
        mounts.push_back({QFile::decodeName(unescapeMountField(fields[1])),
                          QString::fromLatin1(unescapeMountField(fields[2]))});
    }
    return mounts;
}

bool isDiskFileSystem(const QString &type)
{
    // tmpfs and ramfs live in memory, squashfs images (snaps) are read-only with nothing free,
    // and the fuse ones are the desktop's views of other places. An overlay stays: in a
    // container it is the disk the game is installed on.
    static const QSet<QString> pseudo = {
        QStringLiteral("proc"),          QStringLiteral("sysfs"),
        QStringLiteral("devtmpfs"),      QStringLiteral("devpts"),
        QStringLiteral("tmpfs"),         QStringLiteral("ramfs"),
        QStringLiteral("cgroup"),        QStringLiteral("cgroup2"),
        QStringLiteral("securityfs"),    QStringLiteral("debugfs"),
        QStringLiteral("tracefs"),       QStringLiteral("pstore"),
        QStringLiteral("bpf"),           QStringLiteral("mqueue"),
        QStringLiteral("hugetlbfs"),     QStringLiteral("configfs"),
        QStringLiteral("fusectl"),       QStringLiteral("autofs"),
        QStringLiteral("binfmt_misc"),   QStringLiteral("efivarfs"),
        QStringLiteral("rpc_pipefs"),    QStringLiteral("nsfs"),
        QStringLiteral("selinuxfs"),     QStringLiteral("squashfs"),
        QStringLiteral("nfsd"),          QStringLiteral("fuse.gvfsd-fuse"),
        QStringLiteral("fuse.portal"),   QStringLiteral("fuse.lxcfs"),
        QStringLiteral("fuse.snapfuse"),
    };
    return !type.isEmpty() && !pseudo.contains(type);
}

}  // namespace platform
