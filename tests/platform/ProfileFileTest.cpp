// The profile file rules the settings and the high score lists depend on.
#include "ProfileFile.h"
#include "ProfileText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using platform::ProfileFile;
using platform::ProfileWriteError;

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    QString path(const QString &name = QStringLiteral("quorbix.ini")) const
    {
        return dir_.filePath(name);
    }
    void put(const QByteArray &bytes, const QString &name = QStringLiteral("quorbix.ini")) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray bytes(const QString &name = QStringLiteral("quorbix.ini")) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir_;
};

TEST_F(ProfileFileTest, ReadsNamesWithoutRegardToCaseAcrossLineEndsBlanksAndComments)
{
    put("; settings of the game\r\n"
        "stray=before any section\r\n"
        "[Sounds]\r\n"
        "  Play Sounds  =  5  \r\n"
        "a line without equals sign\r\n"
        "; Hidden=1\r\n"
        "\r\n"
        "[ kids ]\r\n"
        "Kids Symbols=0x2");  // the last line has no line end
    const ProfileFile ini(path());
    EXPECT_EQ(ini.readInteger("SOUNDS", "play sounds", 1), 5);
    EXPECT_TRUE(ini.readBool("Sounds", "Play Sounds", false));
    EXPECT_EQ(ini.readInteger("Kids", "KIDS SYMBOLS", 0), 2);
    EXPECT_EQ(ini.readString("Sounds", "Play Sounds", "d"), "5");
    // A key without "=" is listed but has no value; comments are neither.
    EXPECT_EQ(ini.readString("Sounds", "a line without equals sign", "d"), "d");
    EXPECT_EQ(ini.readString("Sounds", "; Hidden", "d"), "d");
    EXPECT_EQ(ini.readKeys("sounds"), QStringList({"Play Sounds", "a line without equals sign"}));
    EXPECT_EQ(ini.readString("", "stray", "d"), "d");
}

TEST_F(ProfileFileTest, AValueBetweenMatchingQuotesReadsWithoutThem)
{
    put("[Modus]\nShifter=\"2\"\n"
        "[Names]\nSingle= 'Ann' \nEmpty=\"\"\nLone=\"\nMixed=\"Bo'\nInner=a\"b\"\n");
    const ProfileFile ini(path());
    EXPECT_EQ(ini.readInteger("Modus", "Shifter", 0), 2);
    EXPECT_EQ(ini.readString("Names", "Single", "d"), "Ann");
    EXPECT_EQ(ini.readString("Names", "Empty", "d"), "");
    EXPECT_EQ(ini.readString("Names", "Lone", "d"), "\"");
    EXPECT_EQ(ini.readString("Names", "Mixed", "d"), "\"Bo'");
    EXPECT_EQ(ini.readString("Names", "Inner", "d"), "a\"b\"");
}

TEST_F(ProfileFileTest, SkipsTheByteOrderMarkOfAnEditorAndKeepsIt)
{
    put("\xEF\xBB\xBF[Sounds]\r\nPlay Sounds=0\r\n");
    ProfileFile ini(path());
    EXPECT_FALSE(ini.readBool("Sounds", "Play Sounds", true));
    ini.writeInteger("Sounds", "Play Sounds", 1);
    EXPECT_EQ(bytes(), "\xEF\xBB\xBF[Sounds]\r\nPlay Sounds=1\r\n");
}

