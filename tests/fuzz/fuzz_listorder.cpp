// The list order: antisymmetry and agreement with the plain key rendition
// on every pair, transitivity on triples, sorting independent of the input
// order, and the catalogue row order a strict weak order.
#include "catalogue/DeviceRecord.h"
#include "tests/fuzz/FuzzText.h"
#include "tests/support/OrderChecks.h"

#include <vector>

namespace {

constexpr qsizetype MaxTexts = 12;
constexpr qsizetype MaxTripleTexts = 6;

void require(const QString &broken)
{
    if (!broken.isEmpty())
        fuzztext::fail(broken);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QList<QString> texts = fuzztext::split(data, size);
    if (texts.size() > MaxTexts)
        texts.resize(MaxTexts);

    for (const QString &a : texts) {
        for (const QString &b : texts)
            require(orderchecks::checkPair(a, b));
    }
    const qsizetype n = qMin(texts.size(), MaxTripleTexts);
    for (qsizetype i = 0; i < n; ++i) {
        for (qsizetype j = i; j < n; ++j) {
            for (qsizetype k = j; k < n; ++k)
                require(orderchecks::checkTriple(texts[i], texts[j], texts[k]));
        }
    }
    require(orderchecks::checkSorting(texts));

    // Records from consecutive texts: model, vendor, link id.
    std::vector<DeviceRecord> records;
    for (qsizetype i = 0; i + 2 < texts.size(); i += 3) {
        DeviceRecord r;
        r.Model = texts[i];
        r.Vendor = texts[i + 1];
        r.LinkID = texts[i + 2];
        records.push_back(r);
    }
    require(orderchecks::checkRowOrder(records));
    return 0;
}
