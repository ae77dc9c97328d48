// The program: one window, filled before it is shown, until it is closed.
#include "ui/Form1.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    // The program reads no command line, and neither does Qt: it sees only
    // the program's name, so -reverse, -style or -geometry change nothing.
    // The platform's environment (DISPLAY, QT_QPA_PLATFORM, scale factors)
    // still applies.
    char fallbackName[] = "velmorra";
    char *qtArgv[] = {argc > 0 && argv[0] ? argv[0] : fallbackName, nullptr};
    int qtArgc = 1;
    QApplication app(qtArgc, qtArgv);
    // Lets a Wayland compositor match the window to the desktop entry.
    QGuiApplication::setDesktopFileName(u"io.github.quindrel.Velmorra"_s);
    Form1 form;
    form.Form_Load();
    form.show();
    return app.exec();
}
