#include "tests/support/ReferenceOrder.h"

#include <QChar>

#include <algorithm>
#include <utility>
#include <vector>

namespace reference {

namespace {

// Class first (punctuation and blanks 0, digits 1, letters 2), then value;
// letters by their case folding.
using Key = std::pair<int, char32_t>;

std::vector<Key> keysOf(QStringView text)
{
    std::vector<Key> keys;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size()
            && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (c == U'-')
            continue;
        if (QChar::isLetter(c))
            keys.emplace_back(2, QChar::toCaseFolded(c));
        else if (QChar::isDigit(c))
            keys.emplace_back(1, c);
        else
            keys.emplace_back(0, c);
    }
    return keys;
}

} // namespace

int compareListKeys(QStringView a, QStringView b)
{
    const std::vector<Key> ka = keysOf(a);
    const std::vector<Key> kb = keysOf(b);
    if (std::lexicographical_compare(ka.begin(), ka.end(), kb.begin(), kb.end()))
        return -1;
    if (std::lexicographical_compare(kb.begin(), kb.end(), ka.begin(), ka.end()))
        return 1;
    return 0;
}

} // namespace reference