TEST_F(ProfileFileTest, GivesTheDefaultForEveryKindOfAbsence)
{
    const ProfileFile missing(path("none.ini"));
    EXPECT_EQ(missing.readString("Sounds", "Play Sounds", "d"), "d");
    EXPECT_EQ(missing.readInteger("Modus", "Shifter", 3), 3);
    EXPECT_TRUE(missing.readKeys("high score").isEmpty());

    put("");
    EXPECT_EQ(ProfileFile(path()).readInteger("Modus", "Shifter", 7), 7);

    put("[Modus]\nShifter=\nOther=yes\n[Empty]\n");
    const ProfileFile ini(path());
    EXPECT_EQ(ini.readString("Modus", "Shifter", "d"), "");  // present but empty
    EXPECT_EQ(ini.readInteger("Modus", "Shifter", 7), 7);    // empty is not a number
    EXPECT_EQ(ini.readInteger("Modus", "Other", 7), 7);
    EXPECT_EQ(ini.readInteger("Modus", "Missing", 7), 7);
    EXPECT_EQ(ini.readInteger("Missing", "Shifter", 7), 7);
    EXPECT_TRUE(ini.readKeys("Empty").isEmpty());
    // Every call reads the file afresh.
    put("[Modus]\nShifter=2\n");
    EXPECT_EQ(ini.readInteger("Modus", "Shifter", 7), 2);
}

TEST(ProfileInteger, ReadsDecimalAndBothHexadecimalForms)
{
    const std::pair<const char *, std::optional<int>> cases[] = {
        {"12", 12},
        {"-7", -7},
        {"007", 7},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$ff", 255},
        {"0x2", 2},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$FFFFFFFF", -1},
        {"0x80000000", -2147483647 - 1},
        {"0x000000001", 1},
        // Not numbers: the caller's default.
        {"", std::nullopt},
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"-", std::nullopt},
        {"yes", std::nullopt},
        {"12abc", std::nullopt},
        {"+5", std::nullopt},
        {"1 2", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"0x100000000", std::nullopt},
        {"-0x5", std::nullopt},
        {"$-5", std::nullopt},
        {"0xg", std::nullopt},
        {"\xd9\xa3", std::nullopt},  // an Arabic-Indic three
    };
    for (const auto &[text, expected] : cases) {
        EXPECT_EQ(platform::parseProfileInteger(QString::fromUtf8(text)), expected) << text;
    }
}

TEST_F(ProfileFileTest, ReadsBooleansAsIntegers)
{
    put("[Sounds]\nFive=5\nZero=0\nWord=yes\nHex=0x0\n");
    const ProfileFile ini(path());
    EXPECT_TRUE(ini.readBool("Sounds", "Five", false));
    EXPECT_FALSE(ini.readBool("Sounds", "Zero", true));
    EXPECT_FALSE(ini.readBool("Sounds", "Hex", true));
    EXPECT_TRUE(ini.readBool("Sounds", "Word", true));
    EXPECT_FALSE(ini.readBool("Sounds", "Word", false));
}

TEST_F(ProfileFileTest, ListsKeysInFileOrderFromTheFirstSectionOfAName)
{
    put("[high score]\nBob_1=700\nAnn_0=950\nann_2=415\n[HIGH SCORE]\nLate_0=1\n");
    const ProfileFile hsl(path());
    EXPECT_EQ(hsl.readKeys("High Score"), QStringList({"Bob_1", "Ann_0", "ann_2"}));
    EXPECT_EQ(hsl.readInteger("high score", "ANN_0", 0), 950);
    EXPECT_EQ(hsl.readInteger("high score", "Late_0", 0), 0);
}

TEST_F(ProfileFileTest, ReadsAWholeSectionOfIntegersInFileOrderInOneGo)
{
    put("[high score]\nBob_1=700\nAnn_0=950\nann_0=\"415\"\nJunk_3=lots\nBare\n"
        "[HIGH SCORE]\nLate_0=1\n");
    const ProfileFile hsl(path());
    using Entries = std::vector<std::pair<QString, int>>;
    // Each key keeps the value of its own line; what is not a number is the default.
    EXPECT_EQ(
        hsl.readIntegerSection("High Score", -1),
        Entries({{"Bob_1", 700}, {"Ann_0", 950}, {"ann_0", 415}, {"Junk_3", -1}, {"Bare", -1}}));
    EXPECT_TRUE(hsl.readIntegerSection("high score: shifter", 0).empty());
    EXPECT_TRUE(ProfileFile(path("missing.hsl")).readIntegerSection("high score", 0).empty());
}

