#pragma once
// The desktop session ending: the session manager (or a plain `kill`) sends SIGTERM, a
// terminal closing SIGHUP, Ctrl+C in it SIGINT. Each is turned into a signal on the event loop,
// so the game can close the way its close button closes it instead of dying with its settings
// unwritten.

#include <QObject>

class QSocketNotifier;

namespace platform {

class SessionEnd : public QObject {
    Q_OBJECT

public:
    // Starts watching. One watcher per process: the signal handlers are process-wide. SIGHUP
    // and SIGINT are watched only when they are not ignored already (`nohup quorbix`).
    explicit SessionEnd(QObject *parent = nullptr);
    // Gives the watched signals their default actions back.
    ~SessionEnd() override;

    SessionEnd(const SessionEnd &) = delete;
    SessionEnd &operator=(const SessionEnd &) = delete;

signals:
    // Emitted from the event loop, once per burst of signals. A signal that comes again after
    // this has been emitted takes its default action, so a game that hangs while closing can
    // still be ended.
    void requested();

private:
    void readPipe();

    int pipe_[2] = {-1, -1};
    bool handled_[3] = {};  // per signal watched: SIGTERM, SIGHUP, SIGINT
    QSocketNotifier *notifier_ = nullptr;
};

}  // namespace platform
