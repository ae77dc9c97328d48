#include "catalogue/DeviceCatalogue.h"

#include "catalogue/CatalogueData.h"

#include <stdexcept>
#include <string>

DeviceCatalogue::DeviceCatalogue(qsizetype slotCount)
    : m_slots(slotCount > 0 ? std::size_t(slotCount) : 0)
{
}

void DeviceCatalogue::checkIndex(qsizetype index) const
{
    if (index < 0 || index >= size())
        throw std::out_of_range("catalogue slot " + std::to_string(index)
                                + " outside 0.." + std::to_string(size() - 1));
}

const DeviceRecord &DeviceCatalogue::at(qsizetype index) const
{
    checkIndex(index);
    return m_slots[std::size_t(index)];
}

DeviceRecord &DeviceCatalogue::slot(qsizetype index)
{
    checkIndex(index);
    return m_slots[std::size_t(index)];
}

namespace {

// The compiled-in texts last as long as the program, so a record refers to
// them instead of holding a copy; a change to a field copies it first.
QString constantText(CatalogueText text)
{
    const QStringView view = text.view();
    return QString::fromRawData(view.data(), view.size());
}

void fillSlots(DeviceCatalogue &catalogue, qsizetype first, qsizetype end)
{
    const auto rows = builtInCatalogueRows();
    for (qsizetype i = first; i < end; ++i) {
        const CatalogueRow &row = rows[std::size_t(i)];
        DeviceRecord &record = catalogue.slot(i);
        record.LinkID = QString::number(row.linkId);
        record.Vendor = constantText(row.vendor);
        record.Model = constantText(row.model);
        record.Type = constantText(row.type);
        record.VendorID = constantText(row.vendorId);
        record.ModelID = constantText(row.modelId);
    }
}

} // namespace

void LoadCatalogue(DeviceCatalogue &catalogue)
{
    if (catalogue.size() != DeviceCatalogue::BuiltInSlotCount
        || qsizetype(builtInCatalogueRows().size()) != DeviceCatalogue::BuiltInSlotCount)
        throw std::length_error("the built-in catalogue needs exactly 520 slots");

    fillSlots(catalogue, 0, 200);
    fillSlots(catalogue, 200, 400);
    fillSlots(catalogue, 400, 520);
}
