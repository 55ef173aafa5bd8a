// The desktop session ending sends SIGTERM (a closed terminal SIGHUP, Ctrl+C SIGINT): the game
// closes as its close button closes it and writes its settings, instead of dying.
#include "GameProcess.h"

#include "ProfileFile.h"

namespace {

void expectClosedWithSettingsWritten(int signal)
{
    GameProcess game;
    game.start();
    ASSERT_TRUE(game.waitUntilCatching(signal))
        << game.process.readAllStandardError().toStdString();
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

// `nohup quorbix`: a terminal's SIGHUP (and SIGINT) that the game was started to ignore stays
// ignored, as the kernel's record of the process's signals shows; SIGTERM still closes it.
TEST(SessionEnd, ASignalIgnoredAtTheStartStaysIgnored)
{
    GameProcess game;
    game.process.setChildProcessModifier([] {
        ::signal(SIGHUP, SIG_IGN);
        ::signal(SIGINT, SIG_IGN);
    });
    game.start();
    ASSERT_TRUE(game.waitUntilCatching(SIGTERM))
        << game.process.readAllStandardError().toStdString();
    QFile status(QStringLiteral("/proc/%1/status").arg(game.process.processId()));
    ASSERT_TRUE(status.open(QIODevice::ReadOnly));
    qulonglong caught = 0;
    qulonglong ignored = 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) caught = line.mid(7).trimmed().toULongLong(nullptr, 16);
        if (line.startsWith("SigIgn:")) ignored = line.mid(7).trimmed().toULongLong(nullptr, 16);
    }
    for (const int signal : {SIGHUP, SIGINT}) {
        const qulonglong bit = 1ull << (signal - 1);
        EXPECT_EQ(caught & bit, 0u) << signal;
        EXPECT_EQ(ignored & bit, bit) << signal;
    }
    game.send(SIGTERM);
    ASSERT_TRUE(game.waitForNormalExit());
    EXPECT_TRUE(QFile::exists(game.filePath("quorbix.ini")));
}
