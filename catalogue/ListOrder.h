#pragma once

#include <QStringView>

// The order shared by the catalogue rows and the pick lists: case ignored,
// hyphens ignored, blanks and other punctuation before digits, digits before
// letters, and the empty text before everything.

// Compares two texts under that order alone: texts that differ only in case
// or hyphens compare equal. Returns <0, 0 or >0.
int compareListKeys(QStringView a, QStringView b);

// A total order: the list order, with ties broken by plain code-unit
// comparison so that sorting never depends on input order.
int compareListOrder(QStringView a, QStringView b);
bool listOrderLess(QStringView a, QStringView b);
