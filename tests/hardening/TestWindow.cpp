#include "TestWindow.h"

#include "tests/widgets/FormDriver.h"
#include "HostileTexts.h"

#include "catalogue/CatalogueData.h"
#include "catalogue/DeviceCatalogue.h"
#include "ui/Form1.h"

namespace testwindow {

bool builtInComplete()
{
    return qsizetype(builtInCatalogueRows().size()) == DeviceCatalogue::BuiltInSlotCount;
}

std::unique_ptr<Form1> open()
{
    std::unique_ptr<Form1> form;
    if (builtInComplete()) {
        form = std::make_unique<Form1>();
    } else {
        std::shared_ptr<DeviceCatalogue> source = hostile::hostileCatalogue();
        form = std::make_unique<Form1>(source->size(), [source](DeviceCatalogue &c) {
            for (qsizetype i = 0; i < c.size(); ++i)
                c.slot(i) = source->at(i);
        });
    }
    form->Form_Load();
    if (!FormDriver::showAndActivate(*form))
        return nullptr;
    return form;
}

} // namespace testwindow
