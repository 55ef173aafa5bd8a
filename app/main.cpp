// Quorbix: the application and its main window.
#include "CommandLine.h"
#include "Quorbix.h"

#include "Language.h"
#include "Maker.h"
#include "Resources.h"
#include "SessionEnd.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Before the application object, so --help and --version need no display; in the player's
    // language, which wants a core application while the command line is read. Named as the
    // usage text names a program it does not know, that text still says "quorbix" whatever
    // path started the game.
    if (argc > 1) {
        int count = 1;
        char name[] = "<executable_name>";
        char *names[] = {name, nullptr};
        QCoreApplication commandLine(count, names);
        const platform::Translations translations;
        if (const std::optional<int> status = quorbix::handleCommandLine(argc, argv)) return *status;
    }

    QApplication app(argc, argv);
    const platform::Translations translations;
    QApplication::setApplicationName(QStringLiteral("Quorbix"));
    // Wayland compositors match the window to the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(platform::maker::kAppId));
    resources::init();
    resources::registerFonts();
    TForm1 form;
    // A session that ends closes the game the way its close button does: settings written.
    platform::SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &platform::SessionEnd::requested, &form, &TForm1::EndSession);
    form.show();
    return app.exec();
}
