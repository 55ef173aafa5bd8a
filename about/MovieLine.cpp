#include "MovieLine.h"

#include "SystemColors.h"

#include <algorithm>
#include <cctype>

namespace {

// Glyphs bigger than this can never be seen in a scroller; a huge size would only cost time.
constexpr int kMaxFontSize = 1000;

void applyTag(const QString &tag, MovieLine &line)
{
    if (tag.startsWith(QLatin1String("size="))) {
        const auto size = parseTagNumber(tag.mid(5));
        if (!size || *size == 0) return;
        if (*size > 0)
            line.font.font.setPointSize(std::min(*size, kMaxFontSize));
        else
            line.font.font.setPixelSize(
                std::min(-static_cast<std::int64_t>(*size), std::int64_t{kMaxFontSize}));
    } else if (tag.startsWith(QLatin1String("font="))) {
        line.font.font.setFamily(tag.mid(5));
    } else if (tag == QLatin1String("center")) {
        line.centred = true;
    } else if (tag == QLatin1String("b")) {
        line.font.font.setBold(true);
    } else if (tag == QLatin1String("i")) {
        line.font.font.setItalic(true);
    } else if (tag == QLatin1String("u")) {
        line.font.font.setUnderline(true);
    } else if (tag.startsWith(QLatin1String("color="))) {
        if (const auto value = parseTagNumber(tag.mid(6)))
            line.font.color = platform::toQColor(static_cast<platform::ColorValue>(*value));
    }
}

}  // namespace

MovieLine parseMovieLine(const QString &line, const TextFont &defaultFont)
{
    MovieLine result;
    result.font = defaultFont;
    result.font.font.setBold(false);
    result.font.font.setItalic(false);
    result.font.font.setUnderline(false);

    bool inTag = false;
    QString tag;
    for (const QChar c : line) {
        if (c == QLatin1Char('[')) {
            inTag = true;
            tag.clear();
        } else if (c == QLatin1Char(']')) {
            if (inTag) applyTag(tag, result);
            inTag = false;
        } else if (inTag) {
            tag += c;
        } else {
            result.text += c;
        }
    }
    return result;
}

std::optional<std::int32_t> parseTagNumber(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size() && text[pos] == QLatin1Char(' ')) ++pos;
    const QString s = text.mid(pos);
    const auto allOf = [](QStringView digits, auto isDigit) {
        return !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), isDigit);
    };

    const bool dollar = s.startsWith(QLatin1Char('$'));
    if (dollar || s.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const QStringView digits = QStringView(s).mid(dollar ? 1 : 2);
        // isxdigit is defined only for the values an unsigned char can hold.
        const auto isHex = [](QChar c) { return c.unicode() < 128 && std::isxdigit(c.unicode()); };
        if (digits.size() > 8 || !allOf(digits, isHex)) return std::nullopt;
        return static_cast<std::int32_t>(digits.toUInt(nullptr, 16));
    }

    const bool signed_ = s.startsWith(QLatin1Char('-')) || s.startsWith(QLatin1Char('+'));
    const auto isDec = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    if (!allOf(QStringView(s).mid(signed_ ? 1 : 0), isDec)) return std::nullopt;
    bool ok = false;
    const int value = s.toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return value;
}
