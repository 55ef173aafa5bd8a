#pragma once
// The text of a profile file held line by line: lookups by section and key, and edits that
// change only the lines they must. Every other line keeps its exact bytes, line end included.
//
// The bytes are UTF-8. A line that is not valid UTF-8 reads as Windows-1252, so a name typed on
// an older system shows as it was typed and no character turns into U+FFFD; such a line is
// kept byte for byte until an edit rewrites it, in UTF-8. Names given to this class must already
// be cleaned by cleanProfileName (ProfileFile does that).

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <utility>
#include <vector>

namespace platform {

// A line longer than this is never taken for a key; one that starts with "[" still ends the
// section before it, but names no section a caller can find.
inline constexpr qsizetype kMaxProfileLineBytes = 64 * 1024;

// Decimal with an optional minus sign, "0x"/"0X" followed by hex digits, or "$" followed by hex
// digits. Hexadecimal takes up to 32 bits and wraps into the signed range ("$FFFFFFFF" is -1).
// Anything else, and decimal text outside the int range, is nullopt.
std::optional<int> parseProfileInteger(QStringView text);

// A value as the reader hands it out: one pair of matching quotes (" or ') around it is
// dropped, as the profile functions of the platform the game was made for do.
QString unquoteProfileValue(const QString &value);

// The rule that keeps a write from creating or damaging other lines: control characters
// (line breaks, tabs, NUL, ..., and U+0080 to U+009F) become blanks, blanks at both ends are
// dropped and, in a key, "=" and a leading "[" or ";" become "_". Values get the first two
// steps only.
QString cleanProfileName(const QString &name, bool isKey);
QString cleanProfileValue(const QString &value);

class ProfileText {
public:
    explicit ProfileText(const QByteArray &bytes = {});

    QByteArray bytes() const;

    // nullopt for a missing section or key, and for a key line without "="; the value is
    // trimmed and unquoted.
    std::optional<QString> value(const QString &section, const QString &key) const;
    // Key names of the first section of that name, in file order.
    QStringList keys(const QString &section) const;
    // The same keys, each with the value of its own line (nullopt without "="), in one pass.
    std::vector<std::pair<QString, std::optional<QString>>> entries(const QString &section) const;

    void setValue(const QString &section, const QString &key, const QString &value);
    // Removes every section of that name; false when there was none.
    bool eraseSection(const QString &section);
    // The first section of that name keeps its place and its comment lines and gets exactly
    // these keys, after the comments; further sections of the name go. Without keys this is
    // eraseSection.
    void replaceSection(const QString &section,
                        const std::vector<std::pair<QString, QString>> &keyValues);

private:
    enum class Kind { Blank, Comment, Section, Key, Other };
    enum class LineEnd : unsigned char { None, Lf, CrLf };
    struct Line {
        QByteArray text;              // without its line end
        LineEnd end = LineEnd::None;  // None only for a last line without a line end
        Kind kind = Kind::Other;
        bool utf8 = true;  // false: the line reads as Windows-1252
        QString name;      // section or key name, trimmed; empty for a nameless section
        bool hasValue = false;
        QByteArray value;  // the key's value, trimmed
    };
    struct Span {
        qsizetype header = -1;  // index of the section's header line
        qsizetype end = -1;     // one past its last line
    };

    static Line parseLine(const QByteArray &text, LineEnd end);
    std::vector<Span> sections(const QString &name) const;
    std::optional<qsizetype> findKey(const Span &span, const QString &key) const;
    qsizetype insertionPoint(const Span &span) const;
    void insertLines(qsizetype at, const QList<Line> &lines);
    void appendSection(const QString &section,
                       const std::vector<std::pair<QString, QString>> &keyValues);
    LineEnd newline() const;

    QList<Line> lines_;
};

}  // namespace platform
