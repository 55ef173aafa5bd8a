#include "TextChecks.h"

#include "PseudoTranslator.h"

#include "MovieScroll.h"
#include "StatusPanels.h"

#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Where a text is, for a failure: the window's class, the widget's name and class.
std::string placeOf(const QWidget *window, const QObject *object)
{
    return std::string(window->metaObject()->className()) + " / " +
           object->objectName().toStdString() + " (" + object->metaObject()->className() + ")";
}

// A text as the player reads it: no accelerator marks.
QString shown(QString text)
{
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

QList<QWidget *> widgetsOf(QWidget *window)
{
    QList<QWidget *> widgets{window};
    widgets += window->findChildren<QWidget *>();
    return widgets;
}

bool showsPicture(const QLabel *label) { return !label->pixmap().isNull() || label->movie(); }

}  // namespace

void expectEveryTextTranslated(QWidget *window, const QStringList &names)
{
    const auto expectPseudo = [&](const QObject *where, const QString &text) {
        if (text.isEmpty()) return;
        EXPECT_TRUE(isPseudoText(text, names))
            << "not translated in " << placeOf(window, where) << ": \"" << text.toStdString()
            << "\" (a text outside tr(), or one `make translations` has not brought into the .ts)";
    };
    expectPseudo(window, window->windowTitle());
    for (QWidget *w : widgetsOf(window)) {
        expectPseudo(w, w->toolTip());
        expectPseudo(w, w->statusTip());
        if (auto *label = qobject_cast<QLabel *>(w); label && !showsPicture(label))
            expectPseudo(w, label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(w)) expectPseudo(w, button->text());
        if (auto *edit = qobject_cast<QLineEdit *>(w)) expectPseudo(w, edit->placeholderText());
        for (QAction *action : w->actions()) {
            expectPseudo(action, action->text());
            expectPseudo(action, action->toolTip());
            expectPseudo(action, action->statusTip());
        }
        if (auto *table = qobject_cast<QTableWidget *>(w)) {
            for (int c = 0; c < table->columnCount(); ++c)
                if (QTableWidgetItem *header = table->horizontalHeaderItem(c))
                    expectPseudo(w, header->text());
        }
        if (auto *bar = qobject_cast<TStatusBar *>(w)) {
            for (int i = 0; i < bar->panelCount(); ++i) expectPseudo(w, bar->panelText(i));
        }
        if (auto *movie = qobject_cast<TMovieScroll *>(w)) {
            for (const QString &line : movie->ScrollText()) expectPseudo(w, line);
        }
        // The help window shows the help file, translated on its own; the About box's page of
        // our programs is the window's.
        if (auto *browser = qobject_cast<QTextBrowser *>(w);
            browser && window->objectName() != "HelpViewer") {
            for (const QString &line : browser->toPlainText().split(u'\n')) expectPseudo(w, line);
        }
    }
}

