#include "tests/support/OrderChecks.h"

#include "catalogue/DeviceRecord.h"
#include "catalogue/ListOrder.h"
#include "tests/support/CatalogueRowOrder.h"
#include "tests/support/ReferenceOrder.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace orderchecks {

namespace {

int sign(int v)
{
    return (v > 0) - (v < 0);
}

QString shown(QStringView text)
{
    QString out;
    for (const QChar c : text.first(qMin(text.size(), qsizetype(24)))) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            out += u"\\u%1"_s.arg(int(c.unicode()), 4, 16, QChar(u'0'));
        else
            out += c;
    }
    return u"\""_s + out + (text.size() > 24 ? u"…\""_s : u"\""_s);
}

using Compare = int (*)(QStringView, QStringView);

QString transitive(Compare cmp, const char *name, QStringView x, QStringView y,
                   QStringView z)
{
    const int xy = sign(cmp(x, y));
    const int yz = sign(cmp(y, z));
    const int xz = sign(cmp(x, z));
    const bool broken = (xy <= 0 && yz <= 0 && xz > 0)
                     || (xy < 0 && yz <= 0 && xz == 0)
                     || (xy <= 0 && yz < 0 && xz == 0)
                     || (xy == 0 && yz == 0 && xz != 0);
    if (!broken)
        return {};
    return u"%1 not transitive: %2 %3 %4 %5 %6, but %2 %7 %6"_s.arg(
        QString::fromLatin1(name), shown(x),
        QString::number(xy), shown(y), QString::number(yz), shown(z),
        QString::number(xz));
}

bool rowLess(const DeviceRecord &a, const DeviceRecord &b)
{
    return catalogueRowLess(a, b);
}

QString describe(const DeviceRecord &r)
{
    return u"{%1, %2, %3}"_s.arg(shown(r.Model), shown(r.Vendor), shown(r.LinkID));
}

} // namespace

QString checkPair(QStringView a, QStringView b)
{
    const int order = sign(compareListOrder(a, b));
    const int keys = sign(compareListKeys(a, b));
    const int plainKeys = sign(reference::compareListKeys(a, b));
    const auto broken = [&](const QString &what) {
        return what + u" for "_s + shown(a) + u" and "_s + shown(b);
    };
    if (order != -sign(compareListOrder(b, a)))
        return broken(u"compareListOrder not antisymmetric"_s);
    if (keys != -sign(compareListKeys(b, a)))
        return broken(u"compareListKeys not antisymmetric"_s);
    if ((order == 0) != (a == b))
        return broken(u"compareListOrder equality differs from identity"_s);
    if (keys != 0 && keys != order)
        return broken(u"tie-break overrides the keys"_s);
    if (keys != plainKeys)
        return broken(u"compareListKeys gives %1, plain keys %2,"_s.arg(keys).arg(plainKeys));
    if (listOrderLess(a, b) != (order < 0))
        return broken(u"listOrderLess disagrees with compareListOrder"_s);
    return {};
}

QString checkTriple(QStringView a, QStringView b, QStringView c)
{
    const std::array<QStringView, 3> t{a, b, c};
    std::array<int, 3> p{0, 1, 2};
    do {
        const QStringView x = t[std::size_t(p[0])];
        const QStringView y = t[std::size_t(p[1])];
        const QStringView z = t[std::size_t(p[2])];
        QString broken = transitive(compareListOrder, "compareListOrder", x, y, z);
        if (broken.isEmpty())
            broken = transitive(compareListKeys, "compareListKeys", x, y, z);
        if (!broken.isEmpty())
            return broken;
    } while (std::next_permutation(p.begin(), p.end()));
    return {};
}

QString checkSorting(const QList<QString> &texts)
{
    QList<QString> forward = texts;
    QList<QString> backward(texts.crbegin(), texts.crend());
    std::sort(forward.begin(), forward.end(), listOrderLess);
    std::sort(backward.begin(), backward.end(), listOrderLess);
    for (qsizetype i = 1; i < forward.size(); ++i) {
        if (compareListOrder(forward[i - 1], forward[i]) > 0)
            return u"sorted list out of order at %1: "_s.arg(i) + shown(forward[i - 1])
                + u" then "_s + shown(forward[i]);
    }
    if (forward != backward)
        return u"sorting depends on the input order"_s;
    return {};
}

QString checkRowOrder(const std::vector<DeviceRecord> &records)
{
    for (const DeviceRecord &a : records) {
        if (rowLess(a, a))
            return u"catalogueRowLess not irreflexive for "_s + describe(a);
        for (const DeviceRecord &b : records) {
            if (rowLess(a, b) && rowLess(b, a))
                return u"catalogueRowLess not asymmetric for "_s + describe(a)
                    + u" and "_s + describe(b);
            for (const DeviceRecord &c : records) {
                const bool ab = rowLess(a, b), bc = rowLess(b, c), ac = rowLess(a, c);
                const auto same = [](const DeviceRecord &x, const DeviceRecord &y) {
                    return !rowLess(x, y) && !rowLess(y, x);
                };
                if ((ab && bc && !ac) || (same(a, b) && same(b, c) && !same(a, c)))
                    return u"catalogueRowLess not transitive over "_s + describe(a)
                        + u", "_s + describe(b) + u", "_s + describe(c);
            }
        }
    }
    std::vector<DeviceRecord> sorted = records;
    std::sort(sorted.begin(), sorted.end(), rowLess);
    if (!std::is_sorted(sorted.begin(), sorted.end(), rowLess))
        return u"sorted records out of order"_s;
    std::vector<DeviceRecord> reversed(records.rbegin(), records.rend());
    std::stable_sort(reversed.begin(), reversed.end(), rowLess);
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (rowLess(sorted[i], reversed[i]) || rowLess(reversed[i], sorted[i]))
            return u"record sort depends on the input order"_s;
    }
    return {};
}

} // namespace orderchecks
