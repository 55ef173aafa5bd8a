#include "ProfileText.h"

#include <QStringDecoder>

#include <cstdint>

namespace platform {

namespace {

const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// Unlike QString::fromUtf8, keeps a U+FEFF at the start: it may begin a name.
QStringDecoder utf8Decoder()
{
    return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                    QStringDecoder::Flag::ConvertInitialBom);
}

// Valid UTF-8 is exactly what comes back unchanged: every invalid, overlong or cut-off sequence
// decodes to U+FFFD, which encodes to other bytes.
bool isUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder = utf8Decoder();
    return QString(decoder.decode(bytes)).toUtf8() == bytes;
}

// Windows-1252, the code page names were typed in on older systems: Latin-1 but for the
// printable characters it puts at 0x80 to 0x9F. Qt decodes it through ICU, which reads its five
// unassigned bytes as the C1 controls of the same number, so every byte reads as some character
// and none is lost.
QString fromWindows1252(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1252", QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

QString decode(const QByteArray &bytes, bool utf8)
{
    if (!utf8) return fromWindows1252(bytes);
    QStringDecoder decoder = utf8Decoder();
    return decoder.decode(bytes);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

std::optional<int> parseHex(QStringView digits)
{
    if (digits.isEmpty()) return std::nullopt;
    std::uint64_t value = 0;
    for (const QChar c : digits) {
        const int d = hexDigit(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    return static_cast<int>(static_cast<std::uint32_t>(value));
}

std::optional<int> parseDecimal(QStringView text)
{
    const bool negative = text.startsWith(u'-');
    const QStringView digits = negative ? text.mid(1) : text;
    if (digits.isEmpty()) return std::nullopt;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > limit) return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

bool namesMatch(const QString &a, const QString &b)
{
    return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
}

// Blanks only: by the time this runs every other control character has become a blank.
QString trimBlanks(const QString &s)
{
    qsizetype first = 0;
    qsizetype last = s.size();
    while (first < last && s[first] == u' ') ++first;
    while (last > first && s[last - 1] == u' ') --last;
    return s.mid(first, last - first);
}

QString blanksForControls(QString s)
{
    for (QChar &c : s) {
        // C0, DEL and C1: none has a place in a line of text.
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F)) c = u' ';
    }
    return trimBlanks(s);
}

}  // namespace

std::optional<int> parseProfileInteger(QStringView text)
{
    if (text.startsWith(u'$')) return parseHex(text.mid(1));
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        return parseHex(text.mid(2));
    }
    return parseDecimal(text);
}

QString unquoteProfileValue(const QString &value)
{
    const bool quoted = value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
                        value.back() == value.front();
    return quoted ? value.mid(1, value.size() - 2) : value;
}

QString cleanProfileName(const QString &name, bool isKey)
{
    QString s = blanksForControls(name);
    if (isKey) {
        s.replace(u'=', u'_');
        if (s.startsWith(u'[') || s.startsWith(u';')) s[0] = u'_';
    }
    return s;
}

QString cleanProfileValue(const QString &value) { return blanksForControls(value); }

ProfileText::ProfileText(const QByteArray &bytes)
{
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', pos);
        const bool crlf = lf > pos && bytes[lf - 1] == '\r';
        const qsizetype length = lf < 0 ? bytes.size() - pos : lf - pos - (crlf ? 1 : 0);
        const LineEnd end = lf < 0 ? LineEnd::None : crlf ? LineEnd::CrLf : LineEnd::Lf;
        const QByteArray text = bytes.mid(pos, length);
        // Editors that save UTF-8 with a byte order mark put it before the first section.
        if (pos == 0 && text.startsWith(kUtf8Bom)) {
            lines_.append(parseLine(text.mid(kUtf8Bom.size()), end));
            lines_.last().text = text;
        } else {
            lines_.append(parseLine(text, end));
        }
        if (lf < 0) break;
        pos = lf + 1;
    }
}

ProfileText::Line ProfileText::parseLine(const QByteArray &text, LineEnd end)
{
    Line line;
    line.text = text;
    line.end = end;
    line.utf8 = isUtf8(text);
    const QByteArray t = text.trimmed();
    if (text.size() > kMaxProfileLineBytes) {
        // Too long to be anything we wrote; a "[" still closes the section before it.
        line.kind = t.startsWith('[') ? Kind::Section : Kind::Other;
        return line;
    }
    if (t.isEmpty()) {
        line.kind = Kind::Blank;
        return line;
    }
    if (t.startsWith(';')) {
        line.kind = Kind::Comment;
        return line;
    }
    const qsizetype close = t.lastIndexOf(']');
    if (t.startsWith('[') && close > 0) {
        line.kind = Kind::Section;
        line.name = decode(t.mid(1, close - 1).trimmed(), line.utf8);
        return line;
    }
    line.kind = Kind::Key;
    const qsizetype eq = t.indexOf('=');
    line.name = decode((eq < 0 ? t : t.left(eq)).trimmed(), line.utf8);
    if (eq >= 0) {
        line.hasValue = true;
        line.value = t.mid(eq + 1).trimmed();
    }
    return line;
}

QByteArray ProfileText::bytes() const
{
    QByteArray out;
    for (const Line &line : lines_) {
        out += line.text;
        if (line.end == LineEnd::CrLf) out += "\r\n";
        if (line.end == LineEnd::Lf) out += '\n';
    }
    return out;
}

std::vector<ProfileText::Span> ProfileText::sections(const QString &name) const
{
    std::vector<Span> spans;
    bool open = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != Kind::Section) continue;
        if (open) spans.back().end = i;
        open = namesMatch(lines_[i].name, name);
        if (open) spans.push_back({i, lines_.size()});
    }
    return spans;
}