void expectEveryTextFits(QWidget *window)
{
    const QRect windowRect = window->rect();
    // The credits scroll over the About box's own text, which then never shows.
    QList<QRect> credits;
    for (TMovieScroll *movie : window->findChildren<TMovieScroll *>())
        if (movie->isVisible()) credits << QRect(movie->mapTo(window, QPoint(0, 0)), movie->size());
    const auto covered = [&](const QWidget *w) {
        const QRect r(w->parentWidget()->mapTo(window, QPoint(0, 0)), w->parentWidget()->size());
        return std::any_of(credits.begin(), credits.end(),
                           [&](const QRect &c) { return c.contains(r); });
    };
    for (QWidget *w : widgetsOf(window)) {
        if (!w->isVisible() || (w != window && covered(w))) continue;
        const QFontMetrics metrics(w->font());
        if (auto *label = qobject_cast<QLabel *>(w);
            label && !showsPicture(label) && !label->text().isEmpty()) {
            const QRect room = label->contentsRect().marginsRemoved(
                QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
            QSize need;
            if (label->wordWrap()) {
                need = QSize(room.width(), label->heightForWidth(label->width()) -
                                               (label->height() - room.height()));
            } else {
                need = label->sizeHint() - (label->size() - room.size());
                need.setHeight(std::min(need.height(),
                                        metrics.height() * int(label->text().count(u'\n') + 1)));
            }
            EXPECT_TRUE(need.width() <= room.width() && need.height() <= room.height())
                << "cut in " << placeOf(window, w) << ": \"" << label->text().toStdString()
                << "\" needs " << need.width() << "x" << need.height() << ", has " << room.width()
                << "x" << room.height();
            // Nor may the window's edge cut it.
            const QRect text = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                                   need.boundedTo(room.size()), room);
            const QRect inWindow(w->mapTo(window, text.topLeft()), text.size());
            EXPECT_TRUE(windowRect.contains(inWindow))
                << "cut by the window's edge in " << placeOf(window, w) << ": \""
                << label->text().toStdString() << "\" at " << inWindow.x() << "," << inWindow.y()
                << " " << inWindow.width() << "x" << inWindow.height() << " in a window of "
                << windowRect.width() << "x" << windowRect.height();
        }
        if (auto *button = qobject_cast<QAbstractButton *>(w);
            button && !button->text().isEmpty()) {
            const auto *tool = qobject_cast<QToolButton *>(w);
            if (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly) continue;
            int need = metrics.horizontalAdvance(shown(button->text()));
            if (!button->icon().isNull()) need += button->iconSize().width() + 4;
            const int margin = qobject_cast<QPushButton *>(w)
                                   ? w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w)
                                   : 2 * w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                 nullptr, w);
            EXPECT_LE(need + margin, button->width()) << "cut in " << placeOf(window, w) << ": \""
                                                      << button->text().toStdString() << "\"";
        }
        if (auto *table = qobject_cast<QTableWidget *>(w)) {
            const QHeaderView *header = table->horizontalHeader();
            const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr,
                                                                header);
            for (int c = 0; c < table->columnCount(); ++c) {
                const QTableWidgetItem *item = table->horizontalHeaderItem(c);
                if (!item || header->isSectionHidden(c)) continue;
                EXPECT_LE(QFontMetrics(header->font()).horizontalAdvance(item->text()) + margin,
                          header->sectionSize(c))
                    << "cut in " << placeOf(window, w) << ": \"" << item->text().toStdString()
                    << "\"";
            }
        }
        if (auto *bar = qobject_cast<TStatusBar *>(w)) {
            for (int i = 0; i < bar->panelCount(); ++i) {
                const QRect room = bar->panelTextRect(i).intersected(bar->rect());
                EXPECT_LE(metrics.horizontalAdvance(bar->panelText(i)), room.width())
                    << "cut in the status bar's panel " << i << ": \""
                    << bar->panelText(i).toStdString() << "\"";
            }
        }
        if (auto *menuBar = qobject_cast<QMenuBar *>(w)) {
            int top = -1;
            for (QAction *action : menuBar->actions()) {
                if (!action->isVisible()) continue;
                const QRect r = menuBar->actionGeometry(action);
                if (top < 0) top = r.top();
                EXPECT_EQ(r.top(), top) << "the menu bar takes a second row at \""
                                        << action->text().toStdString() << "\"";
                EXPECT_LE(r.right(), menuBar->width())
                    << "\"" << action->text().toStdString() << "\" leaves the menu bar";
            }
        }
    }
    // The menus, each as it opens: every item inside the menu, the menu on the screen.
    const int screenWidth = window->screen()->availableGeometry().width();
    for (QMenu *menu : window->findChildren<QMenu *>()) {
        EXPECT_LE(menu->sizeHint().width(), screenWidth)
            << "menu wider than the screen: " << menu->title().toStdString();
        const QFontMetrics metrics(menu->font());
        for (QAction *action : menu->actions()) {
            if (action->isSeparator() || !action->isVisible()) continue;
            int need = metrics.horizontalAdvance(shown(action->text()));
            if (!action->shortcut().isEmpty())
                need += metrics.horizontalAdvance(
                    action->shortcut().toString(QKeySequence::NativeText));
            EXPECT_LE(need, menu->actionGeometry(action).width())
                << "cut in the menu " << menu->title().toStdString() << ": \""
                << action->text().toStdString() << "\"";
        }
    }
    // The credits: each line across the scroll.
    for (TMovieScroll *movie : window->findChildren<TMovieScroll *>()) {
        if (!movie->isVisible()) continue;
        const QFontMetrics metrics(movie->DefaultFont().font);
        for (const QString &line : movie->ScrollText())
            EXPECT_LE(metrics.horizontalAdvance(line), movie->width())
                << "credits line cut: \"" << line.toStdString() << "\"";
    }
}
