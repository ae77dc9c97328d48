#pragma once

// The list order written out plainly: each text becomes a sequence of keys,
// one per code point (hyphens dropped), and key sequences compare
// lexicographically.

#include <QStringView>

namespace reference {

// <0, 0 or >0, like compareListKeys.
int compareListKeys(QStringView a, QStringView b);

} // namespace reference
