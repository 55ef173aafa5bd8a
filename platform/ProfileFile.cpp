#include "ProfileFile.h"

#include "AtomicWrite.h"
#include "ProfileText.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace platform {

namespace {

// The settings and high score files hold a few hundred bytes. Anything past this bound is not
// one of ours: reads give the defaults and writes refuse to touch it.
constexpr qint64 kMaxProfileFileBytes = 1024 * 1024;

// nullopt when there is nothing that can be read as a profile: no file, not a regular file
// (a FIFO or device would block or never end), unreadable, or over the bound.
std::optional<QByteArray> readBounded(const QString &path)
{
    if (!QFileInfo(path).isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.read(kMaxProfileFileBytes + 1);
    if (bytes.size() > kMaxProfileFileBytes || file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<ProfileText> loadForReading(const QString &path)
{
    const std::optional<QByteArray> bytes = readBounded(path);
    if (!bytes) return std::nullopt;
    return ProfileText(*bytes);
}

// A file that exists but cannot be read whole is never replaced: its other lines would be lost.
ProfileText loadForWriting(const QString &path)
{
    if (!QFileInfo::exists(path)) return ProfileText();
    const std::optional<QByteArray> bytes = readBounded(path);
    if (!bytes) throw ProfileWriteError(path);
    return ProfileText(*bytes);
}

void save(const QString &path, const ProfileText &text)
{
    const QByteArray bytes = text.bytes();
    if (bytes.size() > kMaxProfileFileBytes || !replaceFileAtomically(path, bytes)) {
        throw ProfileWriteError(path);
    }
}

QString sectionName(const QString &section) { return cleanProfileName(section, false); }
QString keyName(const QString &key) { return cleanProfileName(key, true); }

// A name the cleaning rule leaves empty, or a line the reader would not take back, is refused.
void checkWritable(const QString &path, const QString &section, const QString &key,
                   const QString &value)
{
    const qsizetype lineBytes = key.toUtf8().size() + 1 + value.toUtf8().size();
    if (section.isEmpty() || key.isEmpty() || lineBytes > kMaxProfileLineBytes ||
        section.toUtf8().size() + 2 > kMaxProfileLineBytes) {
        throw ProfileWriteError(path);
    }
}

}  // namespace

ProfileWriteError::ProfileWriteError(const QString &path)
    : std::runtime_error(QStringLiteral("Unable to write to %1").arg(path).toStdString()),
      path_(path)
{
}

QString ProfileWriteError::message() const
{
    return QString::fromUtf8(what());
}

ProfileFile::ProfileFile(QString fullPath) : path_(std::move(fullPath)) {}

QString ProfileFile::readString(const QString &section, const QString &key,
                                const QString &def) const
{
    const std::optional<ProfileText> text = loadForReading(path_);
    if (!text) return def;
    return text->value(sectionName(section), keyName(key)).value_or(def);
}

int ProfileFile::readInteger(const QString &section, const QString &key, int def) const
{
    const std::optional<ProfileText> text = loadForReading(path_);
    if (!text) return def;
    const std::optional<QString> value = text->value(sectionName(section), keyName(key));
    if (!value) return def;
    return parseProfileInteger(*value).value_or(def);
}

bool ProfileFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

QStringList ProfileFile::readKeys(const QString &section) const
{
    const std::optional<ProfileText> text = loadForReading(path_);
    if (!text) return {};
    return text->keys(sectionName(section));
}

std::vector<std::pair<QString, int>> ProfileFile::readIntegerSection(const QString &section,
                                                                    int def) const
{
    std::vector<std::pair<QString, int>> out;
    const std::optional<ProfileText> text = loadForReading(path_);
    if (!text) return out;
    for (const auto &[key, value] : text->entries(sectionName(section)))
        out.emplace_back(key, value ? parseProfileInteger(*value).value_or(def) : def);
    return out;
}

void ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString s = sectionName(section);
    const QString k = keyName(key);
    const QString v = cleanProfileValue(value);
    checkWritable(path_, s, k, v);
    ProfileText text = loadForWriting(path_);
    text.setValue(s, k, v);
    save(path_, text);
}

void ProfileFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void ProfileFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void ProfileFile::eraseSection(const QString &section)
{
    const QString s = sectionName(section);
    if (s.isEmpty()) return;   // no section carries an empty name
    ProfileText text = loadForWriting(path_);
    // Erasing what is not there writes nothing, and so creates no file.
    if (text.eraseSection(s)) save(path_, text);
}

void ProfileFile::replaceSection(const QString &section,
                                 const std::vector<std::pair<QString, QString>> &keyValues)
{
    if (keyValues.empty()) {
        eraseSection(section);
        return;
    }
    const QString s = sectionName(section);
    std::vector<std::pair<QString, QString>> clean;
    clean.reserve(keyValues.size());
    for (const auto &[key, value] : keyValues) {
        clean.emplace_back(keyName(key), cleanProfileValue(value));
        checkWritable(path_, s, clean.back().first, clean.back().second);
    }
    ProfileText text = loadForWriting(path_);
    text.replaceSection(s, clean);
    save(path_, text);
}

}  // namespace platform
