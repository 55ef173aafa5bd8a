#pragma once
// The built game run as a process of its own, from a copy in a fresh folder, so the files it
// keeps beside itself land there and nothing is written into the build.

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>

class GameProcess {
public:
    GameProcess()
    {
        const QString exe = dir_.filePath(QStringLiteral("quorbix"));
        if (!QFile::copy(QStringLiteral(QUORBIX_GAME), exe))
            ADD_FAILURE() << "cannot copy the game";
        env_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProgram(exe);
        process.setWorkingDirectory(dir_.path());
    }

    ~GameProcess()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    GameProcess(const GameProcess &) = delete;
    GameProcess &operator=(const GameProcess &) = delete;

    QString filePath(const QString &name) const { return dir_.filePath(name); }
    QProcessEnvironment &environment() { return env_; }

    void start(const QStringList &arguments = {})
    {
        process.setProcessEnvironment(env_);
        process.setArguments(arguments);
        process.start();
        ASSERT_TRUE(process.waitForStarted(10000)) << process.errorString().toStdString();
    }

    // True once the game has set up its own SIGTERM handling (so it is past its start-up), read
    // from the kernel's list of the signals the process catches.
    bool waitUntilCatching(int signal, std::chrono::milliseconds timeout = std::chrono::seconds(30))
    {
        const QString status = QStringLiteral("/proc/%1/status").arg(process.processId());
        const qulonglong bit = 1ull << (signal - 1);
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < end && process.state() == QProcess::Running) {
            QFile file(status);
            if (file.open(QIODevice::ReadOnly)) {
                for (const QByteArray &line : file.readAll().split('\n')) {
                    if (line.startsWith("SigCgt:") &&
                        (line.mid(7).trimmed().toULongLong(nullptr, 16) & bit))
                        return true;
                }
            }
            QThread::msleep(20);
        }
        return false;
    }

    void send(int signal) { ::kill(static_cast<pid_t>(process.processId()), signal); }

    // Waits for the end; true when the game ended by itself (not by a signal's default action).
    bool waitForNormalExit(int ms = 30000)
    {
        return process.waitForFinished(ms) && process.exitStatus() == QProcess::NormalExit;
    }

    QProcess process;

private:
    QTemporaryDir dir_;
    QProcessEnvironment env_ = QProcessEnvironment::systemEnvironment();
};
