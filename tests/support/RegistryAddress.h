#pragma once

#include "catalogue/DeviceCatalogue.h"
#include "search/DeviceFilter.h"

#include <QString>

// The tests' own knowledge of registry addresses, written out rather than
// taken from the program. The host is the build's (VELMORRA_REGISTRY_HOST).
inline QString registryAddress(const QString &linkId)
{
    using namespace Qt::StringLiterals;
    return u"http://" VELMORRA_REGISTRY_HOST "/index.php?option=com_mtree&task=viewlink&link_id="_s
        + linkId + u"&ffbstatus=Registered&Itemid=324"_s;
}

// The link id of the last record that shows exactly these five texts, or
// the empty text when none does.
inline QString linkIdOf(const DeviceCatalogue &catalogue, const ResultRow &row)
{
    QString linkId;
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        const DeviceRecord &r = catalogue.at(i);
        if (r.Vendor == row.Vendor && r.Model == row.Model && r.Type == row.Type
            && r.VendorID == row.VendorID && r.ModelID == row.ModelID)
            linkId = r.LinkID;
    }
    return linkId;
}
