#include "search/DeviceFilter.h"

#include "catalogue/DeviceCatalogue.h"
#include "search/FindText.h"

namespace {

// The vendor choice must match the start of the name: FindText must return
// exactly 1. Only the name's first characters can hold such a match, so the
// search looks at no more of the name than the choice is long.
bool vendorMatches(const QString &vendor, const QString &choice)
{
    if (choice.isEmpty())
        return FindText(vendor, choice, CompareMode::Exact) == 1;
    const QStringView head = QStringView(vendor).first(qMin(vendor.size(), choice.size()));
    return FindText(head, choice, CompareMode::Exact) == 1;
}

// An empty ID text admits an empty ID through the equality, since the
// search never finds anything in an empty field.
bool idMatches(const QString &id, const QString &text)
{
    const bool found = FindText(id, text, CompareMode::CaseInsensitive) > 0;
    const bool equal = id == text;
    return found || equal;
}

bool acceptsRecord(const DeviceRecord &record, const SearchCriteria &criteria)
{
    return vendorMatches(record.Vendor, criteria.VendorChoice)
        && FindText(record.Type, criteria.TypeChoice, CompareMode::Exact) > 0
        && FindText(record.Model, criteria.ModelText, CompareMode::CaseInsensitive) > 0
        && idMatches(record.VendorID, criteria.VendorIDText)
        && idMatches(record.ModelID, criteria.ModelIDText);
}

} // namespace

ResultRows SelectDevices(const DeviceCatalogue &catalogue,
                         const SearchCriteria &criteria)
{
    ResultRows rows;
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        const DeviceRecord &record = catalogue.at(i);
        if (acceptsRecord(record, criteria))
            rows.append({record.Vendor, record.Model, record.Type, record.VendorID,
                         record.ModelID});
    }
    return rows;
}
