// The floor for the game's start-up: a bare Qt main window with a menu bar and a status bar,
// built with the same compiler, flags and Qt as the game, and measured by startup.sh beside it.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare main window"));
    for (const char *title : {"Game", "View", "Settings", "Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    window.statusBar()->addWidget(new QLabel(QStringLiteral("Actual")));
    window.resize(277, 336);
    window.show();
    return app.exec();
}
