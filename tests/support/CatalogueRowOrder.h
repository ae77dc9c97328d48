#pragma once

#include "catalogue/DeviceRecord.h"
#include "catalogue/ListOrder.h"

// The order the catalogue's rows are stored in: Model, then Vendor (both by
// list keys), then the link id as a number, then the raw texts as a final
// tie-break.
inline bool catalogueRowLess(const DeviceRecord &a, const DeviceRecord &b)
{
    if (const int c = compareListKeys(a.Model, b.Model))
        return c < 0;
    if (const int c = compareListKeys(a.Vendor, b.Vendor))
        return c < 0;
    const qlonglong linkA = a.LinkID.toLongLong();
    const qlonglong linkB = b.LinkID.toLongLong();
    if (linkA != linkB)
        return linkA < linkB;
    if (const int c = a.Model.compare(b.Model, Qt::CaseSensitive))
        return c < 0;
    return a.Vendor.compare(b.Vendor, Qt::CaseSensitive) < 0;
}
