// The settings file: what the window reads when it is shown and writes when it goes, and the
// settings file of the older name.
#include "MainFormFixture.h"

#include "AppFiles.h"

#include <QDir>
#include <QFileInfo>

using quorbix::PictureSize;

namespace {

QString iniPath(const TempExeDir &dir) { return dir.filePath("quorbix.ini"); }

}  // namespace

TEST_F(MainFormTest, NoFileGivesTheDefaultsAndTheFirstExitWritesTheThreeKeys)
{
    open();
    EXPECT_TRUE(form->soundsOn());
    EXPECT_EQ(form->pictureSize(), PictureSize::Standard);
    EXPECT_EQ(form->game().gameMode(), engine::GameMode::Standard);
    item("Exit1")->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_NEAR(form->windowOpacity(), 7 / 255.0, 0.002) << "faded out";
    form.reset();
    QStringList lines = QString::fromLatin1(readTextFile(iniPath(exeDir))).split(QLatin1Char('\n'));
    lines.removeAll(QString());
    EXPECT_EQ(lines, (QStringList{"[Sounds]", "Play Sounds=1", "[Kids]", "Kids Symbols=0",
                                  "[Modus]", "Shifter=0"}));
}

TEST_F(MainFormTest, ThePictureSizeCodeChoosesTheSizeAndItsItem)
{
    const struct {
        const char *value;
        PictureSize size;
        const char *checked;
    } cases[] = {
        {"1", PictureSize::Big, "KidsImages1"},
        {"2", PictureSize::Small, "SmallImages1"},
        {"0x2", PictureSize::Small, "SmallImages1"},
        {"7", PictureSize::Standard, "Standard1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        writeTextFile(iniPath(exeDir), QByteArray("[Kids]\nKids Symbols=") + c.value + "\n");
        open();
        EXPECT_EQ(form->pictureSize(), c.size);
        EXPECT_TRUE(item(c.checked)->isChecked());
        form.reset();
    }
}

TEST_F(MainFormTest, PlaySoundsIsANumberAndAnythingButZeroIsOn)
{
    const struct {
        const char *value;
        bool on;
    } cases[] = {{"5", true}, {"0", false}, {"yes", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        writeTextFile(iniPath(exeDir), QByteArray("[Sounds]\nPlay Sounds=") + c.value + "\n");
        open();
        EXPECT_EQ(form->soundsOn(), c.on);
        EXPECT_EQ(item("Soundson1")->isChecked(), c.on);
        form.reset();
    }
    // What the player switches reaches the file at exit.
    open();
    item("Soundson1")->trigger();
    form.reset();
    EXPECT_TRUE(readTextFile(iniPath(exeDir)).contains("Play Sounds=0"));
}

TEST_F(MainFormTest, AModeOutsideTheFourIsKeptButChecksNothingAndNamesNothing)
{
    writeTextFile(iniPath(exeDir), "[Modus]\nShifter=7\n");
    open();
    EXPECT_EQ(form->game().gameMode(), engine::GameMode{7});
    for (const char *name : {"Normal1", "Shifter1", "AddLast1", "MegaShift1"})
        EXPECT_FALSE(item(name)->isChecked()) << name;
    EXPECT_EQ(panel(4), "");
    EXPECT_EQ(form->width(), 277) << "no feeder allowance";
    form.reset();
    EXPECT_TRUE(readTextFile(iniPath(exeDir)).contains("Shifter=7"));
}

TEST_F(MainFormTest, OtherContentOfTheFileSurvivesTheExit)
{
    writeTextFile(iniPath(exeDir), "; kept\n[Symbols]\n0=12\n[MODUS]\nshifter=2\n");
    open();
    EXPECT_EQ(form->game().gameMode(), engine::GameMode::AddMegaRow);
    item("MegaShift1")->trigger();
    form.reset();
    const QByteArray text = readTextFile(iniPath(exeDir));
    EXPECT_TRUE(text.contains("; kept"));
    EXPECT_TRUE(text.contains("0=12"));
    EXPECT_TRUE(text.contains("=3"));
    EXPECT_FALSE(text.contains("=2\n"));
}

TEST(MainFormSettings, AFolderThatCannotBeWrittenShowsTheMessageAtExit)
{
    // A folder whose parent is a regular file cannot be written, not even by root.
    QTemporaryDir dir;
    writeTextFile(dir.filePath("plain-file"), "not a folder");
    const QString exe = dir.filePath("plain-file/quorbix");
    platform::overrideExecutablePath(exe);
    RecordingSoundService sounds;
    {
        auto form = std::make_unique<TForm1>();
        form->show();
        ModalWatcher watcher;
        form.reset();
        ASSERT_EQ(watcher.seen.size(), 1u);
        EXPECT_EQ(watcher.seen[0].className, "QMessageBox");
        EXPECT_EQ(watcher.seen[0].text, "Unable to write to " + exe + ".ini");
    }
    platform::overrideExecutablePath(QString());
}

TEST(MainFormSettings, TheOlderSettingsFileIsMovedAndUsedAtOnce)
{
    QTemporaryDir dir;
    // An executable with an extension: its older settings file is its name without one.
    platform::overrideExecutablePath(dir.filePath("quorbix.bin"));
    writeTextFile(dir.filePath("quorbix.bin"), "the program");
    writeTextFile(dir.filePath("quorbix"), "[Kids]\nKids Symbols=2\n");
    RecordingSoundService sounds;
    {
        TForm1 form;
        form.show();
        EXPECT_EQ(form.pictureSize(), PictureSize::Small);
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("quorbix")));
    }
    EXPECT_TRUE(readTextFile(dir.filePath("quorbix.ini")).contains("Kids Symbols=2"));
    EXPECT_EQ(readTextFile(dir.filePath("quorbix.bin")), "the program");
    platform::overrideExecutablePath(QString());
}

TEST_F(MainFormTest, TheExecutableItselfIsNeverTakenForAnOlderSettingsFile)
{
    // Our executable has no extension: without it, its path is the executable itself.
    writeTextFile(exeDir.exePath(), "[Kids]\nKids Symbols=1\n");
    open();
    EXPECT_EQ(form->pictureSize(), PictureSize::Standard);
    form.reset();
    EXPECT_EQ(readTextFile(exeDir.exePath()), "[Kids]\nKids Symbols=1\n");
    EXPECT_TRUE(QFileInfo(exeDir.exePath()).isFile());
    EXPECT_TRUE(readTextFile(iniPath(exeDir)).contains("Kids Symbols=0"));
}
