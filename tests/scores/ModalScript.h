#pragma once
// Plays the player's part in modal windows: each step waits until a modal window of its type is
// on top, then handles it. Steps run in order, one window each; whatever has not run when the
// script goes out of scope never runs.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

class ModalScript {
public:
    ModalScript()
    {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    template <typename T>
    ModalScript &then(std::function<void(T *)> step)
    {
        steps_.push_back([step = std::move(step)](QWidget *top) {
            T *window = qobject_cast<T *>(top);
            if (window) step(window);
            return window != nullptr;
        });
        return *this;
    }

    int handled() const { return next_; }

private:
    void poll()
    {
        if (next_ < int(steps_.size()) &&
            steps_[std::size_t(next_)](QApplication::activeModalWidget()))
            ++next_;
    }

    QTimer timer_;
    std::vector<std::function<bool(QWidget *)>> steps_;
    int next_ = 0;
};
