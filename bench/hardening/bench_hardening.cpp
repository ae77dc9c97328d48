// What a megabyte paste costs: the filter with a 1 MB model text, the
// window's refresh with it, the paste into the model box (and clearing it
// again), and the text search on a megabyte field.
#include "bench/BenchCatalogue.h"
#include "bench/BenchWindow.h"
#include "catalogue/DeviceCatalogue.h"
#include "search/DeviceFilter.h"
#include "search/FindText.h"
#include "ui/Form1.h"
#include "ui/ResultsListView.h"

#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

using namespace Qt::StringLiterals;

// 2^19 code units (1 MB) of pasted lines: model names, IDs, punctuation.
const QString &megabyteText()
{
    static const QString text = [] {
        const QString line = u"Deltabar S / EJX910, Rosemount® 3051; FIO-100\t0X452B48 (rev 2)\r\n"_s;
        QString t;
        while (t.size() < (qsizetype(1) << 19))
            t += line;
        t.truncate(qsizetype(1) << 19);
        return t;
    }();
    return text;
}

void BM_SelectDevices_MegabyteModelText(benchmark::State &state)
{
    SearchCriteria criteria;
    criteria.ModelText = state.range(0) ? megabyteText().toUpper() : megabyteText();
    qsizetype rows = 0;
    for (auto _ : state)
        rows = SelectDevices(builtInCatalogue(), criteria).size();
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_SelectDevices_MegabyteModelText)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The window's refresh with the box holding all it takes of the paste.
void BM_RefreshResults_MegabytePaste(benchmark::State &state)
{
    Form1 &form = loadedWindow();
    form.TextModel->setText(megabyteText());
    for (auto _ : state)
        form.RefreshResults();
    state.counters["boxUnits"] = double(form.TextModel->text().size());
    state.counters["rows"] = form.ListView1->model()->rowCount();
    form.TextModel->setText(QString());
}
BENCHMARK(BM_RefreshResults_MegabytePaste)->Unit(benchmark::kMicrosecond);

// The paste as the user sees it: the box takes the text and the list
// refreshes, then the box is emptied and all rows come back.
void BM_PasteAndClearModelBox(benchmark::State &state)
{
    Form1 &form = loadedWindow();
    for (auto _ : state) {
        form.TextModel->setText(megabyteText());
        form.TextModel->setText(QString());
    }
    state.counters["rows"] = form.ListView1->model()->rowCount();
}
BENCHMARK(BM_PasteAndClearModelBox)->Unit(benchmark::kMicrosecond);

// A record field a megabyte long: the search itself, case ignored.
void BM_FindText_MegabyteField(benchmark::State &state)
{
    const QString &field = megabyteText();
    const QString sought = state.range(0) ? field.toUpper() : u"zlk9000"_s;
    qsizetype found = 0;
    for (auto _ : state)
        found = FindText(field, sought, CompareMode::CaseInsensitive);
    state.counters["found"] = double(found);
    state.SetBytesProcessed(state.iterations() * field.size() * 2);
}
BENCHMARK(BM_FindText_MegabyteField)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv);
}
