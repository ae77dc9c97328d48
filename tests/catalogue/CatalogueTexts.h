#pragma once

#include "catalogue/DeviceRecord.h"

#include <QString>
#include <QStringList>

#include <algorithm>

// Small text helpers shared by the catalogue tests.
namespace CatalogueTexts {

inline QStringList typeNames(const DeviceRecord &record)
{
    return record.Type.split(u',');
}

// "a", "b" — quoted so that trailing blanks stay visible in a failure message.
inline QString quotedList(QStringList items)
{
    std::sort(items.begin(), items.end());
    for (QString &item : items)
        item = u'"' + item + u'"';
    return items.join(u", ");
}

inline bool isUpperHex(QStringView text, qsizetype digits)
{
    if (text.size() != digits)
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
    });
}

} // namespace CatalogueTexts
