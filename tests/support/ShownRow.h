#pragma once

#include "catalogue/DeviceRecord.h"
#include "search/DeviceFilter.h"

// The row a listed record shows: its five shown texts, unchanged.
inline ResultRow shownRow(const DeviceRecord &r)
{
    return {r.Vendor, r.Model, r.Type, r.VendorID, r.ModelID};
}
