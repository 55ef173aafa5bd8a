#pragma once
// Random but seeded input for the whole game: presses, double-clicks, drags and keys sent through
// the window system to whichever window of the game is on top (the main window, a menu, a dialog,
// a message box). Each input comes from a timer of its own, started before the input is sent:
// timers fire inside the nested event loops of modal windows too, so a dialog gets input while
// the event that opened it is still running (a timer never fires again while its own handler
// runs, so one repeating timer could not do this).
// Every window but the main window is closed again after a bounded number of events.

#include "Watchdog.h"

#include <QMap>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <optional>
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
    // Where a player would aim: the centre of a symbol that has an equal neighbour (the pick-th
    // such cell, counted round), in the main window's coordinates; none when no move is left.
    virtual std::optional<QPoint> groupCell(int pick) = 0;
};

class Monkey : public QObject {
    Q_OBJECT

public:
    // trace: print every event to standard error as it is sent.
    Monkey(std::uint32_t seed, long events, bool trace, MonkeyHost &host, Watchdog &watchdog);

    void start() { scheduleTick(); }
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

    void scheduleTick();
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
    const bool trace_;
    MonkeyHost &host_;
    Watchdog &watchdog_;
    bool finished_ = false;
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
    QPointer<QWidget> activated_;  // the window last asked to take the keyboard
};