TEST_F(ProfileFileTest, CreatesTheFileAndAppendsNewSectionsAtTheEnd)
{
    ProfileFile ini(path());
    ini.writeBool("Sounds", "Play Sounds", true);
    EXPECT_EQ(bytes(), "[Sounds]\nPlay Sounds=1\n");
    ini.writeInteger("Kids", "Kids Symbols", 2);
    ini.writeInteger("Modus", "Shifter", -3);
    ini.writeBool("sounds", "play sounds", false);
    EXPECT_EQ(bytes(),
              "[Sounds]\nPlay Sounds=0\n\n[Kids]\nKids Symbols=2\n\n[Modus]\nShifter=-3\n");
    EXPECT_EQ(ini.readInteger("Modus", "Shifter", 0), -3);
}

TEST_F(ProfileFileTest, AWriteChangesOnlyItsOwnLine)
{
    const QByteArray before = "; my comment \r\n"
                              "[Other]\r\n"
                              "unknown = kept  \r\n"
                              "[Sounds]\r\n"
                              "   PLAY SOUNDS = 1 \r\n"
                              "Extra=x\r\n"
                              "\r\n"
                              "[Kids]\r\n"
                              "Kids Symbols=1";
    put(before);
    ProfileFile ini(path());
    ini.writeBool("Sounds", "Play Sounds", false);
    QByteArray expected = before;
    expected.replace("   PLAY SOUNDS = 1 ", "PLAY SOUNDS=0");
    EXPECT_EQ(bytes(), expected);

    // A new key goes after the section's last key, in the file's own line ends.
    ini.writeString("Sounds", "Volume", "9");
    expected.replace("Extra=x\r\n", "Extra=x\r\nVolume=9\r\n");
    EXPECT_EQ(bytes(), expected);

    // A last line without a line end gets one before anything follows it.
    ini.writeString("Kids", "New", "n");
    EXPECT_EQ(bytes(), expected + "\r\nNew=n\r\n");
}

TEST_F(ProfileFileTest, ErasesAndReplacesSectionsBesideUntouchedOnes)
{
    const QByteArray others = "[Sounds]\nPlay Sounds=1\n\n";
    put(others + "[high score: shifter]\nAnn_0=950\nBob_1=700\n; note\n\n"
                 "[high score]\nZed_0=5\n\n"
                 "[High Score: Shifter]\nOld_0=1\n");
    ProfileFile hsl(path());
    hsl.replaceSection("HIGH SCORE: SHIFTER", {{"Bob_0", "990"}, {"Ann_1", "950"}, {"Cy_2", "3"}});
    // The section's comment stays, ahead of its new keys.
    EXPECT_EQ(bytes(), others + "[high score: shifter]\n; note\nBob_0=990\nAnn_1=950\nCy_2=3\n\n"
                                "[high score]\nZed_0=5\n\n");
    EXPECT_EQ(hsl.readKeys("high score: shifter"), QStringList({"Bob_0", "Ann_1", "Cy_2"}));

    hsl.eraseSection("high score: shifter");
    EXPECT_EQ(bytes(), others + "[high score]\nZed_0=5\n\n");

    // Erase then write key by key, as a list is saved, lands the section at the end.
    hsl.eraseSection("High Score");
    hsl.writeInteger("high score", "Ann_0", 12);
    EXPECT_EQ(bytes(), others + "[high score]\nAnn_0=12\n");
    hsl.replaceSection("high score", {});
    EXPECT_EQ(bytes(), others);
}

