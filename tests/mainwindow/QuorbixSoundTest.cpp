// The game's sounds reach a real sound server: a private PulseAudio with a null sink, whose
// monitor is recorded while the main window (with the real sound service) removes a group of
// seven through the board view, once with sounds on and once with them off.
#include "MainFormFixture.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <iostream>

namespace {

constexpr char Sink[] = "quorbix_null";
constexpr int RecordRate = 44100;
// -56 dBFS: the null sink gives exact zeros, so anything above this is the sound.
constexpr int Audible = 50;
constexpr double DipSeconds = 0.28;

bool isAudible(std::int16_t sample) { return std::abs(static_cast<int>(sample)) > Audible; }

// A PulseAudio server of the test's own: its runtime, state and configuration folders are
// temporary, its only sink is a null sink, and clients reach it by its socket alone. Started as
// a user server even as root (it warns, and runs), never as the system's.
class PulseServer {
public:
    PulseServer()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()) {
            problem_ = "pulseaudio is not installed (scripts/install-deps.sh installs it)";
            return;
        }
        QFile script(dir_.filePath(QStringLiteral("server.pa")));
        if (!script.open(QIODevice::WriteOnly)) return;
        script.write(
            QStringLiteral("load-module module-null-sink sink_name=%1\n"
                           "set-default-sink %1\n"
                           "load-module module-native-protocol-unix socket=%2 auth-anonymous=1\n")
                .arg(QLatin1String(Sink), socket())
                .toUtf8());
        script.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir_.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
        server_.setProcessEnvironment(env);
        server_.setProcessChannelMode(QProcess::MergedChannels);
        // -n: no default script; the server lives until it is ended, whatever its clients do.
        server_.start(QStringLiteral("pulseaudio"),
                      {QStringLiteral("-n"), QStringLiteral("--file=%1").arg(script.fileName()),
                       QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                       QStringLiteral("--use-pid-file=no"), QStringLiteral("--disable-shm=yes"),
                       QStringLiteral("--log-target=stderr")});
        for (int i = 0; i < 500 && server_.state() != QProcess::NotRunning; ++i) {
            if (QFileInfo::exists(socket())) return;
            server_.waitForFinished(20);
        }
        problem_ = "pulseaudio did not start:\n" + server_.readAll().toStdString();
    }

    ~PulseServer()
    {
        if (server_.state() == QProcess::NotRunning) return;
        server_.terminate();
        if (!server_.waitForFinished(5000)) server_.kill();
        server_.waitForFinished(5000);
    }

    // Empty when the server runs, else why it does not.
    const std::string &problem() const { return problem_; }
    QString address() const { return QStringLiteral("unix:") + socket(); }

private:
    QString socket() const { return dir_.filePath(QStringLiteral("native")); }

    QTemporaryDir dir_;
    QProcess server_;
    std::string problem_;
};

// Records the null sink's monitor, mono 16 bit.
class MonitorRecording {
public:
    explicit MonitorRecording(const QString &server) : server_(server) {}

    void start()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), server_);
        parec_.setProcessEnvironment(env);
        parec_.start(QStringLiteral("parec"),
                     {QStringLiteral("--device=%1.monitor").arg(QLatin1String(Sink)),
                      QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                      QStringLiteral("--rate=%1").arg(RecordRate), QStringLiteral("--channels=1"),
                      QStringLiteral("--latency-msec=20")});
        ASSERT_TRUE(parec_.waitForStarted(5000)) << "parec: " << parec_.errorString().toStdString();
        // Recording once the server lists the stream.
        for (int i = 0; i < 250; ++i) {
            if (sourceOutputs() > 0) return;
            QTest::qWait(20);
        }
        FAIL() << "parec did not connect";
    }

    // Records until the sound has come and gone (half a second of silence after it), or for
    // the whole time given when none comes; returns what was recorded. heardAfterMs is when
    // the first audible sample arrived on the clock given (within the recording's own latency
    // of 20 ms), -1 when none did.
    std::vector<std::int16_t> recordSound(std::chrono::milliseconds longest,
                                          const QElapsedTimer &since)
    {
        QElapsedTimer clock;
        clock.start();
        const std::size_t quiet = RecordRate / 2;
        heardAfterMs = -1;
        while (clock.elapsed() < longest.count()) {
            QTest::qWait(heardAfterMs < 0
                             ? 1
                             : 50);  // the game's event loop runs: the sound is played from it
            append(parec_.readAllStandardOutput());
            const auto last = std::find_if(samples_.rbegin(), samples_.rend(), isAudible);
            if (last != samples_.rend() && heardAfterMs < 0)
                heardAfterMs = static_cast<long>(since.elapsed());
            if (last != samples_.rend() &&
                static_cast<std::size_t>(last - samples_.rbegin()) > quiet)
                break;
        }
        // SIGINT makes parec hand over what it still holds before it ends.
        ::kill(static_cast<pid_t>(parec_.processId()), SIGINT);
        parec_.waitForFinished(5000);
        append(parec_.readAllStandardOutput());
        return samples_;
    }

