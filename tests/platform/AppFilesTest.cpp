// The names of the files beside the executable, and the move of an old settings file.
#include "AppFiles.h"
#include "TempExeDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(AppFilesPaths, ReplaceOrAppendTheExtensionOfTheFileNameOnly)
{
    struct Case {
        const char *path, *withIni, *withoutExt, *name, *bareName;
    };
    const Case cases[] = {
        {"/opt/game/quorbix", "/opt/game/quorbix.ini", "/opt/game/quorbix", "quorbix", "quorbix"},
        {"/opt/game/quorbix.exe", "/opt/game/quorbix.ini", "/opt/game/quorbix", "quorbix.exe",
         "quorbix"},
        {"/opt/v1.2/quorbix", "/opt/v1.2/quorbix.ini", "/opt/v1.2/quorbix", "quorbix", "quorbix"},
        {"/opt/x.tar.gz", "/opt/x.tar.ini", "/opt/x.tar", "x.tar.gz", "x.tar"},
        {"/home/me/.quorbix", "/home/me/.quorbix.ini", "/home/me/.quorbix", ".quorbix",
         ".quorbix"},
        {"/opt/name.", "/opt/name.ini", "/opt/name", "name.", "name"},
        {"quorbix", "quorbix.ini", "quorbix", "quorbix", "quorbix"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(platform::changeFileExt(c.path, ".ini"), c.withIni) << c.path;
        EXPECT_EQ(platform::removeFileExt(c.path), c.withoutExt) << c.path;
        EXPECT_EQ(platform::fileNameOf(c.path), c.name) << c.path;
        EXPECT_EQ(platform::fileNameWithoutExt(c.path), c.bareName) << c.path;
    }
}

TEST(AppFilesPaths, TheGamesFilesLieBesideTheExecutable)
{
    EXPECT_EQ(platform::executablePath(), QCoreApplication::applicationFilePath());
    {
        TempExeDir exe;
        EXPECT_EQ(platform::executablePath(), exe.exePath());
        EXPECT_EQ(platform::settingsFilePath(), exe.filePath("quorbix.ini"));
        EXPECT_EQ(platform::highScoreFilePath(), exe.filePath("quorbix.hsl"));
        EXPECT_EQ(platform::helpFilePath(), exe.filePath("quorbix.hlp"));
    }
    EXPECT_EQ(platform::executablePath(), QCoreApplication::applicationFilePath());
}

TEST(AppFilesPaths, TheHelpFileBesideTheExecutableComesFirstThenTheInstalledOne)
{
    // An installed layout: <prefix>/games/quorbix and <prefix>/share/quorbix/quorbix.hlp.
    TempExeDir prefix;
    const QDir root(prefix.path());
    ASSERT_TRUE(root.mkpath("games") && root.mkpath("share/quorbix"));
    platform::overrideExecutablePath(root.filePath("games/quorbix"));
    const QString beside = root.filePath("games/quorbix.hlp");
    const QString installed = root.filePath("share/quorbix/quorbix.hlp");

    EXPECT_EQ(platform::helpFilePath(), beside);   // neither: the name the message shows
    for (const QString &path : {installed, beside}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(platform::helpFilePath(), path);
    }
}

class MoveOldSettings : public ::testing::Test {
protected:
    void put(const QString &name, const QByteArray &bytes)
    {
        QFile f(exe_.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray bytes(const QString &name)
    {
        QFile f(exe_.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void setExecutable(const QString &name) { platform::overrideExecutablePath(exe_.filePath(name)); }

    TempExeDir exe_;
};

TEST_F(MoveOldSettings, MovesTheFileNamedLikeTheExecutableWithoutExtension)
{
    setExecutable("quorbix.bin");
    put("quorbix", "[Modus]\nShifter=2\n");
    EXPECT_TRUE(platform::moveOldSettingsFile());
    EXPECT_EQ(bytes("quorbix.ini"), "[Modus]\nShifter=2\n");
    EXPECT_FALSE(QFile::exists(exe_.filePath("quorbix")));
}

TEST_F(MoveOldSettings, NeverOverwritesASettingsFile)
{
    setExecutable("quorbix.bin");
    put("quorbix", "old");
    put("quorbix.ini", "new");
    EXPECT_FALSE(platform::moveOldSettingsFile());
    EXPECT_EQ(bytes("quorbix"), "old");
    EXPECT_EQ(bytes("quorbix.ini"), "new");
}

TEST_F(MoveOldSettings, NeverTouchesTheExecutableOrAnythingButARegularFile)
{
    // Without an extension the "old name" is the executable itself.
    put("quorbix", "\x7f" "ELF");
    EXPECT_FALSE(platform::moveOldSettingsFile());
    EXPECT_EQ(bytes("quorbix"), "\x7f" "ELF");
    EXPECT_FALSE(QFile::exists(exe_.filePath("quorbix.ini")));

    setExecutable("game.bin");
    ASSERT_TRUE(QDir(exe_.path()).mkdir("game"));
    EXPECT_FALSE(platform::moveOldSettingsFile());
    EXPECT_TRUE(QFileInfo(exe_.filePath("game")).isDir());

    setExecutable("linked.bin");
    ASSERT_TRUE(QFile::link(exe_.filePath("quorbix"), exe_.filePath("linked")));
    EXPECT_FALSE(platform::moveOldSettingsFile());
    EXPECT_TRUE(QFileInfo(exe_.filePath("linked")).isSymLink());
}

TEST_F(MoveOldSettings, NeverMovesTheRunningProgramUnderAnotherName)
{
    const QByteArray running = QFile::encodeName(QCoreApplication::applicationFilePath());
    if (::link(running.constData(), QFile::encodeName(exe_.filePath("twin")).constData()) != 0) {
        GTEST_SKIP() << "no hard link across these folders";
    }
    setExecutable("twin.bin");
    EXPECT_FALSE(platform::moveOldSettingsFile());
    EXPECT_TRUE(QFile::exists(exe_.filePath("twin")));
    EXPECT_FALSE(QFile::exists(exe_.filePath("twin.ini")));
}

}  // namespace
