// Quorbix: the application and its main window.
#include "Quorbix.h"

#include "Resources.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorbix"));
    resources::init();
    resources::registerFonts();
    TForm1 form;
    form.show();
    return app.exec();
}
