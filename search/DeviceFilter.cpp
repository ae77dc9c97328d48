#include "search/DeviceFilter.h"

#include "catalogue/DeviceCatalogue.h"
#include "search/FindText.h"

namespace {

// An empty ID text admits an empty ID through the equality, since the
// search never finds anything in an empty field.
bool idMatches(const QString &id, const QString &text)
{
    const bool found = FindText(id, text, CompareMode::CaseInsensitive) > 0;
    const bool equal = id == text;
    return found || equal;
}

} // namespace

bool AcceptsRecord(const DeviceRecord &record, const SearchCriteria &criteria)
{
    // Vendor choice must match the start of the name, not merely occur in it.
    return FindText(record.Vendor, criteria.VendorChoice, CompareMode::Exact) == 1
        && FindText(record.Type, criteria.TypeChoice, CompareMode::Exact) > 0
        && FindText(record.Model, criteria.ModelText, CompareMode::CaseInsensitive) > 0
        && idMatches(record.VendorID, criteria.VendorIDText)
        && idMatches(record.ModelID, criteria.ModelIDText);
}

ResultRow MakeResultRow(const DeviceRecord &record)
{
    return {record.Vendor, record.Model, record.Type, record.VendorID, record.ModelID};
}

ResultRows SelectDevices(const DeviceCatalogue &catalogue,
                         const SearchCriteria &criteria)
{
    ResultRows rows;
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        const DeviceRecord &record = catalogue.at(i);
        if (AcceptsRecord(record, criteria))
            rows.append(MakeResultRow(record));
    }
    return rows;
}
