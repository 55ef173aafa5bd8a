#pragma once
// The credits scroller: a list of text lines moving up through the control, one pixel per tick,
// like the credits at the end of a film. When the last line has left the top edge the text
// starts again from the bottom (Loop) or stops and shows CompleteText in the middle.
//
// Every frame is composed off screen and copied in one go, so the scrolling does not flicker,
// and the control paints its whole area itself.

#include "TextFont.h"

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QWidget>

class QTimer;

class TMovieScroll : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QStringList ScrollText READ ScrollText WRITE setScrollText)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(TextFont DefaultFont READ DefaultFont WRITE setDefaultFont)
    Q_PROPERTY(bool Loop READ Loop WRITE setLoop)
    Q_PROPERTY(QString CompleteText READ CompleteText WRITE setCompleteText)
    Q_PROPERTY(int TimerInterval READ TimerInterval WRITE setTimerInterval)
    Q_PROPERTY(bool Shadow READ Shadow WRITE setShadow)
    Q_PROPERTY(QColor ShadowColor READ ShadowColor WRITE setShadowColor)
    Q_PROPERTY(int ShadowOffset READ ShadowOffset WRITE setShadowOffset)

public:
    explicit TMovieScroll(QWidget *parent = nullptr);

    QStringList ScrollText() const { return scrollText_; }
    void setScrollText(const QStringList &lines)
    {
        scrollText_ = lines;
        changed();
    }
    QColor BackColor() const { return backColor_; }
    void setBackColor(const QColor &color)
    {
        backColor_ = color;
        changed();
    }
    TextFont DefaultFont() const { return defaultFont_; }
    void setDefaultFont(const TextFont &font)
    {
        defaultFont_ = font;
        changed();
    }
    bool Loop() const { return loop_; }
    void setLoop(bool loop)
    {
        loop_ = loop;
        changed();
    }
    QString CompleteText() const { return completeText_; }
    void setCompleteText(const QString &text)
    {
        completeText_ = text;
        changed();
    }
    int TimerInterval() const { return timerInterval_; }
    void setTimerInterval(int ms);
    bool Shadow() const { return shadow_; }
    void setShadow(bool shadow)
    {
        shadow_ = shadow;
        changed();
    }
    QColor ShadowColor() const { return shadowColor_; }
    void setShadowColor(const QColor &color)
    {
        shadowColor_ = color;
        changed();
    }
    int ShadowOffset() const { return shadowOffset_; }
    void setShadowOffset(int offset)
    {
        shadowOffset_ = offset;
        changed();
    }

    // Where the top of the first line stands, in pixels below the control's top.
    int scrollPos() const { return scrollPos_; }
    // False once the text has ended without Loop.
    bool isScrolling() const { return scrolling_; }

public slots:
    // One step: the text moves up a pixel and the frame is drawn at once.
    void TimerTick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Paint();   // composes one frame into frame_ and copies it to the screen
    void Resize();  // restarts the text below the bottom edge, at the new size
    void composeFrame();
    void applyTimer();
    // A property changed: the next paint composes a new frame.
    void changed();

    QStringList scrollText_;
    QColor backColor_ = Qt::black;
    TextFont defaultFont_;
    bool loop_ = false;
    QString completeText_ = tr("The End");
    int timerInterval_ = 40;
    bool shadow_ = true;
    QColor shadowColor_ = QColor(128, 128, 128);
    int shadowOffset_ = 2;

    int scrollPos_ = 0;
    bool scrolling_ = true;    // the timer's wish; an interval of 0 or less keeps it quiet
    bool frameFresh_ = false;  // a tick composed the frame that the next paint copies
    QTimer *timer_;
    QImage frame_;
};
