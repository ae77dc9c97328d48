#include "catalogue/ListOrder.h"


#include <QChar>

namespace {

// One ordering key per code point: its class first, then its value.
struct SortKey
{
    int rank;     // 0 blank or punctuation, 1 digit, 2 letter
    char32_t value;
};

bool isIgnored(char32_t c)
{
    return c == u'-';
}

SortKey keyOf(char32_t c)
{
    if (QChar::isLetter(c))
        return {2, QChar::toCaseFolded(c)};
    if (QChar::isDigit(c))
        return {1, c};
    return {0, c};
}

// Reads the next code point that takes part in the order, or returns false
// at the end. Lone surrogates are taken as they stand.
bool nextKey(QStringView text, qsizetype &pos, SortKey &key)
{
    while (pos < text.size()) {
        char32_t c = text[pos].unicode();
        qsizetype width = 1;
        if (QChar::isHighSurrogate(c) && pos + 1 < text.size()
            && text[pos + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[pos], text[pos + 1]);
            width = 2;
        }
        pos += width;
        if (!isIgnored(c)) {
            key = keyOf(c);
            return true;
        }
    }
    return false;
}

int sign(qint64 v)
{
    return (v > 0) - (v < 0);
}

} // namespace

int compareListKeys(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    SortKey ka{};
    SortKey kb{};
    for (;;) {
        const bool hasA = nextKey(a, i, ka);
        const bool hasB = nextKey(b, j, kb);
        if (!hasA || !hasB)
            return int(hasA) - int(hasB);
        if (ka.rank != kb.rank)
            return ka.rank - kb.rank;
        if (ka.value != kb.value)
            return sign(qint64(ka.value) - qint64(kb.value));
    }
}

int compareListOrder(QStringView a, QStringView b)
{
    if (const int c = compareListKeys(a, b))
        return c;
    return sign(a.compare(b, Qt::CaseSensitive));
}

bool listOrderLess(QStringView a, QStringView b)
{
    return compareListOrder(a, b) < 0;
}
