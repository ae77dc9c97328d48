#include "tests/support/ReferenceFilter.h"

#include "catalogue/DeviceCatalogue.h"

#include <QChar>

using namespace Qt::StringLiterals;

namespace reference {

namespace {

bool startsInsidePair(QStringView text, qsizetype pos)
{
    return pos > 0 && pos < text.size() && text[pos].isLowSurrogate()
        && text[pos - 1].isHighSurrogate();
}

bool sameValuesAt(const std::vector<char32_t> &searched, qsizetype pos,
                  const std::vector<char32_t> &sought)
{
    for (std::size_t k = 0; k < sought.size(); ++k) {
        if (searched[std::size_t(pos) + k] != sought[k])
            return false;
    }
    return true;
}

// A window read on its own: the first unit loses the high half before it.
bool windowMatchesAlone(QStringView searched, qsizetype pos, QStringView sought,
                        CompareMode mode)
{
    if (pos + sought.size() > searched.size())
        return false;
    return unitValues(searched.sliced(pos, sought.size()), mode)
        == unitValues(sought, mode);
}

bool hasLooseMatch(QStringView searched, QStringView sought, CompareMode mode)
{
    if (mode == CompareMode::Exact || sought.isEmpty())
        return false;
    for (qsizetype pos = 1; pos + sought.size() <= searched.size(); ++pos) {
        if (startsInsidePair(searched, pos)
            && windowMatchesAlone(searched, pos, sought, mode))
            return true;
    }
    return false;
}

// Verdict of a "contains" test: found, or only found by the loose reading.
Verdict containsVerdict(QStringView field, QStringView text, CompareMode mode)
{
    if (findText(field, text, mode) > 0)
        return Verdict::Accept;
    if (!field.isEmpty() && hasLooseMatch(field, text, mode))
        return Verdict::Either;
    return Verdict::Reject;
}

Verdict idVerdict(const QString &id, const QString &text)
{
    if (id == text)
        return Verdict::Accept;
    return containsVerdict(id, text, CompareMode::CaseInsensitive);
}

Verdict both(Verdict a, Verdict b)
{
    if (a == Verdict::Reject || b == Verdict::Reject)
        return Verdict::Reject;
    if (a == Verdict::Either || b == Verdict::Either)
        return Verdict::Either;
    return Verdict::Accept;
}

ResultRow rowOf(const DeviceRecord &r)
{
    return {r.Vendor, r.Model, r.Type, r.VendorID, r.ModelID};
}

QString describe(const ResultRow &row)
{
    const auto cut = [](const QString &s) {
        return s.size() > 40 ? s.left(40) + u"…"_s : s;
    };
    return u"[%1 | %2 | %3 | %4 | %5]"_s.arg(cut(row.Vendor), cut(row.Model),
                                           cut(row.Type), cut(row.VendorID),
                                           cut(row.ModelID));
}

} // namespace

std::vector<char32_t> unitValues(QStringView text, CompareMode mode)
{
    std::vector<char32_t> values(std::size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (mode == CompareMode::CaseInsensitive) {
            if (startsInsidePair(text, i))
                c = QChar::surrogateToUcs4(text[i - 1], text[i]);
            c = QChar::toCaseFolded(c);
        }
        values[std::size_t(i)] = c;
    }
    return values;
}

qsizetype findText(QStringView searched, QStringView sought, CompareMode mode)
{
    if (searched.isEmpty())
        return 0;
    if (sought.isEmpty())
        return 1;
    if (sought.size() > searched.size())
        return 0;
    const std::vector<char32_t> hay = unitValues(searched, mode);
    const std::vector<char32_t> needle = unitValues(sought, mode);
    for (qsizetype pos = 0; pos + sought.size() <= searched.size(); ++pos) {
        if (sameValuesAt(hay, pos, needle))
            return pos + 1;
    }
    return 0;
}

bool acceptableFind(QStringView searched, QStringView sought, CompareMode mode,
                    qsizetype result)
{
    const qsizetype expected = findText(searched, sought, mode);
    if (result == expected)
        return true;
    if (mode == CompareMode::Exact || result < 1
        || (expected != 0 && result > expected))
        return false;
    const qsizetype pos = result - 1;
    return startsInsidePair(searched, pos)
        && windowMatchesAlone(searched, pos, sought, mode);
}

Verdict judgeRecord(const DeviceRecord &record, const SearchCriteria &criteria)
{
    const auto exact = CompareMode::Exact;
    if (findText(record.Vendor, criteria.VendorChoice, exact) != 1
        || findText(record.Type, criteria.TypeChoice, exact) == 0)
        return Verdict::Reject;
    Verdict v = containsVerdict(record.Model, criteria.ModelText,
                                CompareMode::CaseInsensitive);
    v = both(v, idVerdict(record.VendorID, criteria.VendorIDText));
    return both(v, idVerdict(record.ModelID, criteria.ModelIDText));
}

ResultRows selectDevices(const DeviceCatalogue &catalogue,
                         const SearchCriteria &criteria)
{
    ResultRows rows;
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        if (judgeRecord(catalogue.at(i), criteria) == Verdict::Accept)
            rows.append(rowOf(catalogue.at(i)));
    }
    return rows;
}

QString checkSelection(const DeviceCatalogue &catalogue,
                       const SearchCriteria &criteria, const ResultRows &rows)
{
    qsizetype next = 0;
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        const Verdict v = judgeRecord(catalogue.at(i), criteria);
        if (v == Verdict::Reject)
            continue;
        const ResultRow expected = rowOf(catalogue.at(i));
        const bool present = next < rows.size() && rows[next] == expected;
        if (present) {
            ++next;
        } else if (v == Verdict::Accept) {
            return u"slot %1 %2 missing at row %3%4"_s.arg(i).arg(
                describe(expected)).arg(next).arg(
                next < rows.size() ? u", found "_s + describe(rows[next]) : QString());
        }
    }
    if (next != rows.size())
        return u"unexpected row %1 %2"_s.arg(next).arg(describe(rows[next]));
    return {};
}

} // namespace reference
