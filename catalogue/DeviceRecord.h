#pragma once

#include <QString>

// One catalogue entry. Every field is kept exactly as the data states it:
// IDs are texts, so "01" and "0001" differ and a trailing blank counts.
struct DeviceRecord
{
    QString LinkID;   // decimal digits, used only for the registry address
    QString Vendor;
    QString Model;
    QString Type;     // one or more type names joined by ","
    QString VendorID; // may be empty
    QString ModelID;  // may be empty

    friend bool operator==(const DeviceRecord &, const DeviceRecord &) = default;
};
