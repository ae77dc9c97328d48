#pragma once

// A second, deliberately plain rendition of the filter rules, used to check
// the real filter against hostile input. Nothing here is shared with the
// product code except the plain data types.

#include "search/DeviceFilter.h"
#include "search/FindText.h"

#include <QString>
#include <QStringView>

#include <vector>

class DeviceCatalogue;
struct DeviceRecord;

namespace reference {

// One value per code unit: the unit itself (exact), or its case folding. The
// low half of a surrogate pair stands for the folded code point of the whole
// pair; the high half and lone surrogates stay as they are.
std::vector<char32_t> unitValues(QStringView text, CompareMode mode);

// The search rules written out as a naive loop over every start position.
qsizetype findText(QStringView searched, QStringView sought, CompareMode mode);

// Whether `result` is a sound answer for the search. Besides findText's own
// answer one more is allowed in the case-insensitive mode: an earlier window
// that starts on the low half of a pair and matches when read on its own
// (Qt reads such windows that way in its single-unit and hashed searches).
bool acceptableFind(QStringView searched, QStringView sought, CompareMode mode,
                    qsizetype result);

// What the filter must do with one record.
enum class Verdict { Accept, Reject, Either };

Verdict judgeRecord(const DeviceRecord &record, const SearchCriteria &criteria);

// Every record whose verdict is Accept, in slot order.
ResultRows selectDevices(const DeviceCatalogue &catalogue,
                         const SearchCriteria &criteria);

// Empty when `rows` is a sound answer of the filter for this catalogue and
// these criteria; otherwise says where it goes wrong.
QString checkSelection(const DeviceCatalogue &catalogue,
                       const SearchCriteria &criteria, const ResultRows &rows);

} // namespace reference
