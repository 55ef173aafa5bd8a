// The list rules without a window: section names, keys, loading, saving, qualifying, inserting.
#include "ScoreList.h"

#include "ProfileFile.h"
#include "ScoreFiles.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

QStringList names(const ScoreList &list)
{
    QStringList result;
    for (const Tscore &entry : list.entries()) result << entry.name;
    return result;
}

std::vector<int> scores(const ScoreList &list)
{
    std::vector<int> result;
    for (const Tscore &entry : list.entries()) result.push_back(entry.score);
    return result;
}

class ScoreListTest : public ::testing::Test {
protected:
    TempExeDir exeDir;
    platform::ProfileFile file{platform::highScoreFilePath()};
};

}  // namespace

TEST(ScoreSectionNameTest, NamesTheFourModesAndNothingElse)
{
    EXPECT_EQ(ScoreSectionName(0), "high score");
    EXPECT_EQ(ScoreSectionName(1), "high score: shifter");
    EXPECT_EQ(ScoreSectionName(2), "high score: Add Row");
    EXPECT_EQ(ScoreSectionName(3), "high score: Megashift Row");
    EXPECT_TRUE(ScoreSectionName(-1).isEmpty());
    EXPECT_TRUE(ScoreSectionName(4).isEmpty());
}

TEST(NameFromKeyTest, CutsAtTheLastUnderscoreOnly)
{
    EXPECT_EQ(NameFromKey("Ann_0"), "Ann");
    EXPECT_EQ(NameFromKey("a_b_3"), "a_b");
    EXPECT_EQ(NameFromKey("Zed"), "Zed");
    EXPECT_EQ(NameFromKey("_7"), "");
    EXPECT_EQ(NameFromKey("x_"), "x");
}

TEST(StorableNameTest, KeepsOrdinaryNamesAndDisarmsTheRest)
{
    for (const QString &name :
         {QStringLiteral("Ann"), QStringLiteral("a_b"), QStringLiteral("Jürgen Ölmaß"),
          QStringLiteral("山田 太郎"), QStringLiteral("O'Neil (2nd)")})
        EXPECT_EQ(StorableName(name), name);
    EXPECT_EQ(StorableName("  Bob  "), "Bob");
    EXPECT_EQ(StorableName("a=b"), "a_b");
    EXPECT_EQ(StorableName("[high score]"), "_high score]");
    EXPECT_EQ(StorableName(";x"), "_x");
    EXPECT_EQ(StorableName("Eve\n[high score]\r\nX_0=1"), "Eve [high score]  X_0_1");
    EXPECT_EQ(StorableName(" \t\n "), "");
    // C1 controls are controls too: NEL (U+0085) breaks lines for some readers.
    EXPECT_EQ(StorableName(QString::fromUtf16(u"Eve\u0085X\u009f\u0080")), "Eve X");
    EXPECT_EQ(StorableName(QString::fromUtf16(u"\u00a0Zoë\u00ff")),
              QString::fromUtf16(u"\u00a0Zoë\u00ff"));
}

TEST_F(ScoreListTest, LoadsInKeyOrderSortsAndReadsJunkAsZero)
{
    writeHighScoreFile("[high score: shifter]\nBob_4=700\nAnn=abc\nCy_1=0x10\nDi_0=950\n"
                       "[high score]\nOther_0=5000\n");
    ScoreList list;
    list.LoadScores(file, "High Score: Shifter");
    EXPECT_EQ(names(list), QStringList({"Di", "Bob", "Cy", "Ann"}));
    EXPECT_EQ(scores(list), (std::vector<int>{950, 700, 16, 0}));

    // Loading is not a reset: a second load appends the section again.
    list.LoadScores(file, "high score: shifter");
    EXPECT_EQ(list.entries().size(), 8u);
}

TEST_F(ScoreListTest, MissingFileOrSectionGivesAnEmptyList)
{
    ScoreList list;
    list.LoadScores(file, "high score");
    EXPECT_TRUE(list.entries().empty());
    writeHighScoreFile("[high score: shifter]\nAnn_0=5\n");
    list.LoadScores(file, "high score");
    EXPECT_TRUE(list.entries().empty());
}

// Two games running at once: what the other one stored after this list was loaded stays, and
// this list's entry goes in only where it still earns a place.
TEST_F(ScoreListTest, SavingStartsFromTheListAsStoredNow)
{
    writeHighScoreFile("[high score]\nAnn_0=5\n[high score: shifter]\nBob_0=7\n");
    ScoreList list;
    list.LoadScores(file, "high score");
    writeHighScoreFile("[high score]\nAnn_0=5\nOther=9\n[high score: shifter]\nBob_0=7\n");
    list.SaveScores(file, "high score", std::nullopt);
    EXPECT_EQ(readHighScoreFile(),
              "[high score]\nOther_0=9\nAnn_1=5\n[high score: shifter]\nBob_0=7\n");
    EXPECT_EQ(names(list), QStringList({"Other", "Ann"}));

    list.SaveScores(file, "high score", NewEntry{"New", 1, 7});
    EXPECT_EQ(names(list), QStringList({"Other", "New", "Ann"}));
    writeHighScoreFile(tenEntries("high score"));
    list.SaveScores(file, "high score", NewEntry{"Late", 100, 5000});  // no longer above 100
    EXPECT_EQ(list.entries().size(), 10u);
    EXPECT_FALSE(names(list).contains("Late"));
    list.SaveScores(file, "high score", NewEntry{"Late", 101, 5000});
    EXPECT_EQ(scores(list).front(), 5000);
    EXPECT_EQ(scores(list).back(), 200);
}

TEST_F(ScoreListTest, QualifiesOnPointsAboveTheLowestOfAFullList)
{
    ScoreList list;
    EXPECT_TRUE(list.Qualifies(0));  // an empty list takes any game
    writeHighScoreFile(tenEntries("high score"));
    list.LoadScores(file, "high score");
    EXPECT_EQ(list.LowestScore(), 100);
    EXPECT_FALSE(list.Qualifies(99));
    EXPECT_FALSE(list.Qualifies(100));  // equal to the lowest is not enough
    EXPECT_TRUE(list.Qualifies(101));
}

TEST_F(ScoreListTest, InsertionDropsOneLowestEntryOnlyWhenFull)
{
    ScoreList list;
    list.Insert("Ann", 50);
    list.Insert("Bob", 70);
    EXPECT_EQ(names(list), QStringList({"Bob", "Ann"}));

    ScoreList full;
    writeHighScoreFile(tenEntries("high score"));
    full.LoadScores(file, "high score");
    full.Insert("New", 550);
    EXPECT_EQ(full.entries().size(), 10u);
    EXPECT_EQ(full.LowestScore(), 200);
    EXPECT_EQ(full.entries()[5].name, "New");
}

TEST_F(ScoreListTest, LowestStoredScoreNeedsTenKeys)
{
    EXPECT_EQ(LowestStoredScore(0), -1);  // no file
    QByteArray nine = "[high score]\n";
    for (int i = 0; i < 9; ++i) nine += "A_" + QByteArray::number(i) + "=500\n";
    writeHighScoreFile(nine);
    EXPECT_EQ(LowestStoredScore(0), -1);

    writeHighScoreFile(tenEntries("high score") + "[high score: shifter]\nX_0=1\n");
    EXPECT_EQ(LowestStoredScore(0), 100);
    EXPECT_EQ(LowestStoredScore(1), -1);
    EXPECT_EQ(LowestStoredScore(7), -1);

    writeHighScoreFile(tenEntries("high score") + "Junk_10=abc\n");
    EXPECT_EQ(LowestStoredScore(0), 0);
}
