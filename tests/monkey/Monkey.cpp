#include "Monkey.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

// Events a window may take before the monkey closes it; menus close sooner than dialogs.
constexpr long PopupEvents = 8;
constexpr long WindowEvents = 40;
// A window that ignores its close is hidden this many events later; one that survives even
// that stalls the run.
constexpr long HideAfter = 200;
constexpr long GiveUpAfter = 400;

long closeAfter(const QWidget *window)
{
    return window->windowType() == Qt::Popup ? PopupEvents : WindowEvents;
}

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *name;
    int weight;
};

// Play keys, dialog keys, the menu's shortcuts and a few letters for a name prompt.
const std::array<Key, 21> Keys{{
    {Qt::Key_Left, Qt::NoModifier, "Left", 6},
    {Qt::Key_Right, Qt::NoModifier, "Right", 6},
    {Qt::Key_Up, Qt::NoModifier, "Up", 6},
    {Qt::Key_Down, Qt::NoModifier, "Down", 6},
    {Qt::Key_Space, Qt::NoModifier, "Space", 5},
    {Qt::Key_Return, Qt::NoModifier, "Enter", 5},
    {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter", 1},
    {Qt::Key_Escape, Qt::NoModifier, "Escape", 3},
    {Qt::Key_Tab, Qt::NoModifier, "Tab", 2},
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace", 1},
    {Qt::Key_N, Qt::ControlModifier, "Ctrl+N", 1},
    {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z", 2},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Shift+Ctrl+Z", 2},
    {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y", 1},
    {Qt::Key_F1, Qt::NoModifier, "F1", 1},
    {Qt::Key_Q, Qt::ControlModifier, "Ctrl+Q", 1},
    {Qt::Key_Alt, Qt::NoModifier, "Alt", 1},
    {Qt::Key_A, Qt::NoModifier, "A", 1},
    {Qt::Key_J, Qt::NoModifier, "J", 1},
    {Qt::Key_Equal, Qt::NoModifier, "=", 1},
    {Qt::Key_BracketLeft, Qt::NoModifier, "[", 1},
}};

std::string describe(const QString &action, QWidget *target)
{
    return QStringLiteral("%1 on %2 \"%3\"")
        .arg(action, QString::fromLatin1(target->metaObject()->className()), target->windowTitle())
        .toStdString();
}

QString at(QPoint p) { return QStringLiteral("at %1,%2").arg(p.x()).arg(p.y()); }

// The point moved inside a window of that size, and never to the origin: the test library reads
// (0, 0) as "the window's centre".
QPoint inside(QPoint p, QSize size)
{
    return {std::clamp(p.x(), 1, std::max(1, size.width() - 1)),
            std::clamp(p.y(), 1, std::max(1, size.height() - 1))};
}

}  // namespace

Monkey::Monkey(std::uint32_t seed, long events, bool trace, MonkeyHost &host, Watchdog &watchdog)
    : random_(seed), events_(events), trace_(trace), host_(host), watchdog_(watchdog)
{}

void Monkey::scheduleTick() { QTimer::singleShot(0, this, &Monkey::tick); }

void Monkey::tick()
{
    if (finished_) return;
    scheduleTick();
    QWidget *top = topWindow();
    for (const Frame &frame : frames_)
        if (frame.target == top) return;  // that window's event is still being handled
    const QWidget *mainWindow = host_.mainWindow();
    if (frames_.empty() && !(mainWindow && mainWindow->isVisible())) {
        // Closed by a key or a menu command: the game starts afresh, as a player would start it.
        framed(nullptr, QStringLiteral("restart of the main window"),
               [this] { host_.restartMainWindow(); });
        return;
    }
    if (!top || !top->isVisible()) return;  // the main window is closing inside an event
    countOpenWindows();
    if (QWidget *window = windowToClose(top)) {
        closeWindow(window);
        return;
    }
    if (QApplication::activeWindow() == top) {
        activated_ = nullptr;
    } else if (top != activated_ && top->windowType() != Qt::Popup) {
        // As a window manager does when the window above closes: the window on top gets the
        // keyboard, so its shortcuts work. Asked once; the next tick sends input either way.
        activated_ = top;
        top->activateWindow();
        return;
    }
    if (sent_ < events_) {
        sendRandomEvent(top);
    } else if (top != host_.mainWindow()) {
        closeWindow(top);  // winding down: nothing but the main window stays open
    } else if (frames_.empty() && open_.empty()) {
        finished_ = true;
        emit finished();
    }
}

QWidget *Monkey::topWindow() const
{
    if (QWidget *popup = QApplication::activePopupWidget()) return popup;
    if (QWidget *modal = QApplication::activeModalWidget(); modal && modal->isVisible())
        return modal;
    QWidget *active = QApplication::activeWindow();
    if (active && active->isVisible() && active->windowType() != Qt::ToolTip) return active;
    return host_.mainWindow();
}

void Monkey::countOpenWindows()
{
    std::erase_if(open_, [](const OpenWindow &w) { return !w.widget || !w.widget->isVisible(); });
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible() || widget == host_.mainWindow() ||
            widget->windowType() == Qt::ToolTip)
            continue;
        auto known = std::find_if(open_.begin(), open_.end(),
                                  [widget](const OpenWindow &w) { return w.widget == widget; });
        if (known == open_.end()) {
            ++seen_[QString::fromLatin1(widget->metaObject()->className())];
            open_.push_back({widget, 0});
        } else {
            ++known->events;
        }
    }
}

