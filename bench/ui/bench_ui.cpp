// Cost of the window's work on the offscreen platform: a refresh of the
// results list, a link update, a layout pass, and the list class emptied
// and refilled far beyond the built-in catalogue's size.
#include "bench/BenchWindow.h"
#include "catalogue/DeviceCatalogue.h"
#include "ui/Form1.h"
#include "ui/ResultsListView.h"
#include "ui/ResultsModel.h"
#include "ui/SortedComboBox.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

using namespace Qt::StringLiterals;

ResultRows syntheticRows(int count)
{
    ResultRows rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i)
        rows.append({u"Vendor %1 Process Solutions GmbH"_s.arg(i % 93),
                     u"Model-%1 Series %2"_s.arg(i).arg(i % 17), u"Flow,Other"_s,
                     QString::number(0x100000 + i % 93, 16).toUpper(),
                     QString::number(0x1000 + i % 4096, 16).toUpper()});
    return rows;
}

void BM_RefreshResults_AllEmpty(benchmark::State &state)
{
    Form1 &form = loadedWindow();
    for (auto _ : state)
        form.RefreshResults();
    state.counters["rows"] = form.ListView1->model()->rowCount();
}
BENCHMARK(BM_RefreshResults_AllEmpty);

void BM_RefreshResults_ModelTyped(benchmark::State &state)
{
    Form1 &form = loadedWindow();
    form.TextModel->setText(u"ff"_s);
    for (auto _ : state)
        form.RefreshResults();
    state.counters["rows"] = form.ListView1->model()->rowCount();
    form.TextModel->setText(QString());
}
BENCHMARK(BM_RefreshResults_ModelTyped);

void BM_UpdateRegistryLink(benchmark::State &state)
{
    Form1 &form = loadedWindow();
    form.ListView1->setCurrentIndex(form.ListView1->model()->index(260, 0));
    for (auto _ : state)
        form.UpdateRegistryLink();
    state.counters["selected"] = form.ListView1->selectedItem().has_value();
    form.ListView1->clearSelection();
}
BENCHMARK(BM_UpdateRegistryLink);

void BM_FormResize(benchmark::State &state)
{
    Form1 &form = loadedWindow();
    for (auto _ : state)
        form.Form_Resize();
}
BENCHMARK(BM_FormResize);

// A list of its own, as each refresh hands over, not one shared with the
// previous fill.
ResultRows freshCopy(const ResultRows &rows)
{
    return ResultRows(rows.begin(), rows.end());
}

// The list alone, shown, emptied and refilled, then painted once.
void BM_ListRefillAndRepaint(benchmark::State &state)
{
    const ResultRows rows = syntheticRows(int(state.range(0)));
    ResultsListView list;
    for (int c = 0; c < 5; ++c)
        list.setColumnWidthTwips(c, 1760);
    list.horizontalHeader()->show();
    list.resize(609, 241);
    list.show();
    QApplication::processEvents();
    for (auto _ : state) {
        list.rows().replaceRows(freshCopy(rows));
        list.repaint();
    }
    state.counters["rows"] = list.model()->rowCount();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ListRefillAndRepaint)->Arg(520)->Arg(100'000)->Unit(benchmark::kMicrosecond);

// The same without painting, to tell the two costs apart.
void BM_ListRefillOnly(benchmark::State &state)
{
    const ResultRows rows = syntheticRows(int(state.range(0)));
    ResultsListView list;
    for (int c = 0; c < 5; ++c)
        list.setColumnWidthTwips(c, 1760);
    for (auto _ : state)
        list.rows().replaceRows(freshCopy(rows));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ListRefillOnly)->Arg(520)->Arg(100'000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv);
}