std::optional<qsizetype> ProfileText::findKey(const Span &span, const QString &key) const
{
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        if (lines_[i].kind == Kind::Key && namesMatch(lines_[i].name, key)) return i;
    }
    return std::nullopt;
}

std::optional<QString> ProfileText::value(const QString &section, const QString &key) const
{
    const std::vector<Span> spans = sections(section);
    if (spans.empty()) return std::nullopt;
    const std::optional<qsizetype> i = findKey(spans.front(), key);
    if (!i || !lines_[*i].hasValue) return std::nullopt;
    return unquoteProfileValue(decode(lines_[*i].value, lines_[*i].utf8));
}

QStringList ProfileText::keys(const QString &section) const
{
    QStringList names;
    const std::vector<Span> spans = sections(section);
    if (spans.empty()) return names;
    for (qsizetype i = spans.front().header + 1; i < spans.front().end; ++i) {
        if (lines_[i].kind == Kind::Key && !lines_[i].name.isEmpty()) names << lines_[i].name;
    }
    return names;
}

std::vector<std::pair<QString, std::optional<QString>>>
ProfileText::entries(const QString &section) const
{
    std::vector<std::pair<QString, std::optional<QString>>> out;
    const std::vector<Span> spans = sections(section);
    if (spans.empty()) return out;
    for (qsizetype i = spans.front().header + 1; i < spans.front().end; ++i) {
        const Line &line = lines_[i];
        if (line.kind != Kind::Key || line.name.isEmpty()) continue;
        out.emplace_back(line.name, line.hasValue ? std::optional<QString>(unquoteProfileValue(
                                                        decode(line.value, line.utf8)))
                                                  : std::nullopt);
    }
    return out;
}

ProfileText::LineEnd ProfileText::newline() const
{
    for (const Line &line : lines_) {
        if (line.end != LineEnd::None) return line.end;
    }
    return LineEnd::Lf;
}

qsizetype ProfileText::insertionPoint(const Span &span) const
{
    qsizetype at = span.header + 1;
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        if (lines_[i].kind == Kind::Key) at = i + 1;
    }
    return at;
}

void ProfileText::insertLines(qsizetype at, const QList<Line> &lines)
{
    if (lines.isEmpty()) return;
    const LineEnd end = newline();
    if (at > 0 && lines_[at - 1].end == LineEnd::None) lines_[at - 1].end = end;
    for (Line line : lines) {
        line.end = end;
        lines_.insert(at++, line);
    }
}

void ProfileText::appendSection(const QString &section,
                                const std::vector<std::pair<QString, QString>> &keyValues)
{
    QList<Line> added;
    if (!lines_.isEmpty() && lines_.last().kind != Kind::Blank) {
        added << parseLine({}, LineEnd::None);
    }
    added << parseLine('[' + section.toUtf8() + ']', LineEnd::None);
    for (const auto &[key, value] : keyValues) {
        added << parseLine(key.toUtf8() + '=' + value.toUtf8(), LineEnd::None);
    }
    insertLines(lines_.size(), added);
}

void ProfileText::setValue(const QString &section, const QString &key, const QString &value)
{
    const std::vector<Span> spans = sections(section);
    if (spans.empty()) {
        appendSection(section, {{key, value}});
        return;
    }
    const Span &span = spans.front();
    if (const std::optional<qsizetype> i = findKey(span, key)) {
        // Keep the name as the file spells it; only the value changes. A line in the old code
        // page gets its name in UTF-8, so that the whole line stays in one encoding.
        Line &line = lines_[*i];
        const QByteArray t = line.text.trimmed();
        const qsizetype eq = t.indexOf('=');
        const QByteArray name = line.utf8 ? (eq < 0 ? t : t.left(eq)).trimmed()
                                          : line.name.toUtf8();
        line = parseLine(name + '=' + value.toUtf8(), line.end);
        return;
    }
    insertLines(insertionPoint(span),
                {parseLine(key.toUtf8() + '=' + value.toUtf8(), LineEnd::None)});
}

bool ProfileText::eraseSection(const QString &section)
{
    const std::vector<Span> spans = sections(section);
    for (auto it = spans.rbegin(); it != spans.rend(); ++it) {
        lines_.remove(it->header, it->end - it->header);
    }
    return !spans.empty();
}

void ProfileText::replaceSection(const QString &section,
                                 const std::vector<std::pair<QString, QString>> &keyValues)
{
    if (keyValues.empty()) {
        eraseSection(section);
        return;
    }
    const std::vector<Span> spans = sections(section);
    if (spans.empty()) {
        appendSection(section, keyValues);
        return;
    }
    for (auto it = spans.rbegin(); it + 1 != spans.rend(); ++it) {
        lines_.remove(it->header, it->end - it->header);
    }
    // The blank lines that part this section from the next one stay where they are.
    const Span &span = spans.front();
    qsizetype tail = span.end;
    while (tail - 1 > span.header && lines_[tail - 1].kind == Kind::Blank) --tail;
    // Comments in the section stay, ahead of its keys: a player's note outlives a new list.
    QList<Line> added;
    for (qsizetype i = span.header + 1; i < tail; ++i) {
        if (lines_[i].kind == Kind::Comment) added << lines_[i];
    }
    lines_.remove(span.header + 1, tail - span.header - 1);
    for (const auto &[key, value] : keyValues) {
        added << parseLine(key.toUtf8() + '=' + value.toUtf8(), LineEnd::None);
    }
    insertLines(span.header + 1, added);
}

}  // namespace platform
