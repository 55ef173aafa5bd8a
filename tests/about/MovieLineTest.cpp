// The credits scroller's line format: tags, stray brackets, numbers that are not numbers.
#include "MovieLine.h"

#include "SystemColors.h"

#include <gtest/gtest.h>

namespace {

TextFont boldDefault()
{
    TextFont f = TextFont::points(QStringLiteral("Liberation Mono"), 9, Qt::white);
    f.font.setBold(true);  // every line starts from the default font without its style
    f.font.setItalic(true);
    return f;
}

MovieLine parse(const QString &line) { return parseMovieLine(line, boldDefault()); }

}  // namespace

TEST(MovieLine, CentredBoldTitleAndAPlainLineAfterIt)
{
    const MovieLine title = parse(QStringLiteral("[center][b]Title"));
    EXPECT_EQ(title.text, QStringLiteral("Title"));
    EXPECT_TRUE(title.centred);
    EXPECT_TRUE(title.font.font.bold());
    EXPECT_FALSE(title.font.font.italic());

    const MovieLine next = parse(QStringLiteral("Next"));
    EXPECT_EQ(next.text, QStringLiteral("Next"));
    EXPECT_FALSE(next.centred);
    EXPECT_FALSE(next.font.font.bold());
    EXPECT_EQ(next.font.font.family(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(next.font.font.pointSize(), 9);
    EXPECT_EQ(next.font.color, QColor(Qt::white));
}

TEST(MovieLine, BracketsAreNeverDrawnAndUnknownTagsDoNothing)
{
    const MovieLine unknown = parse(QStringLiteral("[x]abc"));
    EXPECT_EQ(unknown.text, QStringLiteral("abc"));
    EXPECT_EQ(unknown.font, parse(QStringLiteral("abc")).font);
    EXPECT_FALSE(unknown.centred);

    EXPECT_EQ(parse(QStringLiteral("a]b")).text, QStringLiteral("ab"));
    EXPECT_EQ(parse(QStringLiteral("a[b")).text, QStringLiteral("a"));  // a tag never closed
    EXPECT_FALSE(parse(QStringLiteral("[center")).centred);
    EXPECT_FALSE(parse(QStringLiteral("[B]x")).font.font.bold());  // tags match case
    EXPECT_FALSE(parse(QStringLiteral("[ center]x")).centred);     // ... and exactly
}

TEST(MovieLine, TagsActOnTheWholeLineWhereverTheyStand)
{
    const MovieLine line = parse(QStringLiteral("one [i]two[u] three[size=14]"));
    EXPECT_EQ(line.text, QStringLiteral("one two three"));
    EXPECT_TRUE(line.font.font.italic());
    EXPECT_TRUE(line.font.font.underline());
    EXPECT_EQ(line.font.font.pointSize(), 14);
}

TEST(MovieLine, SizeFontAndColourTags)
{
    EXPECT_EQ(parse(QStringLiteral("[size=-20]x")).font.font.pixelSize(), 20);
    EXPECT_EQ(parse(QStringLiteral("[font=Liberation Serif]x")).font.font.family(),
              QStringLiteral("Liberation Serif"));
    EXPECT_EQ(parse(QStringLiteral("[color=255]x")).font.color, QColor(255, 0, 0));
    EXPECT_EQ(parse(QStringLiteral("[color=$FF0000]x")).font.color, QColor(0, 0, 255));
    EXPECT_EQ(parse(QStringLiteral("[color=$00FF00]x")).font.color, QColor(0, 255, 0));
    EXPECT_EQ(parse(QStringLiteral("[color=0x102030]x")).font.color, QColor(0x30, 0x20, 0x10));
    EXPECT_EQ(parse(QStringLiteral("[color=$FF00000F]x")).font.color,
              platform::toQColor(platform::clBtnFace));
}

TEST(MovieLine, ASizeOrColourThatIsNotANumberIsIgnored)
{
    const TextFont plain = parse(QStringLiteral("x")).font;
    for (const char *bad :
         {"[size=abc]x", "[size=]x", "[size=12pt]x", "[size=99999999999]x", "[color=$xyz]x",
          "[color=12abc]x", "[color=]x", "[color=$]x", "[color=$123456789]x", "[size=0]x"}) {
        const MovieLine line = parse(QString::fromLatin1(bad));
        EXPECT_EQ(line.text, QStringLiteral("x")) << bad;
        EXPECT_EQ(line.font, plain) << bad;
    }
}

TEST(MovieLine, TagNumbers)
{
    EXPECT_EQ(parseTagNumber(QStringLiteral("12")), 12);
    EXPECT_EQ(parseTagNumber(QStringLiteral(" +5")), 5);
    EXPECT_EQ(parseTagNumber(QStringLiteral("-7")), -7);
    EXPECT_EQ(parseTagNumber(QStringLiteral("$1f")), 31);
    EXPECT_EQ(parseTagNumber(QStringLiteral("0X1F")), 31);
    EXPECT_EQ(parseTagNumber(QStringLiteral("$FF00000F")), -16777201);
    EXPECT_EQ(parseTagNumber(QStringLiteral("2147483647")), 2147483647);
    EXPECT_FALSE(parseTagNumber(QStringLiteral("2147483648")));
    EXPECT_FALSE(parseTagNumber(QStringLiteral("12 ")));
    EXPECT_FALSE(parseTagNumber(QStringLiteral("-")));
    EXPECT_FALSE(parseTagNumber(QStringLiteral("$-1")));
    EXPECT_FALSE(parseTagNumber(QStringLiteral("١٢")));  // digits of another script
}
