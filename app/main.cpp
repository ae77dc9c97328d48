// The program: one window, filled before it is shown, until it is closed.
#include "ui/Form1.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lets a Wayland compositor match the window to the desktop entry.
    QGuiApplication::setDesktopFileName(u"io.github.quindrel.Velmorra"_s);
    Form1 form;
    form.Form_Load();
    form.show();
    return app.exec();
}
