// Under Wayland the game runs as a native client of the compositor: its window appears under
// the application id of its desktop entry, the steps the compositor does not allow (fades,
// centring) are left out without a word, and the end of the session closes it cleanly.
#include "GameProcess.h"

#include "ProfileFile.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {

// A headless Weston on a socket of its own, in a runtime folder of its own; it runs as root too.
class HeadlessWeston {
public:
    static constexpr char Socket[] = "quorbix-test";

    HeadlessWeston()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("DISPLAY"));
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        // The kiosk shell starts no helper clients of its own.
        process_.start(QStringLiteral("weston"),
                       {QStringLiteral("--backend=headless-backend.so"),
                        QStringLiteral("--shell=kiosk-shell.so"),
                        QStringLiteral("--socket=%1").arg(QLatin1String(Socket)),
                        QStringLiteral("--idle-time=0"), QStringLiteral("--no-config")});
        const QString socket = runtime_.filePath(QLatin1String(Socket));
        for (int i = 0; i < 500 && process_.state() != QProcess::NotRunning; ++i) {
            if (QFileInfo(socket).exists()) {
                ready_ = true;
                return;
            }
            process_.waitForFinished(20);
        }
    }

    ~HeadlessWeston()
    {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
        process_.waitForFinished(5000);
    }

    bool ready() const { return ready_; }
    QString log() { return QString::fromLocal8Bit(process_.readAll()); }
    QString runtimeDir() const { return runtime_.path(); }

private:
    QTemporaryDir runtime_;
    QProcess process_;
    bool ready_ = false;
};

}  // namespace

TEST(Wayland, TheGameShowsItsWindowUnderItsIdAndEndsCleanlyWithTheSession)
{
    if (QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty())
        GTEST_SKIP() << "weston is not installed (scripts/install-deps.sh installs it)";
    HeadlessWeston weston;
    ASSERT_TRUE(weston.ready()) << "weston did not start:\n" << weston.log().toStdString();

    GameProcess game;
    game.environment().insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    game.environment().insert(QStringLiteral("XDG_RUNTIME_DIR"), weston.runtimeDir());
    game.environment().insert(QStringLiteral("WAYLAND_DISPLAY"),
                              QLatin1String(HeadlessWeston::Socket));
    game.environment().remove(QStringLiteral("DISPLAY"));
    game.environment().insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    game.process.setProcessChannelMode(QProcess::MergedChannels);
    game.start();
    ASSERT_TRUE(game.waitUntilCatching(SIGTERM));

    // The protocol log shows the window: named by its id, configured by the compositor and
    // given its first picture.
    QByteArray log;
    const auto shown = [&log] {
        const qsizetype acked = log.indexOf(".ack_configure(");
        return acked >= 0 && log.indexOf(".attach(wl_buffer@", acked) >= 0 &&
               log.indexOf(".commit()", log.indexOf(".attach(wl_buffer@", acked)) >= 0;
    };
    for (int i = 0; i < 500 && !shown() && game.process.state() == QProcess::Running; ++i) {
        game.process.waitForReadyRead(20);
        log += game.process.readAll();
    }
    ASSERT_TRUE(shown()) << log.toStdString();
    EXPECT_TRUE(log.contains("set_app_id(\"org.example.quorbix\")"));

    game.send(SIGTERM);
    ASSERT_TRUE(game.waitForNormalExit()) << log.toStdString();
    EXPECT_EQ(game.process.exitCode(), 0);
    log += game.process.readAll();
    // Everything but the protocol log (its lines begin with a time stamp in brackets) would be a
    // complaint of Qt's or of the game's.
    QStringList said;
    for (const QByteArray &line : log.split('\n'))
        if (!line.isEmpty() && !line.startsWith('[')) said << QString::fromLocal8Bit(line);
    EXPECT_TRUE(said.isEmpty()) << said.join('\n').toStdString();
    const platform::ProfileFile written(game.filePath("quorbix.ini"));
    EXPECT_EQ(written.readString("Sounds", "Play Sounds", "missing"), "1");
}