TEST_F(ProfileFileTest, ErasingWhatIsNotThereCreatesNoFile)
{
    ProfileFile hsl(path());
    hsl.eraseSection("high score");
    hsl.replaceSection("high score", {});
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(ProfileFileTest, KeepsNonAsciiNamesInUtf8)
{
    ProfileFile hsl(path());
    hsl.replaceSection("high score", {{"Jürgen_0", "5"}, {"Zoë_1", "4"}});
    EXPECT_EQ(bytes(), "[high score]\nJ\xc3\xbcrgen_0=5\nZo\xc3\xab_1=4\n");
    EXPECT_EQ(hsl.readKeys("high score"), QStringList({"Jürgen_0", "Zoë_1"}));
    EXPECT_EQ(hsl.readInteger("high score", "JÜRGEN_0", 0), 5);
    // A name may begin with U+FEFF; only at the very start of the file is it a byte order mark.
    hsl.writeString(QStringLiteral("\uFEFFodd"), QStringLiteral("\uFEFFkey"), "1");
    EXPECT_EQ(hsl.readString(QStringLiteral("\uFEFFodd"), QStringLiteral("\uFEFFkey"), ""), "1");

    // A line written on an older system, in its code page, reads as typed; the line a write
    // changes becomes UTF-8 and every other line keeps its bytes.
    put("[Gr\xFC\xDF"
        "e]\nJ\xFCrgen=\x80 1\nZo\xEB=2\n",
        "old.ini");
    ProfileFile old(path("old.ini"));
    EXPECT_EQ(old.readString("Grüße", "JÜRGEN", ""), "€ 1");
    old.writeString("Grüße", "Jürgen", "ä");
    EXPECT_EQ(bytes("old.ini"), "[Gr\xFC\xDF"
                                "e]\nJ\xC3\xBCrgen=\xC3\xA4\nZo\xEB=2\n");
    EXPECT_EQ(old.readKeys("Grüße"), QStringList({"Jürgen", "Zoë"}));
}

// Every byte of the older code page reads as one character, its five unassigned bytes as the
// C1 controls of the same number.
TEST_F(ProfileFileTest, ReadsEveryByteOfTheOlderCodePage)
{
    QByteArray high;
    for (int b = 0x80; b <= 0xFF; ++b) high += static_cast<char>(b);
    put("[s]\nk=<" + high + ">\n");
    QString expected = QStringLiteral("<\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021"
                                      "\u02C6\u2030\u0160\u2039\u0152\u008D\u017D\u008F"
                                      "\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014"
                                      "\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178");
    for (int b = 0xA0; b <= 0xFF; ++b) expected += QChar(b);
    EXPECT_EQ(ProfileFile(path()).readString("s", "k", ""), expected + u'>');
}

// A name is whatever a player types: no write may make lines the reader takes for more.
TEST_F(ProfileFileTest, NamesAndValuesThatWouldBreakTheFormatAreCleaned)
{
    put("[Guard]\nkeep=1\n");
    ProfileFile hsl(path());
    hsl.replaceSection("high score", {{"Eve\n[Guard]\nkeep=0\n_0", "1\r\n[Evil]\r\nx=2"},
                                      {"[Bracket]_1", "2"},
                                      {";Semi_2", "3"},
                                      {"  a=b  _3", " 4 "},
                                      {"tab\there_4", QString::fromUtf8("5\0six", 5)}});
    EXPECT_EQ(hsl.readKeys("high score"), QStringList({"Eve [Guard] keep_0 _0", "_Bracket]_1",
                                                       "_Semi_2", "a_b  _3", "tab here_4"}));
    EXPECT_EQ(hsl.readString("high score", "Eve [Guard] keep_0 _0", ""), "1  [Evil]  x=2");
    EXPECT_EQ(hsl.readInteger("high score", "a_b  _3", 0), 4);
    EXPECT_EQ(hsl.readString("high score", "tab here_4", ""), "5 six");
    EXPECT_TRUE(hsl.readKeys("Evil").isEmpty());
    EXPECT_EQ(hsl.readKeys("Guard"), QStringList({"keep"}));
    EXPECT_EQ(hsl.readInteger("Guard", "keep", 0), 1);

    // What a caller asks for is cleaned the same way, so it finds what it wrote.
    hsl.writeString("Sec\ntion", "k=v", "x");
    EXPECT_EQ(hsl.readString("Sec\ntion", "k=v", ""), "x");
    EXPECT_EQ(hsl.readKeys("Sec tion"), QStringList({"k_v"}));
}

TEST_F(ProfileFileTest, RefusesNamesTheRuleLeavesEmptyAndLeavesTheFile)
{
    put("[Guard]\nkeep=1\n");
    ProfileFile ini(path());
    EXPECT_THROW(ini.writeString("Guard", " \n ", "1"), ProfileWriteError);
    EXPECT_THROW(ini.writeString("\t", "key", "1"), ProfileWriteError);
    EXPECT_THROW(ini.replaceSection("Guard", {{"ok", "1"}, {"", "2"}}), ProfileWriteError);
    EXPECT_EQ(bytes(), "[Guard]\nkeep=1\n");
}

TEST_F(ProfileFileTest, AFileThatCannotBeWrittenRaisesUnableToWrite)
{
    put("not a folder", "plain");
    const QString target = path("plain") + "/quorbix.ini";
    ProfileFile ini(target);
    try {
        ini.writeInteger("Modus", "Shifter", 1);
        FAIL() << "the write should fail";
    } catch (const ProfileWriteError &e) {
        EXPECT_STREQ(e.what(), qPrintable("Unable to write to " + target));
        EXPECT_EQ(e.message(), "Unable to write to " + target);
        EXPECT_EQ(e.path(), target);
    }
    EXPECT_THROW(ini.replaceSection("high score", {{"Ann_0", "1"}}), ProfileWriteError);
    EXPECT_EQ(ini.readInteger("Modus", "Shifter", 4), 4);

    // A folder where the file should be is left alone.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("quorbix.hsl"));
    EXPECT_THROW(ProfileFile(path("quorbix.hsl")).writeInteger("a", "b", 1), ProfileWriteError);
    EXPECT_TRUE(QFileInfo(path("quorbix.hsl")).isDir());
}

TEST_F(ProfileFileTest, AReplacedFileKeepsItsPermissionsAndItsLink)
{
    put("[Modus]\nShifter=1\n", "real.ini");
    ASSERT_TRUE(QFile::setPermissions(path("real.ini"), QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QFile::link(path("real.ini"), path()));
    ProfileFile(path()).writeInteger("Modus", "Shifter", 2);
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(bytes("real.ini"), "[Modus]\nShifter=2\n");
    EXPECT_EQ(QFile::permissions(path("real.ini")),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
}

// Root may write any file, so only an ordinary user sees the refusal.
TEST_F(ProfileFileTest, AReadOnlyFileIsNeitherReplacedNorWritten)
{
    if (::geteuid() == 0) GTEST_SKIP() << "root writes read-only files";
    const QByteArray before = "[Modus]\nShifter=1\n";
    put(before);
    ASSERT_TRUE(QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadUser));
    ProfileFile ini(path());
    EXPECT_THROW(ini.writeInteger("Modus", "Shifter", 2), ProfileWriteError);
    EXPECT_THROW(ini.replaceSection("Modus", {{"Shifter", "3"}}), ProfileWriteError);
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList("quorbix.ini"));
}

// The file size limit makes the new copy's write fail half-way, for root as for anyone.
TEST_F(ProfileFileTest, AWriteThatFailsHalfWayLeavesThePreviousFileWhole)
{
    const QByteArray before = "[high score]\nAnn_0=950\nBob_1=700\n";
    put(before);
    ProfileFile hsl(path());
    std::vector<std::pair<QString, QString>> many;
    for (int i = 0; i < 200; ++i) many.emplace_back(QString("Player%1_%1").arg(i), "1");

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    bool threw = false;
    try {
        hsl.replaceSection("high score", many);
    } catch (const ProfileWriteError &) {
        threw = true;
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(threw);
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList("quorbix.ini"));
}

}  // namespace
