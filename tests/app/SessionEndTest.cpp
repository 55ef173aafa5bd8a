// The desktop session ending sends SIGTERM (a closed terminal SIGHUP, Ctrl+C SIGINT): the game
// closes as its close button closes it and writes its settings, instead of dying.
#include "GameProcess.h"

#include "ProfileFile.h"

namespace {

void expectClosedWithSettingsWritten(int signal)
{
    GameProcess game;
    game.start();
    ASSERT_TRUE(game.waitUntilCatching(signal)) << game.process.readAllStandardError().toStdString();
    ASSERT_FALSE(QFile::exists(game.filePath("quorbix.ini")));

    game.send(signal);
    ASSERT_TRUE(game.waitForNormalExit()) << game.process.readAllStandardError().toStdString();
    EXPECT_EQ(game.process.exitCode(), 0);
    const platform::ProfileFile written(game.filePath("quorbix.ini"));
    EXPECT_EQ(written.readString("Sounds", "Play Sounds", "missing"), "1");
    EXPECT_EQ(written.readString("Kids", "Kids Symbols", "missing"), "0");
    EXPECT_EQ(written.readString("Modus", "Shifter", "missing"), "0");
}

}  // namespace

TEST(SessionEnd, EachEndingSignalClosesTheGameWithItsSettingsWritten)
{
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        expectClosedWithSettingsWritten(signal);
    }
}
