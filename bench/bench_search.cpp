// Filter and link-resolution cost on the built-in catalogue and on synthetic
// catalogues of growing size (the cost should grow linearly).
#include "bench/BenchCatalogue.h"
#include "catalogue/DeviceCatalogue.h"
#include "search/DeviceFilter.h"
#include "search/RegistryLink.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace Qt::StringLiterals;

// Records shaped like the real ones: a few dozen vendors, varied models,
// about 40% without IDs.
std::unique_ptr<DeviceCatalogue> synthetic(qsizetype size)
{
    static const QString types[] = {u"Flow"_s, u"Pressure"_s, u"Level"_s,
                                    u"Flow,Other"_s, u"Wiring Components"_s};
    auto c = std::make_unique<DeviceCatalogue>(size);
    for (qsizetype i = 0; i < size; ++i) {
        DeviceRecord &r = c->slot(i);
        r.LinkID = QString::number(562 + i);
        r.Vendor = u"Vendor %1 Process Solutions GmbH"_s.arg(i % 93);
        r.Model = u"Model-%1 Series %2"_s.arg(i).arg(i % 17);
        r.Type = types[i % 5];
        if (i % 5 < 3) {
            r.VendorID = QString::number(0x100000 + i % 93, 16).toUpper();
            r.ModelID = QString::number(0x1000 + i % 4096, 16).toUpper();
        }
    }
    return c;
}

const DeviceCatalogue &syntheticOf(qsizetype size)
{
    static std::unique_ptr<DeviceCatalogue> cache[3];
    const int slot = size <= 520 ? 0 : size <= 10'000 ? 1 : 2;
    if (!cache[slot])
        cache[slot] = synthetic(size);
    return *cache[slot];
}

void BM_SelectBuiltIn_AllEmpty(benchmark::State &state)
{
    const DeviceCatalogue &c = builtInCatalogue();
    const SearchCriteria none;
    for (auto _ : state)
        benchmark::DoNotOptimize(SelectDevices(c, none));
}
BENCHMARK(BM_SelectBuiltIn_AllEmpty);

void BM_SelectBuiltIn_EveryCriterion(benchmark::State &state)
{
    const DeviceCatalogue &c = builtInCatalogue();
    const SearchCriteria all{u"Endress + Hauser"_s, u"Pressure"_s, u"deltabar"_s,
                             u"452b48"_s, u"1009"_s};
    for (auto _ : state)
        benchmark::DoNotOptimize(SelectDevices(c, all));
}
BENCHMARK(BM_SelectBuiltIn_EveryCriterion);

void BM_SelectBuiltIn_ModelText(benchmark::State &state)
{
    const DeviceCatalogue &c = builtInCatalogue();
    const SearchCriteria model{{}, {}, u"ff"_s, {}, {}};
    for (auto _ : state)
        benchmark::DoNotOptimize(SelectDevices(c, model));
}
BENCHMARK(BM_SelectBuiltIn_ModelText);

void BM_SelectSynthetic_AllEmpty(benchmark::State &state)
{
    const DeviceCatalogue &c = syntheticOf(state.range(0));
    const SearchCriteria none;
    for (auto _ : state)
        benchmark::DoNotOptimize(SelectDevices(c, none));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SelectSynthetic_AllEmpty)->Arg(520)->Arg(10'000)->Arg(100'000)
    ->Complexity(benchmark::oN);

void BM_SelectSynthetic_EveryCriterion(benchmark::State &state)
{
    const DeviceCatalogue &c = syntheticOf(state.range(0));
    const SearchCriteria all{u"Vendor 7 "_s, u"Flow"_s, u"series 1"_s, u"10000"_s, u"1"_s};
    for (auto _ : state)
        benchmark::DoNotOptimize(SelectDevices(c, all));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SelectSynthetic_EveryCriterion)->Arg(520)->Arg(10'000)->Arg(100'000)
    ->Complexity(benchmark::oN);

// The row the list shows for a record: the worst case of the link search is
// a real row, matched on all five texts.
ResultRow shownRow(const DeviceRecord &r)
{
    return {r.Vendor, r.Model, r.Type, r.VendorID, r.ModelID};
}

void BM_ResolveBuiltIn(benchmark::State &state)
{
    const DeviceCatalogue &c = builtInCatalogue();
    const ResultRow row = shownRow(c.at(260));
    const std::optional<ResultRow> selected = row;
    for (auto _ : state)
        benchmark::DoNotOptimize(ResolveRegistryLink(c, selected));
}
BENCHMARK(BM_ResolveBuiltIn);

void BM_ResolveSynthetic(benchmark::State &state)
{
    const DeviceCatalogue &c = syntheticOf(state.range(0));
    const std::optional<ResultRow> selected = shownRow(c.at(c.size() / 2));
    for (auto _ : state)
        benchmark::DoNotOptimize(ResolveRegistryLink(c, selected));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ResolveSynthetic)->Arg(520)->Arg(10'000)->Arg(100'000)
    ->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
