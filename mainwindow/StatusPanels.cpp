#include "StatusPanels.h"

#include "StatusAccessible.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {
constexpr int BarHeight = 19;
constexpr int TextIndent = 3;
}  // namespace

TStatusBar::TStatusBar(QWidget *parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    setFixedHeight(BarHeight);
}

void TStatusBar::setPanels(const std::vector<int> &widths)
{
    panels_.clear();
    for (int w : widths) panels_.push_back({w, QString(), QString()});
    update();
}

int TStatusBar::panelWidth(int index) const
{
    return index >= 0 && index < panelCount() ? panels_[static_cast<std::size_t>(index)].width : 0;
}

QRect TStatusBar::panelRect(int index) const
{
    int x = 0;
    for (int i = 0; i < index && i < panelCount(); ++i) x += panelWidth(i);
    // Panels sit 2 pixels below the bar's top edge and are separated by a 2-pixel gap.
    return QRect(x, 2, panelWidth(index) - 2, height() - 2);
}

QString TStatusBar::panelText(int index) const
{
    return index >= 0 && index < panelCount() ? panels_[static_cast<std::size_t>(index)].text
                                              : QString();
}

void TStatusBar::setPanelText(int index, const QString &text)
{
    if (index < 0 || index >= panelCount()) return;
    Panel &panel = panels_[static_cast<std::size_t>(index)];
    if (panel.text == text) return;
    panel.text = text;
    update(panelRect(index));
    quorbix::announcePanelChange(this, index);
}

QString TStatusBar::panelDescription(int index) const
{
    return index >= 0 && index < panelCount() ? panels_[static_cast<std::size_t>(index)].description
                                              : QString();
}

void TStatusBar::setPanelDescription(int index, const QString &description)
{
    if (index >= 0 && index < panelCount())
        panels_[static_cast<std::size_t>(index)].description = description;
}

QRect TStatusBar::panelTextRect(int index) const
{
    return panelRect(index).adjusted(TextIndent, 1, -1, -1);
}

QSize TStatusBar::sizeHint() const
{
    int width = 0;
    for (const Panel &p : panels_) width += p.width;
    return {width, BarHeight};
}

QSize TStatusBar::minimumSizeHint() const { return {0, BarHeight}; }

void TStatusBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    const QFontMetrics metrics(font());
    for (int i = 0; i < panelCount(); ++i) {
        const QRect r = panelRect(i);
        qDrawShadePanel(&painter, r, palette(), true, 1);
        const QRect textRect = panelTextRect(i);
        painter.save();
        painter.setClipRect(textRect);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                         panels_[static_cast<std::size_t>(i)].text);
        painter.restore();
    }
}
