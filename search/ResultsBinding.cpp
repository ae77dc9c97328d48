#include "search/ResultsBinding.h"

#include "search/DeviceFilter.h"
#include "search/RegistryLink.h"
#include "ui/LinkLabel.h"
#include "ui/ResultsListView.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QUrl>

SearchCriteria ReadCriteria(const FilterControls &controls)
{
    return {controls.vendor.currentText(), controls.type.currentText(),
            controls.model.text(), controls.vendorId.text(), controls.modelId.text()};
}

void RefreshResults(const DeviceCatalogue &catalogue, const FilterControls &controls,
                    ResultsListView &list)
{
    // The selected rows become the list's items as they are, in one step:
    // the same items as emptying the list and adding each row in turn.
    list.replaceItems(SelectDevices(catalogue, ReadCriteria(controls)));
}

void UpdateRegistryLink(const DeviceCatalogue &catalogue, const ResultsListView &list,
                        LinkLabel &label)
{
    const LinkOutcome outcome = ResolveRegistryLink(catalogue, list.selectedItem());
    if (outcome.kind == LinkOutcome::Kind::Set)
        label.setLinkText(outcome.text);
}

void OpenLabelAddress(const QLabel &label)
{
    const QString address = label.text();
    if (address.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl(address));
}
