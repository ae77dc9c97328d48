#pragma once

#include <QStringView>

enum class CompareMode {
    Exact,           // code unit by code unit; case and blanks count
    CaseInsensitive, // letters that differ only in case compare equal
};

// 1-based position of the first occurrence of `sought` in `searched`, or 0.
// An empty searched text yields 0 (even for an empty sought text); otherwise
// an empty sought text yields 1.
qsizetype FindText(QStringView searched, QStringView sought, CompareMode mode);
