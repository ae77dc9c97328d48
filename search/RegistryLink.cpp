#include "search/RegistryLink.h"

#include "catalogue/DeviceCatalogue.h"
#include "search/DeviceFilter.h"

using namespace Qt::StringLiterals;

#ifndef VELMORRA_REGISTRY_HOST
#error "VELMORRA_REGISTRY_HOST must name the registry web site's host"
#endif

QString RegistryUrlPrefix()
{
    return u"http://" VELMORRA_REGISTRY_HOST
           "/index.php?option=com_mtree&task=viewlink&link_id="_s;
}

QString RegistryUrlSuffix()
{
    return u"&ffbstatus=Registered&Itemid=324"_s;
}

QString RegistryUrl(const DeviceRecord &record)
{
    return RegistryUrlPrefix() + record.LinkID + RegistryUrlSuffix();
}

namespace {

bool sameShownTexts(const DeviceRecord &record, const ResultRow &row)
{
    return row.Vendor == record.Vendor && row.Model == record.Model
        && row.Type == record.Type && row.VendorID == record.VendorID
        && row.ModelID == record.ModelID;
}

} // namespace

LinkOutcome ResolveRegistryLink(const DeviceCatalogue &catalogue,
                                const std::optional<ResultRow> &selected)
{
    if (!selected)
        return LinkOutcome::set(QString());

    // No early exit: of identical rows, the highest slot decides.
    const DeviceRecord *match = nullptr;
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        const DeviceRecord &record = catalogue.at(i);
        if (sameShownTexts(record, *selected))
            match = &record;
    }
    return match ? LinkOutcome::set(RegistryUrl(*match)) : LinkOutcome::keep();
}
