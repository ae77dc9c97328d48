#pragma once

#include <QStringView>
#include <QtGlobal>

#include <span>

// One row of the compiled-in catalogue, constant data in the binary.
// The link id is a 16-bit number; the catalogue stores it as decimal text.
struct CatalogueRow
{
    qint16 linkId;
    QStringView vendor;
    QStringView model;
    QStringView type;
    QStringView vendorId;
    QStringView modelId;
};

// The 520 rows in slot order.
std::span<const CatalogueRow> builtInCatalogueRows();
