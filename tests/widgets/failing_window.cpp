// A window whose start-up fails: its catalogue cannot be filled. Run by
// tst_form_failure, which expects the program to end at once with the
// failure reported.
#include "catalogue/DeviceCatalogue.h"
#include "ui/Form1.h"

#include <QApplication>

#include <stdexcept>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Form1 form(DeviceCatalogue::BuiltInSlotCount, [](DeviceCatalogue &) {
        throw std::out_of_range("catalogue slot 520 does not exist");
    });
    form.Form_Load();
    form.show();
    return 0; // never reached: the failure ends the program
}
