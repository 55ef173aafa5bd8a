// Quorbix: the application and its main window.
#include "Quorbix.h"

#include "Resources.h"
#include "SessionEnd.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorbix"));
    resources::init();
    resources::registerFonts();
    TForm1 form;
    // A session that ends closes the game the way its close button does: settings written.
    platform::SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &platform::SessionEnd::requested, &form, &TForm1::EndSession);
    form.show();
    return app.exec();
}
