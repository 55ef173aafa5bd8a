// Quorbix: the application and its main window.
#include "CommandLine.h"
#include "Quorbix.h"

#include "FirstPaint.h"
#include "Maker.h"
#include "Resources.h"
#include "SessionEnd.h"
#include "Sound.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Before the application object, so --help and --version need no display.
    if (const std::optional<int> status = quorbix::handleCommandLine(argc, argv)) return *status;

    QApplication app(argc, argv);
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
