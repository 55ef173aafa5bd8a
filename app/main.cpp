// Quorbix: the application and its main window.
#include "CommandLine.h"
#include "Quorbix.h"

#include "FirstPaint.h"
#include "Language.h"
#include "Maker.h"
#include "Resources.h"
#include "SessionEnd.h"
#include "Sound.h"

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
        if (const std::optional<int> status = quorbix::handleCommandLine(argc, argv))
            return *status;
    }

    QApplication app(argc, argv);
    const platform::Translations translations;
    QApplication::setApplicationName(QStringLiteral("Quorbix"));
    // Wayland compositors match the window to the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(platform::maker::kAppId));
    resources::init();
    resources::registerFirstWindowFonts();
    TForm1 form;
    // A session that ends closes the game the way its close button does: settings written.
    platform::SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &platform::SessionEnd::requested, &form, &TForm1::EndSession);
    form.show();
    // The fonts of the other windows, once this one is painted.
    platform::afterFirstPaint(form, &resources::registerFonts);
    // Sounds on: the sound module loads once the window is painted, before the first sound.
    if (form.soundsOn()) platform::preloadSoundsAfterFirstPaint(form);
    return app.exec();
}
