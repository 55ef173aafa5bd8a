// libFuzzer target: any bytes as a profile file. The reader must not crash, must give back an
// untouched file byte for byte, must never turn a name into U+FFFD (a line that is not UTF-8
// reads in the old code page), and an edit of one section must leave the others as they read.
#include "ProfileText.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok) std::abort();
}

// The first line of the input doubles as a name to look up, so the fuzzer finds real sections.
QString nameFrom(const QByteArray &bytes, bool isKey)
{
    const qsizetype end = bytes.indexOf('\n');
    return platform::cleanProfileName(QString::fromUtf8(bytes.left(end < 0 ? 32 : end).left(32)),
                                      isKey);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const platform::ProfileText text(bytes);
    check(text.bytes() == bytes);

    QString section = nameFrom(bytes, false);
    if (section.startsWith(u'[')) section = section.mid(1, section.indexOf(u']') - 1).trimmed();
    const QString guard = QStringLiteral("Guard");
    const bool hasReplacementCharacter = bytes.contains("\xEF\xBF\xBD");
    for (const QString &name : {section, guard, QStringLiteral("high score")}) {
        for (const QString &key : text.keys(name)) {
            check(hasReplacementCharacter || !key.contains(QChar::ReplacementCharacter));
            if (const std::optional<QString> v = text.value(name, key)) {
                platform::parseProfileInteger(*v);
            }
        }
    }
    if (section.isEmpty() || section.compare(guard, Qt::CaseInsensitive) == 0) return 0;

    const QString key = nameFrom(bytes.mid(bytes.indexOf('\n') + 1), true);
    const QString value = platform::cleanProfileValue(QString::fromUtf8(bytes.right(40)));
    const QStringList guardKeys = text.keys(guard);
    platform::ProfileText edited = text;
    if (!key.isEmpty()) {
        edited.setValue(section, key, value);
        check(edited.value(section, key) == platform::unquoteProfileValue(value));
        check(edited.keys(guard) == guardKeys);
    }
    edited.replaceSection(section, {{QStringLiteral("Ann_0"), QStringLiteral("950")}});
    check(edited.keys(section) == QStringList(QStringLiteral("Ann_0")));
    check(edited.keys(guard) == guardKeys);
    edited.eraseSection(section);
    check(edited.keys(section).isEmpty());
    check(edited.keys(guard) == guardKeys);
    return 0;
}
