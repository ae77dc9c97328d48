#pragma once

#include "catalogue/DeviceCatalogue.h"

#include <initializer_list>

// A catalogue of exactly the given records, in the given slot order.
inline DeviceCatalogue makeCatalogue(std::initializer_list<DeviceRecord> records)
{
    DeviceCatalogue catalogue(qsizetype(records.size()));
    qsizetype i = 0;
    for (const DeviceRecord &record : records)
        catalogue.slot(i++) = record;
    return catalogue;
}
