#include "search/ResultsBinding.h"

#include "search/DeviceFilter.h"
#include "search/RegistryLink.h"
#include "ui/LinkLabel.h"
#include "ui/ResultsListView.h"
#include "ui/ResultsModel.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QUrl>

ResultsBinding::ResultsBinding(const DeviceCatalogue &catalogue, Controls controls)
    : m_catalogue(catalogue)
    , m_controls(controls)
{
}

void ResultsBinding::refreshResults() const
{
    // A drop-down with no entry chosen reads as the empty text.
    const SearchCriteria criteria{m_controls.vendor.currentText(), m_controls.type.currentText(),
                                  m_controls.model.text(), m_controls.vendorId.text(),
                                  m_controls.modelId.text()};
    m_controls.list.rows().replaceRows(SelectDevices(m_catalogue, criteria));
}

void ResultsBinding::updateRegistryLink() const
{
    const LinkOutcome outcome = ResolveRegistryLink(m_catalogue, m_controls.list.selectedItem());
    if (outcome.kind == LinkOutcome::Kind::Set)
        m_controls.label.setLinkText(outcome.text);
}

void ResultsBinding::openLinkAddress() const
{
    const QString address = m_controls.label.text();
    if (!address.isEmpty())
        QDesktopServices::openUrl(QUrl(address));
}
