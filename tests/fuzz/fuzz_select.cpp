// SelectDevices against the plain rendition of the filter rules on a small
// catalogue made from the input, and every listed row resolving back to the
// last record with the same five texts.
#include "catalogue/DeviceCatalogue.h"
#include "search/DeviceFilter.h"
#include "search/RegistryLink.h"
#include "tests/fuzz/FuzzText.h"
#include "tests/support/ReferenceFilter.h"
#include "tests/support/ShownRow.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype FieldCount = 5;
constexpr qsizetype MaxRecords = 24;

QString &field(DeviceRecord &r, qsizetype i)
{
    QString *fields[] = {&r.Vendor, &r.Model, &r.Type, &r.VendorID, &r.ModelID};
    return *fields[i];
}

QString &field(SearchCriteria &c, qsizetype i)
{
    QString *fields[] = {&c.VendorChoice, &c.TypeChoice, &c.ModelText,
                         &c.VendorIDText, &c.ModelIDText};
    return *fields[i];
}

// A criterion whose first unit is 0x7F is taken from a record's field
// instead (units 1-3 choose record, start and length, unit 4 the case), so
// that matches are common.
QString criterion(const DeviceCatalogue &catalogue, qsizetype index, const QString &text)
{
    if (catalogue.size() == 0 || fuzztext::unitAt(text, 0) != 0x7F)
        return text;
    DeviceRecord record = catalogue.at(fuzztext::unitAt(text, 1) % catalogue.size());
    const QString &source = field(record, index);
    const qsizetype start = index == 0 ? 0 : fuzztext::unitAt(text, 2) % (source.size() + 1);
    const qsizetype length = fuzztext::unitAt(text, 3) % (source.size() - start + 1);
    const QString piece = source.sliced(start, length);
    switch (fuzztext::unitAt(text, 4) % 3) {
    case 1: return piece.toUpper();
    case 2: return piece.toLower();
    default: return piece;
    }
}

void checkResolution(const DeviceCatalogue &catalogue, const ResultRow &row)
{
    std::optional<qsizetype> last;
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        if (shownRow(catalogue.at(i)) == row)
            last = i;
    }
    if (!last)
        fuzztext::fail(u"a listed row matches no record"_s);
    const LinkOutcome outcome = ResolveRegistryLink(catalogue, row);
    if (outcome != LinkOutcome::set(RegistryUrl(catalogue.at(*last))))
        fuzztext::fail(u"row resolves to %1, expected slot %2"_s.arg(outcome.text).arg(*last));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QList<QString> texts = fuzztext::split(data, size);
    const qsizetype records = qMin((texts.size() - FieldCount) / FieldCount, MaxRecords);
    DeviceCatalogue catalogue(qMax(records, qsizetype(0)));
    for (qsizetype r = 0; r < catalogue.size(); ++r) {
        DeviceRecord &record = catalogue.slot(r);
        record.LinkID = QString::number(562 + r);
        for (qsizetype f = 0; f < FieldCount; ++f)
            field(record, f) = texts[FieldCount * (r + 1) + f];
    }
    SearchCriteria criteria;
    for (qsizetype f = 0; f < FieldCount; ++f)
        field(criteria, f) = criterion(catalogue, f, texts.value(f));

    const ResultRows rows = SelectDevices(catalogue, criteria);
    const QString wrong = reference::checkSelection(catalogue, criteria, rows);
    if (!wrong.isEmpty())
        fuzztext::fail(wrong);
    for (const ResultRow &row : rows)
        checkResolution(catalogue, row);
    if (ResolveRegistryLink(catalogue, std::nullopt) != LinkOutcome::set(QString()))
        fuzztext::fail(u"no selection must empty the link"_s);
    return 0;
}