QWidget *Monkey::windowToClose(QWidget *top) const
{
    for (const OpenWindow &w : open_) {
        // The window on top, or one beside the main window (the help viewer) when nothing is
        // modal; a window under a modal one waits until it is on top again.
        const bool reachable = w.widget == top || top == host_.mainWindow();
        if (reachable && w.events > closeAfter(w.widget)) {
            if (w.events > closeAfter(w.widget) + GiveUpAfter) {
                std::fprintf(stderr, "monkey: event %ld: %s does not close\n", sent_,
                             describe(QStringLiteral("closing"), w.widget).c_str());
                std::abort();
            }
            return w.widget;
        }
    }
    return nullptr;
}

void Monkey::closeWindow(QWidget *window)
{
    const auto known = std::find_if(open_.begin(), open_.end(),
                                    [window](const OpenWindow &w) { return w.widget == window; });
    const bool stubborn = known != open_.end() && known->events > closeAfter(window) + HideAfter;
    framed(window, stubborn ? QStringLiteral("hiding") : QStringLiteral("closing"),
           [window, stubborn] {
               if (stubborn)
                   window->hide();
               else if (auto *dialog = qobject_cast<QDialog *>(window))
                   dialog->reject();
               else
                   window->close();
           });
}

void Monkey::sendRandomEvent(QWidget *top)
{
    ++sent_;
    // On the main window mostly double-clicks, the removal; elsewhere mostly keys and clicks.
    const bool onMain = top == host_.mainWindow();
    const int kind = below(100);
    if (kind < (onMain ? 35 : 45)) {
        sendKey(top);
        return;
    }
    QPointer<QWindow> window = top->windowHandle();
    if (!window) return;
    const QPoint p = randomPoint(top);
    if (kind < (onMain ? 55 : 75)) {
        const int b = below(20);
        const Qt::MouseButton button = b < 17   ? Qt::LeftButton
                                       : b < 19 ? Qt::RightButton
                                                : Qt::MiddleButton;
        const QString name = button == Qt::LeftButton    ? QStringLiteral("left")
                             : button == Qt::RightButton ? QStringLiteral("right")
                                                         : QStringLiteral("middle");
        framed(top, name + QStringLiteral(" click ") + at(p),
               [=] { QTest::mouseClick(window, button, {}, p); });
    } else if (kind < 90) {
        framed(top, QStringLiteral("double-click ") + at(p),
               [=] { QTest::mouseDClick(window, Qt::LeftButton, {}, p); });
    } else {
        std::vector<QPoint> path(static_cast<std::size_t>(1 + below(4)));
        for (QPoint &q : path) q = randomPoint(top);
        framed(top, QStringLiteral("drag ") + at(p) + QStringLiteral(" to ") + at(path.back()),
               [=, this] {
                   QTest::mousePress(window, Qt::LeftButton, {}, p);
                   // A press can resize the window (a picture size from a menu).
                   for (const QPoint &q : path)
                       if (window) QTest::mouseMove(window, inside(q, window->size()));
                   // The release goes where the button is let go, even when the press opened or
                   // closed a window.
                   QWidget *now = topWindow();
                   QWindow *target = window ? window.data() : now ? now->windowHandle() : nullptr;
                   if (target)
                       QTest::mouseRelease(target, Qt::LeftButton, {},
                                           inside(path.back(), target->size()));
               });
    }
}

void Monkey::sendKey(QWidget *top)
{
    int total = 0;
    for (const Key &k : Keys) total += k.weight;
    int pick = below(total);
    const Key *key = Keys.data();
    while (pick >= key->weight) pick -= (key++)->weight;
    QPointer<QWindow> window = top->windowHandle();
    if (!window) return;
    framed(top, QStringLiteral("key ") + QLatin1String(key->name),
           [=] { QTest::keyClick(window, key->key, key->modifiers); });
}

// A point inside the window. On the main window mostly on the board, often on a symbol that can
// be removed, so that games get played to their end; elsewhere on one of the controls or
// anywhere.
QPoint Monkey::randomPoint(QWidget *top)
{
    QWidget *area = top;
    auto *board = top->findChild<QWidget *>(QStringLiteral("DrawGrid1"));
    const int choice = below(10);
    if (top == host_.mainWindow() && choice < 4) {
        if (const std::optional<QPoint> cell = host_.groupCell(below(1 << 16))) return *cell;
    }
    if (board && board->isVisible() && top == host_.mainWindow() && choice < 7) {
        area = board;
    } else if (below(2) == 0) {
        QList<QWidget *> controls;
        for (QWidget *child : top->findChildren<QWidget *>())
            if (child->isVisible() && !child->isWindow()) controls << child;
        if (!controls.isEmpty()) area = controls.at(below(static_cast<int>(controls.size())));
    }
    const QRect r = area->rect();
    if (r.isEmpty()) return {1, 1};
    const QPoint inArea(r.left() + below(r.width()), r.top() + below(r.height()));
    return inside(area->mapTo(top, inArea), top->size());
}

void Monkey::framed(QWidget *target, const QString &what, const std::function<void()> &send)
{
    std::string description = target ? describe(what, target) : what.toStdString();
    frames_.push_back({target, sent_, description});
    watchdog_.busy(sent_, description);
    if (trace_) std::fprintf(stderr, "%ld %s\n", sent_, description.c_str());
    send();
    frames_.pop_back();
    // The event underneath (if any) is being answered again from now on.
    if (frames_.empty())
        watchdog_.idle();
    else
        watchdog_.busy(frames_.back().event, frames_.back().what);
}
