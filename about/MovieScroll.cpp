#include "MovieScroll.h"

#include "MovieLine.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>

TMovieScroll::TMovieScroll(QWidget *parent)
    : QWidget(parent), m_timer(new QTimer(this))
{
    m_defaultFont = TextFont::points(QStringLiteral("Courier New"), 9, Qt::white);
    // We cover every pixel ourselves; Qt need not clear behind us.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(200, 100);
    Resize();
    connect(m_timer, &QTimer::timeout, this, &TMovieScroll::TimerTick);
    applyTimer();
}

void TMovieScroll::setTimerInterval(int ms)
{
    m_timerInterval = ms;
    applyTimer();
}

void TMovieScroll::applyTimer()
{
    // An interval of 0 or less would make the timer fire without pause; the control stands still
    // instead, as long as the interval stays so.
    if (m_scrolling && m_timerInterval > 0)
        m_timer->start(m_timerInterval);
    else
        m_timer->stop();
}

void TMovieScroll::changed()
{
    m_frameFresh = false;
    update();
}

void TMovieScroll::TimerTick()
{
    --m_scrollPos;
    Paint();
}

void TMovieScroll::Paint()
{
    composeFrame();
    m_frameFresh = true;
    if (isVisible())
        repaint();
}

void TMovieScroll::paintEvent(QPaintEvent *)
{
    if (!m_frameFresh)
        composeFrame();
    m_frameFresh = false;
    QPainter(this).drawImage(0, 0, m_frame);
}

void TMovieScroll::resizeEvent(QResizeEvent *event)
{
    // A hidden control hears of its size only when it is shown or drawn; that is no change
    // when the frame has the size already.
    if (event->size() != m_frame.size())
        Resize();
}

void TMovieScroll::Resize()
{
    m_scrollPos = height() + 1;
    m_frame = QImage(size(), QImage::Format_RGB32);
    m_frameFresh = false;
}

void TMovieScroll::composeFrame()
{
    // A control resized while hidden has had no resize event yet; its text starts anew here.
    if (m_frame.size() != size())
        Resize();
    if (m_frame.isNull())
        return;

    QPainter p(&m_frame);
    p.fillRect(m_frame.rect(), m_backColor);

    int y = 0;
    for (qsizetype i = 0; i < m_scrollText.size(); ++i) {
        const MovieLine line = parseMovieLine(m_scrollText[i], m_defaultFont);
        const QFontMetrics fm(line.font.font, &m_frame);
        const int x = line.centred ? (width() - fm.horizontalAdvance(line.text)) / 2 : 1;
        const int top = m_scrollPos + y;
        p.setFont(line.font.font);
        if (m_shadow) {
            p.setPen(m_shadowColor);
            p.drawText(x + m_shadowOffset, top + m_shadowOffset + fm.ascent(), line.text);
        }
        p.setPen(line.font.color);
        p.drawText(x, top + fm.ascent(), line.text);

        // A line is as tall as its font, so an empty line keeps its place too.
        const int lineHeight = fm.height();
        y += lineHeight;

        const bool last = i == m_scrollText.size() - 1;
        if (last && lineHeight + m_scrollPos + y < 0) {
            if (m_loop) {
                m_scrollPos = height() + 1;
            } else {
                m_scrolling = false;
                applyTimer();
                QFont endFont = m_defaultFont.font;
                endFont.setPointSize(20);
                endFont.setBold(true);
                endFont.setItalic(false);
                endFont.setUnderline(false);
                const QFontMetrics efm(endFont, &m_frame);
                p.setFont(endFont);
                p.setPen(m_defaultFont.color);
                p.drawText((width() - efm.horizontalAdvance(m_completeText)) / 2,
                           (height() - efm.height()) / 2 + efm.ascent(), m_completeText);
            }
        }
    }

    p.setPen(m_shadowColor);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 1, width() - 1, height() - 2);
}
