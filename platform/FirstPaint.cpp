#include "FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

class AfterFirstExposure : public QObject {
public:
    AfterFirstExposure(QWindow *window, std::function<void()> job)
        : QObject(window), job_(std::move(job))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, std::move(job_));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> job_;
};

}  // namespace

void afterFirstPaint(QWidget &window, std::function<void()> job)
{
    if (QWindow *handle = window.windowHandle())
        new AfterFirstExposure(handle, std::move(job));
    else
        QTimer::singleShot(0, qApp, std::move(job));
}

}  // namespace platform