private:
    int sourceOutputs() const
    {
        QProcess pactl;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), server_);
        pactl.setProcessEnvironment(env);
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"),
                                              QStringLiteral("source-outputs")});
        pactl.waitForFinished(5000);
        return static_cast<int>(pactl.readAllStandardOutput().count('\n'));
    }

    void append(const QByteArray &raw)
    {
        pending_ += raw;
        const std::size_t count = static_cast<std::size_t>(pending_.size()) / 2;
        // Nothing whole yet: the samples may still be empty, and memcpy takes no null pointer
        // even for no bytes.
        if (count == 0) return;
        const std::size_t old = samples_.size();
        samples_.resize(old + count);
        std::memcpy(samples_.data() + old, pending_.constData(), count * 2);
        pending_.remove(0, static_cast<qsizetype>(count * 2));
    }

public:
    long heardAfterMs = -1;

private:
    QString server_;
    QProcess parec_;
    QByteArray pending_;  // an odd byte waiting for its pair
    std::vector<std::int16_t> samples_;
};

int peakOf(const std::vector<std::int16_t> &samples)
{
    int peak = 0;
    for (const std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

// Seconds from the first to the last audible sample.
double audibleSeconds(const std::vector<std::int16_t> &samples)
{
    const auto first = std::find_if(samples.begin(), samples.end(), isAudible);
    if (first == samples.end()) return 0;
    const auto last = std::find_if(samples.rbegin(), samples.rend(), isAudible).base();
    return static_cast<double>(last - first) / RecordRate;
}

// Kind 0 has a group of seven in the bottom left corner: its removal plays "DIP".
const std::vector<std::string> SevenInACorner = {
    "34343434343", "43434343434", "34343434343", "43434343434", "34343434343", "43434343434",
    "34343434343", "43434343434", "34343434343", "43434343434", "00043434343", "00001111113",
};

class SoundServerTest : public MainFormTest {
protected:
    long heardAfterMs = -1;  // from the removal's double-click to the sound; -1: never

    // Removes the seven through the board view while the monitor is recorded.
    std::vector<std::int16_t> removeSevenAndRecord(MonitorRecording &recording,
                                                   std::chrono::milliseconds longest)
    {
        setField(form->game(), SevenInACorner);
        recording.start();
        const int before = panel(3).toInt();
        QTest::mouseClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
        QElapsedTimer clicked;
        clicked.start();
        QTest::mouseDClick(grid(), Qt::LeftButton, {}, cellCentre(0, 11));
        EXPECT_EQ(panel(3).toInt() - before, 7 * 6) << "the seven were removed";
        std::vector<std::int16_t> recorded = recording.recordSound(longest, clicked);
        heardAfterMs = recording.heardAfterMs;
        return recorded;
    }
};

}  // namespace

TEST_F(SoundServerTest, DipReachesTheSoundServerWithSoundsOnAndNothingWithSoundsOff)
{
    const PulseServer server;
    if (!server.problem().empty())
        GTEST_SKIP() << "no sound server could be started: " << server.problem();
    // Qt Multimedia connects to the server on its first use, which is below.
    qputenv("PULSE_SERVER", server.address().toUtf8());
    // The game as a portable copy: its sound module beside it, loaded once the window is
    // painted, as the game loads it.
    ASSERT_TRUE(
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/quorbix-sound.so"),
                    exeDir.filePath(QStringLiteral("quorbix-sound.so"))));
    open();
    platform::setSoundService(nullptr);  // the real one, not the fixture's recorder
    platform::preloadSoundsAfterFirstPaint(*form);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::qWait(1000);  // the player's first double-click, a second after the window shows

    // The recording waits for the first sound to come.
    MonitorRecording on(server.address());
    QElapsedTimer took;
    took.start();
    const std::vector<std::int16_t> played = removeSevenAndRecord(on, std::chrono::seconds(20));
    const double seconds = audibleSeconds(played);
    std::cout << "DIP recorded: " << seconds << " s audible, peak " << peakOf(played)
              << " of 32767, recorded for " << took.elapsed() << " ms, heard " << heardAfterMs
              << " ms after the double-click\n";
    EXPECT_GT(peakOf(played), 3000) << "the sound is heard, not a trace of noise";
    EXPECT_NEAR(seconds, DipSeconds, 0.07);

    // With sounds off, as long again as the sound took to come and go, and never less than two
    // seconds: nothing at all.
    item("Soundson1")->trigger();
    ASSERT_FALSE(form->soundsOn());
    MonitorRecording off(server.address());
    const auto longest = std::max<std::chrono::milliseconds>(
        std::chrono::seconds(2), std::chrono::milliseconds(took.elapsed()));
    EXPECT_LE(peakOf(removeSevenAndRecord(off, longest)), Audible) << "silence with sounds off";
    qunsetenv("PULSE_SERVER");
}
