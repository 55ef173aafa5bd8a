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

    QStringList ScrollText() const { return m_scrollText; }
    void setScrollText(const QStringList &lines) { m_scrollText = lines; changed(); }
    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor &color) { m_backColor = color; changed(); }
    TextFont DefaultFont() const { return m_defaultFont; }
    void setDefaultFont(const TextFont &font) { m_defaultFont = font; changed(); }
    bool Loop() const { return m_loop; }
    void setLoop(bool loop) { m_loop = loop; changed(); }
    QString CompleteText() const { return m_completeText; }
    void setCompleteText(const QString &text) { m_completeText = text; changed(); }
    int TimerInterval() const { return m_timerInterval; }
    void setTimerInterval(int ms);
    bool Shadow() const { return m_shadow; }
    void setShadow(bool shadow) { m_shadow = shadow; changed(); }
    QColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(const QColor &color) { m_shadowColor = color; changed(); }
    int ShadowOffset() const { return m_shadowOffset; }
    void setShadowOffset(int offset) { m_shadowOffset = offset; changed(); }

    // Where the top of the first line stands, in pixels below the control's top.
    int scrollPos() const { return m_scrollPos; }
    // False once the text has ended without Loop.
    bool isScrolling() const { return m_scrolling; }

public slots:
    // One step: the text moves up a pixel and the frame is drawn at once.
    void TimerTick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Paint();     // composes one frame into m_frame and copies it to the screen
    void Resize();    // restarts the text below the bottom edge, at the new size
    void composeFrame();
    void applyTimer();
    // A property changed: the next paint composes a new frame.
    void changed();

    QStringList m_scrollText;
    QColor m_backColor = Qt::black;
    TextFont m_defaultFont;
    bool m_loop = false;
    QString m_completeText = QStringLiteral("The End");
    int m_timerInterval = 40;
    bool m_shadow = true;
    QColor m_shadowColor = QColor(128, 128, 128);
    int m_shadowOffset = 2;

    int m_scrollPos = 0;
    bool m_scrolling = true;   // the timer's wish; an interval of 0 or less keeps it quiet
    bool m_frameFresh = false; // a tick composed the frame that the next paint copies
    QTimer *m_timer;
    QImage m_frame;
};
