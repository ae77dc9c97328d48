#include "search/FindText.h"

#include <QChar>

#include <cstdint>

namespace {

// What a unit is compared by when case is ignored: its case folding. The low
// half of a surrogate pair stands for the folded code point of the whole
// pair, so that letters outside the BMP fold as well; other units fold alone.
inline char32_t foldedUnit(QStringView text, qsizetype i)
{
    char32_t c = text[i].unicode();
    if (c < 0x80)
        return c - u'A' < 26u ? c + (u'a' - u'A') : c;
    if (QChar::isLowSurrogate(c) && i > 0 && text[i - 1].isHighSurrogate())
        c = QChar::surrogateToUcs4(text[i - 1].unicode(), c);
    return QChar::toCaseFolded(c);
}

bool sameFoldedAt(QStringView searched, qsizetype pos, QStringView sought)
{
    for (qsizetype k = 0; k < sought.size(); ++k) {
        if (foldedUnit(searched, pos + k) != foldedUnit(sought, k))
            return false;
    }
    return true;
}

// Rolling hash of the folded units (Rabin-Karp): one pass over the searched
// text whatever the sought text holds, checked unit by unit where the hashes
// agree. Written out here rather than left to the library, whose
// case-insensitive search takes other paths for long texts, not all of them
// right about surrogate pairs. Kept out of line, so that the calls that
// return before any search (an empty text, most of a refresh) stay cheap.
Q_NEVER_INLINE qsizetype findFolded(QStringView searched, QStringView sought)
{
    const qsizetype n = searched.size();
    const qsizetype m = sought.size();
    if (m > n)
        return -1;
    constexpr std::uint64_t base = 0x100000001b3;
    std::uint64_t want = 0;
    std::uint64_t have = 0;
    std::uint64_t lead = 1; // base to the power m - 1: weight of the unit leaving the window
    for (qsizetype k = 0; k < m; ++k) {
        want = want * base + foldedUnit(sought, k);
        have = have * base + foldedUnit(searched, k);
        if (k > 0)
            lead *= base;
    }
    for (qsizetype pos = 0;; ++pos) {
        if (have == want && sameFoldedAt(searched, pos, sought))
            return pos;
        if (pos + m == n)
            return -1;
        have = (have - foldedUnit(searched, pos) * lead) * base
             + foldedUnit(searched, pos + m);
    }
}

} // namespace

qsizetype FindText(QStringView searched, QStringView sought, CompareMode mode)
{
    if (searched.isEmpty())
        return 0;
    if (sought.isEmpty())
        return 1;
    if (mode == CompareMode::Exact)
        return searched.indexOf(sought, 0, Qt::CaseSensitive) + 1;
    return findFolded(searched, sought) + 1;
}
