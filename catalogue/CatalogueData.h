#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <span>

// A text of the compiled-in catalogue: its place in one constant block
// that holds every text back to back. Places rather than pointers leave the
// table nothing for the loader to relocate at start-up.
struct CatalogueText
{
    quint16 offset;
    quint16 size;

    QStringView view() const;
    QString toString() const { return view().toString(); }
};

// One row of the compiled-in catalogue, constant data in the binary.
// The link id is a 16-bit number; the catalogue stores it as decimal text.
struct CatalogueRow
{
    qint16 linkId;
    CatalogueText vendor;
    CatalogueText model;
    CatalogueText type;
    CatalogueText vendorId;
    CatalogueText modelId;
};

// The 520 rows in slot order.
std::span<const CatalogueRow> builtInCatalogueRows();
