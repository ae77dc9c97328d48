#pragma once

#include <QList>
#include <QString>

class DeviceCatalogue;

// The five filter texts, as the filter controls hold them at a refresh.
struct SearchCriteria
{
    QString VendorChoice; // the vendor name must begin with it (exact)
    QString TypeChoice;   // the type text must contain it (exact)
    QString ModelText;    // the model must contain it (case ignored)
    QString VendorIDText; // contained (case ignored) or equal (exact)
    QString ModelIDText;  // contained (case ignored) or equal (exact)
};

// One listed device: the five shown texts of its record, unchanged.
struct ResultRow
{
    QString Vendor;
    QString Model;
    QString Type;
    QString VendorID;
    QString ModelID;

    friend bool operator==(const ResultRow &, const ResultRow &) = default;
};

// Five implicitly shared strings: moved in memory as plain bytes.
Q_DECLARE_TYPEINFO(ResultRow, Q_RELOCATABLE_TYPE);

using ResultRows = QList<ResultRow>;

// Every record that passes the five tests, as a row of its five shown
// texts, in slot order. The tests run in order and stop at the first that
// fails.
ResultRows SelectDevices(const DeviceCatalogue &catalogue,
                         const SearchCriteria &criteria);
