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

void fillSlots(DeviceCatalogue &catalogue, qsizetype first, qsizetype end)
{
    const auto rows = builtInCatalogueRows();
    for (qsizetype i = first; i < end; ++i) {
        const CatalogueRow &row = rows[std::size_t(i)];
        DeviceRecord &record = catalogue.slot(i);
        record.LinkID = QString::number(row.linkId);
        record.Vendor = row.vendor.toString();
        record.Model = row.model.toString();
        record.Type = row.type.toString();
        record.VendorID = row.vendorId.toString();
        record.ModelID = row.modelId.toString();
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
