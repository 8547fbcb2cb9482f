#include "main/fonts.h"
#include "main/frmAeg.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installFontSubstitutions();

    frmAeg window;
    // Closing the main window ends the program, also from inside another window's loop.
    QObject::connect(&window, &frmAeg::closed, &app, &QCoreApplication::quit);
    window.show();
    return app.exec();
}
