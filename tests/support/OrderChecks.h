#pragma once

// Properties every sound list order has, checked on given texts. Each check
// returns the empty text when it holds, or a description of the violation.

#include <QList>
#include <QString>
#include <QStringView>

#include <vector>

struct DeviceRecord;

namespace orderchecks {

// Antisymmetry, equality only for identical texts (the full order) or for
// equal keys (the key order), agreement with the plain key rendition, and
// listOrderLess agreeing with compareListOrder.
QString checkPair(QStringView a, QStringView b);

// Transitivity of both orders over every arrangement of the three texts.
QString checkTriple(QStringView a, QStringView b, QStringView c);

// Sorting with listOrderLess gives a sorted list whatever the input order.
QString checkSorting(const QList<QString> &texts);

// catalogueRowLess is a strict weak order on the records, and sorting with
// it gives the same sequence from any input order.
QString checkRowOrder(const std::vector<DeviceRecord> &records);

} // namespace orderchecks
