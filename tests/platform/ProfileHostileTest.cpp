// Damaged and hostile profile files: the reader never crashes or hangs, and a write never
// destroys what it could not read.
#include "ProfileFile.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <sys/stat.h>

using platform::ProfileFile;
using platform::ProfileWriteError;

namespace {

class ProfileHostileTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath("quorbix.hsl"); }
    void put(const QByteArray &bytes) const
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray bytes() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
};

TEST_F(ProfileHostileTest, BinaryJunkAndInvalidUtf8ReadAsDefaultsAndSurviveWrites)
{
    QByteArray junk("\x00\xff\xfe[\x00]=\x01\n\xc3=\x80\r\r\n[\xff\xfe]\nk\xe2\x82=1\n", 27);
    std::mt19937 random(7);
    for (int i = 0; i < 4000; ++i) junk += static_cast<char>(random() & 0xff);
    const QByteArray before = junk + "\n[high score]\nAnn_0=9\n";
    put(before);
    ProfileFile hsl(path());
    EXPECT_EQ(hsl.readInteger("high score", "Ann_0", 0), 9);
    EXPECT_EQ(hsl.readInteger("\xff\xfe", "k", 5), 5);

    hsl.writeInteger("high score", "Bob_1", 3);
    EXPECT_EQ(bytes(), before + "Bob_1=3\n");
}

TEST_F(ProfileHostileTest, OverlongLinesAreSkippedButStillEndASection)
{
    const QByteArray huge(200 * 1024, 'a');
    put("[Modus]\nShifter=" + huge + "\n" + huge + "=1\n[high score]\nAnn_0=9\n"
        "[" + huge + "]\nShifter=3\n[Modus]\nLater=1\n");
    ProfileFile ini(path());
    EXPECT_EQ(ini.readString("Modus", "Shifter", "d"), "d");
    EXPECT_EQ(ini.readKeys("Modus"), QStringList());
    EXPECT_EQ(ini.readInteger("high score", "Ann_0", 0), 9);
    // The long header closed "high score": its "Shifter" is nobody's.
    EXPECT_EQ(ini.readKeys("high score"), QStringList("Ann_0"));

    EXPECT_THROW(ini.writeString("Modus", "Shifter", QString(100 * 1024, u'x')), ProfileWriteError);
}

TEST_F(ProfileHostileTest, AFileOfHundredsOfMegabytesIsNeitherReadNorReplaced)
{
    put("[Modus]\nShifter=2\n");
    {
        QFile f(path());
        ASSERT_TRUE(f.resize(300LL * 1024 * 1024));   // sparse: costs no disk
    }
    ProfileFile ini(path());
    EXPECT_EQ(ini.readInteger("Modus", "Shifter", 0), 0);
    EXPECT_TRUE(ini.readKeys("Modus").isEmpty());
    EXPECT_THROW(ini.writeInteger("Modus", "Shifter", 1), ProfileWriteError);
    EXPECT_EQ(QFileInfo(path()).size(), 300LL * 1024 * 1024);
}

TEST_F(ProfileHostileTest, AFifoInPlaceOfTheFileNeitherBlocksNorIsReplaced)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    ProfileFile ini(path());
    EXPECT_EQ(ini.readInteger("Modus", "Shifter", 6), 6);
    EXPECT_THROW(ini.writeInteger("Modus", "Shifter", 1), ProfileWriteError);
    EXPECT_FALSE(QFileInfo(path()).isFile());
}

// Many writes of random names made of the characters that matter to the format: every key
// written before still reads back, and the guarding section never changes.
TEST_F(ProfileHostileTest, RandomNamesNeverDisturbOtherKeysOrSections)
{
    put("[Guard]\nkeep=1\n");
    ProfileFile ini(path());
    const QString alphabet = QStringLiteral("ab=[];\r\n\t _\x01Zä");
    std::mt19937 random(42);
    auto randomText = [&] {
        QString s;
        const int length = static_cast<int>(random() % 8);
        for (int i = 0; i < length; ++i) s += alphabet[static_cast<int>(random() % alphabet.size())];
        return s;
    };
    QMap<QString, QString> written;   // key as given -> value as read back
    for (int i = 0; i < 150; ++i) {
        const QString key = randomText() + "#" + QString::number(i);
        const QString value = randomText();
        ini.writeString("Data", key, value);
        written[key] = ini.readString("Data", key, "<missing>");
        ASSERT_NE(written[key], "<missing>") << i;
    }
    for (auto it = written.cbegin(); it != written.cend(); ++it) {
        EXPECT_EQ(ini.readString("Data", it.key(), "<missing>"), it.value());
    }
    EXPECT_EQ(ini.readKeys("Data").size(), written.size());
    EXPECT_TRUE(bytes().startsWith("[Guard]\nkeep=1\n\n[Data]\n"));
    EXPECT_EQ(ini.readKeys("Guard"), QStringList("keep"));
}

}  // namespace
