#include "WindowTour.h"

#include "MainFormFixture.h"

#include "Shell.h"

#include <QDir>
#include <QTest>
#include <QToolButton>

namespace {

QAction *item(const QWidget &form, const char *name)
{
    QAction *action = form.findChild<QAction *>(QLatin1String(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

void copyHelpFiles(const QString &from, const QString &to)
{
    for (const QString &name : QDir(from).entryList({QStringLiteral("quorbix*.hlp")}, QDir::Files))
        QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name));
}

QWidget *helpViewer()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String("HelpViewer")) return w;
    return nullptr;
}

}  // namespace

void tourEveryWindow(const QString &exeDir, const QString &helpFiles, const WindowCheck &check)
{
    copyHelpFiles(helpFiles, exeDir);
    TForm1 form;
    form.show();
    QCoreApplication::processEvents();
    check(&form);

    ModalWatcher watcher;
    watcher.inspect = [&](QWidget *window) {
        check(window);
        if (window->objectName() == QLatin1String("TAboutBox")) {
            // Its system information box, then its second page.
            if (auto *info = window->findChild<QToolButton *>(QStringLiteral("SpeedButton2"))) {
                // The watcher is busy with the About box: this one is answered here.
                QTimer::singleShot(0, [&check] {
                    if (auto *box = qobject_cast<QMessageBox *>(
                            QApplication::activeModalWidget())) {
                        check(box);
                        box->done(QMessageBox::Ok);
                    }
                });
                info->click();
            }
            if (QAction *programs = window->findChild<QAction *>(QStringLiteral("ToolButton13"))) {
                programs->trigger();
                check(window);
            }
        }
        if (auto *prompt = qobject_cast<QInputDialog *>(window)) {
            prompt->setTextValue(QStringLiteral("Player"));
            prompt->accept();
        }
    };
    item(form, "SelectSymbols1")->trigger();  // the standard size has none: a message says so
    item(form, "SmallImages1")->trigger();
    item(form, "SelectSymbols1")->trigger();
    item(form, "Showimagedispersion1")->trigger();
    item(form, "dfdf1")->trigger();
    item(form, "About1")->trigger();

    item(form, "Help2")->trigger();
    QWidget *viewer = helpViewer();
    EXPECT_NE(viewer, nullptr) << "no help window";
    if (viewer) {
        check(viewer);
        viewer->close();
    }
    QCoreApplication::processEvents();
    for (const QString &name :
         QDir(exeDir).entryList({QStringLiteral("quorbix*.hlp")}, QDir::Files))
        QFile::remove(QDir(exeDir).filePath(name));
    item(form, "Help2")->trigger();  // no help file: a message says so

    // A pair and a lone symbol: removing the pair ends the game, with a place in the list.
    std::vector<std::string> rows(12, "...........");
    rows[11] = "00.......1.";
    setField(form.game(), rows);
    TDrawGrid *grid = form.grid();
    const QPoint pair = grid->cellRect(0, 11).center() + QPoint(2, 2);
    QTest::mouseClick(grid, Qt::LeftButton, {}, pair);
    QTest::mouseDClick(grid, Qt::LeftButton, {}, pair);

    const QStringList expected = {"QMessageBox",    "TForm2",       "Tdispers_form",
                                  "THighScoreForm", "TAboutBox",    "QMessageBox",
                                  "TResultForm",    "QInputDialog", "THighScoreForm"};
    for (const QString &name : expected)
        EXPECT_TRUE(watcher.classNames().contains(name)) << "never opened: " << name.toStdString();
}
