#include "MovieScroll.h"

#include "MovieLine.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>

TMovieScroll::TMovieScroll(QWidget *parent) : QWidget(parent), timer_(new QTimer(this))
{
    defaultFont_ = TextFont::points(QStringLiteral("Courier New"), 9, Qt::white);
    // We cover every pixel ourselves; Qt need not clear behind us.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(200, 100);
    Resize();
    connect(timer_, &QTimer::timeout, this, &TMovieScroll::TimerTick);
    applyTimer();
}

void TMovieScroll::setTimerInterval(int ms)
{
    timerInterval_ = ms;
    applyTimer();
}

void TMovieScroll::applyTimer()
{
    // An interval of 0 or less would make the timer fire without pause; the control stands still
    // instead, as long as the interval stays so.
    if (scrolling_ && timerInterval_ > 0)
        timer_->start(timerInterval_);
    else
        timer_->stop();
}

void TMovieScroll::changed()
{
    frameFresh_ = false;
    update();
}

void TMovieScroll::TimerTick()
{
    --scrollPos_;
    Paint();
}

void TMovieScroll::Paint()
{
    composeFrame();
    frameFresh_ = true;
    if (isVisible()) repaint();
}

void TMovieScroll::paintEvent(QPaintEvent *)
{
    if (!frameFresh_) composeFrame();
    frameFresh_ = false;
    QPainter(this).drawImage(0, 0, frame_);
}

void TMovieScroll::resizeEvent(QResizeEvent *event)
{
    // A hidden control hears of its size only when it is shown or drawn; that is no change
    // when the frame has the size already.
    if (event->size() != frame_.size()) Resize();
}

void TMovieScroll::Resize()
{
    scrollPos_ = height() + 1;
    frame_ = QImage(size(), QImage::Format_RGB32);
    frameFresh_ = false;
}

void TMovieScroll::composeFrame()
{
    // A control resized while hidden has had no resize event yet; its text starts anew here.
    if (frame_.size() != size()) Resize();
    if (frame_.isNull()) return;

    QPainter p(&frame_);
    p.fillRect(frame_.rect(), backColor_);

    int y = 0;
    for (qsizetype i = 0; i < scrollText_.size(); ++i) {
        const MovieLine line = parseMovieLine(scrollText_[i], defaultFont_);
        const QFontMetrics fm(line.font.font, &frame_);
        const int x = line.centred ? (width() - fm.horizontalAdvance(line.text)) / 2 : 1;
        const int top = scrollPos_ + y;
        p.setFont(line.font.font);
        if (shadow_) {
            p.setPen(shadowColor_);
            p.drawText(x + shadowOffset_, top + shadowOffset_ + fm.ascent(), line.text);
        }
        p.setPen(line.font.color);
        p.drawText(x, top + fm.ascent(), line.text);

        // A line is as tall as its font, so an empty line keeps its place too.
        const int lineHeight = fm.height();
        y += lineHeight;

        const bool last = i == scrollText_.size() - 1;
        if (last && lineHeight + scrollPos_ + y < 0) {
            if (loop_) {
                scrollPos_ = height() + 1;
            } else {
                scrolling_ = false;
                applyTimer();
                QFont endFont = defaultFont_.font;
                endFont.setPointSize(20);
                endFont.setBold(true);
                endFont.setItalic(false);
                endFont.setUnderline(false);
                const QFontMetrics efm(endFont, &frame_);
                p.setFont(endFont);
                p.setPen(defaultFont_.color);
                p.drawText((width() - efm.horizontalAdvance(completeText_)) / 2,
                           (height() - efm.height()) / 2 + efm.ascent(), completeText_);
            }
        }
    }

    p.setPen(shadowColor_);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 1, width() - 1, height() - 2);
}
