// The category breakdown's counting (categories and every entry's category, decoded and counted)
// on 10,000 entries in ten categories, beside the plain scan of every column of every entry in the
// same run. The figure that matters is counting time / scan time.
#include "benchvault.h"
#include "categories/breakdown.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

namespace {

constexpr int Entries = 10000;

void prepare() {
    static const bool made = [] {
        makeBenchVault(Entries);
        return true;
    }();
    (void)made;
}

void BM_BreakdownCounting(benchmark::State& state) {
    prepare();
    for (auto _ : state)
        benchmark::DoNotOptimize(CountCategoryBreakdown());
    state.SetItemsProcessed(state.iterations() * Entries);
}
void BM_PlainScanOfEntries(benchmark::State& state) {
    prepare();
    for (auto _ : state)
        benchmark::DoNotOptimize(plainScanOfEntries());
    state.SetItemsProcessed(state.iterations() * Entries);
}
BENCHMARK(BM_BreakdownCounting)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainScanOfEntries)->Unit(benchmark::kMillisecond);

template <class F> double millisPerCall(F f) {
    const int rounds = 20;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i)
        benchmark::DoNotOptimize(f());
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
           rounds;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    prepare();
    benchmark::RunSpecifiedBenchmarks();
    const double counting = millisPerCall([] { return CountCategoryBreakdown(); });
    const double scan = millisPerCall([] { return plainScanOfEntries(); });
    std::printf(
        "breakdown counting %.1f ms, plain scan %.1f ms, counting / scan = %.2f (aim: under 20 ms, at most "
        "0.5)\n",
        counting, scan, counting / scan);
    std::printf("counts:");
    for (int i = 1; i < BreakdownNames.size(); ++i)
        std::printf(" %s=%s", qPrintable(BreakdownNames[i]), qPrintable(BreakdownCounts[i]));
    std::printf("\n");
    benchmark::Shutdown();
    return 0;
}
