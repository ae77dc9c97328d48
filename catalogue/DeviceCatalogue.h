#pragma once

#include "catalogue/DeviceRecord.h"

#include <QtGlobal>

#include <vector>

// The fixed table of device records. Its size is set when it is created and
// never changes: no insertion, no deletion, no lookup by key. Readers walk
// the slots by index; every access checks the index and throws
// std::out_of_range rather than hand out another slot's data.
class DeviceCatalogue
{
public:
    static constexpr qsizetype BuiltInSlotCount = 520;

    // The built-in catalogue has 520 slots; other sizes serve tests and
    // benchmarks. Every field of every slot starts as the empty text.
    explicit DeviceCatalogue(qsizetype slotCount = BuiltInSlotCount);

    qsizetype size() const { return qsizetype(m_slots.size()); }

    const DeviceRecord &at(qsizetype index) const;
    DeviceRecord &slot(qsizetype index);

private:
    void checkIndex(qsizetype index) const;

    std::vector<DeviceRecord> m_slots;
};

// Fills all 520 slots of a built-in-sized catalogue from the compiled-in
// data, in three steps (slots 0-199, 200-399, 400-519). Each field of each
// slot is assigned exactly once, so the result does not depend on what the
// table held before. Throws std::length_error for any other size.
void LoadCatalogue(DeviceCatalogue &catalogue);
