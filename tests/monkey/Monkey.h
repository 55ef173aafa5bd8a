#pragma once
// Random but seeded input for the whole game: presses, double-clicks, drags and keys sent through
// the window system to whichever window of the game is on top (the main window, a menu, a dialog,
// a message box). The input comes from a timer, which keeps firing inside the nested event loops
// of modal windows, so a dialog gets input while the event that opened it is still running.
// Every window but the main window is closed again after a bounded number of events.

#include "Watchdog.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

class QWidget;
class QWindow;

// The game the monkey plays: its main window, and a way to start it afresh once it was closed
// (a quit key, the close button), so that a run goes on to its last event.
class MonkeyHost {
public:
    virtual ~MonkeyHost() = default;
    virtual QWidget *mainWindow() = 0;
    virtual void restartMainWindow() = 0;
};

class Monkey : public QObject {
    Q_OBJECT

public:
    Monkey(std::uint32_t seed, long events, MonkeyHost &host, Watchdog &watchdog);

    void start() { timer_.start(0); }
    long eventsSent() const { return sent_; }
    // How often each kind of window was opened, by class name.
    const QMap<QString, int> &windowsSeen() const { return seen_; }

signals:
    // Every event is sent, every window but the main window is closed again, and no event is
    // being handled any more.
    void finished();

private:
    struct OpenWindow {
        QPointer<QWidget> widget;
        long events = 0;
    };

    void tick();
    QWidget *topWindow() const;
    void countOpenWindows();
    QWidget *windowToClose(QWidget *top) const;
    void closeWindow(QWidget *window);
    void sendRandomEvent(QWidget *top);
    void sendKey(QWidget *top);
    QPoint randomPoint(QWidget *top);
    void framed(QWidget *target, const QString &what, const std::function<void()> &send);

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::mt19937 random_;
    const long events_;
    MonkeyHost &host_;
    Watchdog &watchdog_;
    QTimer timer_;
    long sent_ = 0;
    // The events being handled, outermost first: a modal window's loop runs inside the event
    // that opened it.
    struct Frame {
        QPointer<QWidget> target;
        long event;
        std::string what;
    };
    std::vector<Frame> frames_;
    std::vector<OpenWindow> open_;
    QMap<QString, int> seen_;
};
