#pragma once
// A main window in a temporary "executable folder", with recorded sounds, a way to lay out the
// field, and a watcher that closes every modal window the window opens.

#include "DrawGrid.h"
#include "Quorbix.h"
#include "StatusPanels.h"

#include "BoardText.h"
#include "RecordingSoundService.h"
#include "TempExeDir.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Closes each modal window as soon as it is the active one and notes what it was.
class ModalWatcher : public QObject {
public:
    struct Seen {
        QString className;
        QString title;
        QString text;  // a message box's text
    };

    ModalWatcher()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { check(); });
        timer_.start(5);
    }

    std::vector<Seen> seen;
    // Called with each modal window before it is closed.
    std::function<void(QWidget *)> inspect;

    QStringList classNames() const
    {
        QStringList names;
        for (const Seen &s : seen) names << s.className;
        return names;
    }

private:
    void check()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        Seen s{QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle(), {}};
        if (auto *box = qobject_cast<QMessageBox *>(modal)) s.text = box->text();
        seen.push_back(s);
        if (inspect) inspect(modal);
        if (!modal->isVisible()) return;  // inspect closed it its own way
        // The high score window would otherwise shrink for a second before it closes.
        if (modal->property("ClosingDuration").isValid()) modal->setProperty("ClosingDuration", 0);
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    }

    QTimer timer_;
};

using boardtext::setField;

inline void writeTextFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

inline QByteArray readTextFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class MainFormTest : public ::testing::Test {
protected:
    // Creates and shows the window; settings written before this call are read at the show.
    TForm1 &open()
    {
        form = std::make_unique<TForm1>();
        form->show();
        return *form;
    }

    void TearDown() override { form.reset(); }

    QAction *item(const char *name) const
    {
        return form->findChild<QAction *>(QLatin1String(name));
    }
    TDrawGrid *grid() const { return form->grid(); }
    QString panel(int index) const { return form->statusBar1()->panelText(index); }

    // The centre of a cell in the grid's widget coordinates (the border is 2 pixels wide).
    QPoint cellCentre(int column, int row) const
    {
        return grid()->cellRect(column, row).center() + QPoint(2, 2);
    }

    const engine::Cell &cell(int column, int row) const
    {
        return form->game().board().at(column, row);
    }

    TempExeDir exeDir;
    RecordingSoundService sounds;
    std::unique_ptr<TForm1> form;
};
