#include "search/FindText.h"

qsizetype FindText(QStringView searched, QStringView sought, CompareMode mode)
{
    if (searched.isEmpty())
        return 0;
    if (sought.isEmpty())
        return 1;
    const Qt::CaseSensitivity cs =
        mode == CompareMode::Exact ? Qt::CaseSensitive : Qt::CaseInsensitive;
    return searched.indexOf(sought, 0, cs) + 1;
}
