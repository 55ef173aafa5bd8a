// The names of the files beside the executable, and the move of an old settings file.
#include "AppFiles.h"
#include "ProfileFile.h"
#include "TempExeDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <pwd.h>
#include <sys/stat.h>
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
        {"/home/me/.quorbix", "/home/me/.quorbix.ini", "/home/me/.quorbix", ".quorbix", ".quorbix"},
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

// An executable in a folder the player cannot write (here one that is not there at all, as
// even root cannot write into it): the files are the player's, in the per-user folders, and
// only the first write makes those folders, private to the player.
TEST(AppFilesPaths, WhereTheExecutablesFolderIsNotThePlayersTheFirstWriteMakesTheirFolders)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
    platform::overrideExecutablePath(home.filePath("missing/games/quorbix"));
    const QString settings = platform::settingsFilePath();
    EXPECT_EQ(settings, home.filePath("config/quorbix/quorbix.ini"));
    EXPECT_EQ(platform::highScoreFilePath(), home.filePath("data/quorbix/quorbix.hsl"));
    EXPECT_FALSE(platform::moveOldSettingsFile());

    platform::ProfileFile ini(settings);
    EXPECT_EQ(ini.readInteger("Modus", "Shifter", 0), 0);
    EXPECT_FALSE(QFileInfo::exists(home.filePath("config")));  // reading makes nothing
    ini.writeInteger("Modus", "Shifter", 3);
    EXPECT_EQ(ini.readInteger("Modus", "Shifter", 0), 3);
    for (const char *folder : {"config", "config/quorbix"}) {
        EXPECT_EQ(QFileInfo(home.filePath(folder)).permissions() & 0x7777,
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                      QFile::WriteUser | QFile::ExeUser)
            << folder;
    }

    platform::overrideExecutablePath(QString());
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
}

// A folder name that is not UTF-8 cannot be named through Qt: the game then keeps no files at
// all, rather than files in whatever the current folder is, shared by every copy.
TEST(AppFilesPaths, AnExecutablePathQtCannotNameKeepsNoFiles)
{
    EXPECT_EQ(platform::filePathFromNative("/opt/J\xC3\xBCrgen/quorbix"), "/opt/Jürgen/quorbix");
    EXPECT_EQ(platform::filePathFromNative("/opt/J\xFCrgen/quorbix"), "");
    EXPECT_EQ(platform::filePathFromNative("quorbix"), "");

    QTemporaryDir cwd;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(cwd.path()));
    const QString settings = platform::changeFileExt(QString(), ".ini");
    platform::ProfileFile ini(settings);
    EXPECT_THROW(ini.writeInteger("Modus", "Shifter", 2), platform::ProfileWriteError);
    EXPECT_EQ(ini.readInteger("Modus", "Shifter", 0), 0);
    QDir::setCurrent(before);
    EXPECT_TRUE(QDir(cwd.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
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

    EXPECT_EQ(platform::helpFilePath(), beside);  // neither: the name the message shows
    for (const QString &path : {installed, beside}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(platform::helpFilePath(), path);
    }
}

// The per-user folders of a player whose game is installed: the executable's folder is not
// theirs, the XDG variables point into a temporary home.
class PerUserFolders : public ::testing::Test {
protected:
    PerUserFolders()
    {
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home_.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", home_.filePath("data").toUtf8());
        platform::overrideExecutablePath(home_.filePath("missing/games/quorbix"));
    }
    ~PerUserFolders() override
    {
        platform::overrideExecutablePath(QString());
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
        if (home0_.isNull())
            qunsetenv("HOME");
        else
            qputenv("HOME", home0_);
    }
    QString filePath(const QString &name) const { return home_.filePath(name); }
    static QString message(const std::function<void()> &write)
    {
        try {
            write();
        } catch (const platform::ProfileWriteError &e) {
            return e.message();
        }
        return "written";
    }

    const QByteArray home0_ = qgetenv("HOME");
    QTemporaryDir home_;
};

// Another user who may write the player's folder could put a link to any of the player's files
// in place of the settings: a folder others may write is made private, someone else's folder or
// link is not used, and a link the player made is followed as before.
TEST_F(PerUserFolders, OnlyThePlayersOwnPrivateFolderAndLinksAreUsed)
{
    const QString folder = filePath("config/quorbix");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    platform::ProfileFile ini(platform::settingsFilePath());
    ini.writeInteger("Modus", "Shifter", 1);
    EXPECT_EQ(QFileInfo(folder).permissions() & 0x7777, QFile::ReadOwner | QFile::WriteOwner |
                                                            QFile::ExeOwner | QFile::ReadUser |
                                                            QFile::WriteUser | QFile::ExeUser);

    // The player's own link leads to the file it names.
    const QString kept = filePath("kept.ini");
    ASSERT_TRUE(QFile::rename(ini.path(), kept));
    ASSERT_TRUE(QFile::link(kept, ini.path()));
    ini.writeInteger("Modus", "Shifter", 2);
    EXPECT_EQ(platform::ProfileFile(kept).readInteger("Modus", "Shifter", 0), 2);

    if (::geteuid() != 0) GTEST_SKIP() << "files of another user can only be made by root";
    const uid_t other = 65534;  // nobody
    ASSERT_EQ(::lchown(QFile::encodeName(ini.path()).constData(), other, other), 0);
    EXPECT_EQ(message([&] { ini.writeInteger("Modus", "Shifter", 3); }),
              "Unable to write to " + ini.path());
    EXPECT_EQ(platform::ProfileFile(kept).readInteger("Modus", "Shifter", 0), 2);

    ASSERT_TRUE(QFile::remove(ini.path()));
    ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), other, other), 0);
    EXPECT_EQ(message([&] { ini.writeInteger("Modus", "Shifter", 4); }),
              "Unable to write to " + folder);
    EXPECT_FALSE(QFileInfo::exists(ini.path()));
}

// Paths are bytes: a variable that Qt cannot name exactly is not used, and a home folder that
// $HOME does not give comes from the password database, never "/" or the current folder.
TEST_F(PerUserFolders, TheFoldersComeFromBytesThatNameThemExactly)
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(filePath("config")) + "\xFF");
    EXPECT_EQ(platform::settingsFilePath(), filePath(".config/quorbix/quorbix.ini"));
    EXPECT_EQ(platform::highScoreFilePath(), filePath("data/quorbix/quorbix.hsl"));

    struct passwd *entry = ::getpwuid(::geteuid());
    ASSERT_NE(entry, nullptr);
    const QString passwdHome = QDir::cleanPath(QFile::decodeName(entry->pw_dir));
    for (const char *home : {static_cast<const char *>(nullptr), "relative/home", ""}) {
        SCOPED_TRACE(home ? home : "unset");
        if (home)
            qputenv("HOME", home);
        else
            qunsetenv("HOME");
        EXPECT_EQ(platform::settingsFilePath(), passwdHome + "/.config/quorbix/quorbix.ini");
    }
}

// Too long for the file system: refused before any folder is made, rather than after making
// every folder that still fitted.
TEST_F(PerUserFolders, APathTooLongForTheFileSystemMakesNoFolder)
{
    QString deep = filePath("config");
    while (deep.size() < 4200) deep += "/" + QString(200, u'd');
    qputenv("XDG_CONFIG_HOME", deep.toUtf8());
    EXPECT_THROW(
        platform::ProfileFile(platform::settingsFilePath()).writeInteger("Modus", "Shifter", 1),
        platform::ProfileWriteError);
    qputenv("XDG_CONFIG_HOME", filePath("config/" + QString(256, u'n')).toUtf8());
    EXPECT_THROW(
        platform::ProfileFile(platform::settingsFilePath()).writeInteger("Modus", "Shifter", 1),
        platform::ProfileWriteError);
    EXPECT_FALSE(QFileInfo::exists(filePath("config")));
}

// Installed (the help file in <prefix>/share/quorbix, none beside the executable), the files go
// to the per-user folders even where the player may write the executable's folder, as root may
// write /usr/games; a build or portable copy, with its help file beside it, keeps them there.
TEST_F(PerUserFolders, AnInstalledLayoutKeepsNoFilesBesideTheExecutable)
{
    const QDir prefix(filePath("prefix"));
    ASSERT_TRUE(prefix.mkpath("games") && prefix.mkpath("share/quorbix"));
    platform::overrideExecutablePath(prefix.filePath("games/quorbix"));
    QFile installed(prefix.filePath("share/quorbix/quorbix.hlp"));
    ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
    EXPECT_EQ(platform::settingsFilePath(), filePath("config/quorbix/quorbix.ini"));
    EXPECT_EQ(platform::highScoreFilePath(), filePath("data/quorbix/quorbix.hsl"));
    EXPECT_FALSE(platform::moveOldSettingsFile());

    QFile portable(prefix.filePath("games/quorbix.hlp"));
    ASSERT_TRUE(portable.open(QIODevice::WriteOnly));
    EXPECT_EQ(platform::settingsFilePath(), prefix.filePath("games/quorbix.ini"));

    if (::geteuid() != 0) GTEST_SKIP() << "a folder of another user can only be made by root";
    ASSERT_EQ(::chown(QFile::encodeName(prefix.filePath("games")).constData(), 65534, 65534), 0);
    EXPECT_EQ(platform::settingsFilePath(), filePath("config/quorbix/quorbix.ini"));
}

// Without an absolute path of the executable there is no folder of the game's to find help in;
// a help file in the current folder is not the game's.
TEST_F(PerUserFolders, WithoutTheExecutablesPathNoHelpFileIsFound)
{
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(home_.path()));
    QFile planted(filePath("quorbix.hlp"));
    ASSERT_TRUE(planted.open(QIODevice::WriteOnly));
    platform::overrideExecutablePath("quorbix");
    const QString help = platform::helpFilePath();
    QDir::setCurrent(before);
    EXPECT_EQ(help, "");
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
    void setExecutable(const QString &name)
    {
        platform::overrideExecutablePath(exe_.filePath(name));
    }

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
    put("quorbix", "\x7f"
                   "ELF");
    EXPECT_FALSE(platform::moveOldSettingsFile());
    EXPECT_EQ(bytes("quorbix"), "\x7f"
                                "ELF");
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
