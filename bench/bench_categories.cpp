// The category breakdown's counting (categories and every entry's category, decoded and counted)
// on a generated vault (--entries=N, 10,000 without it) of ten categories, beside the plain scan
// of every column of every entry in the same run. The figure that matters is counting / scan.
// Then both on an encrypted copy of the vault beside the plain vault.
#include "benchvault.h"
#include "categories/breakdown.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

int Entries = 10000;

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

} // namespace

int main(int argc, char** argv) {
    Entries = benchEntries(argc, argv);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    prepare();
    benchmark::RunSpecifiedBenchmarks();
    const int rounds = 15;
    const PlainAndEncrypted both =
        bestMillisOnBoth({[] { benchmark::DoNotOptimize(plainScanOfEntries()); },
                          [] { benchmark::DoNotOptimize(CountCategoryBreakdown()); }},
                         rounds);
    const std::vector<double>& ms = both.plain;
    std::printf("\nCategory breakdown on %d entries, best of %d interleaved rounds:\n", Entries, rounds);
    std::printf("  %-40s %8.1f ms\n", "floor: plain scan of every PDF row", ms[0]);
    printFigure("breakdown counting", ms[1], ms[0], "plain scan", "<= 0.5x at 100,000");
    std::printf("The same on the vault encrypted:\n");
    printEncryptedFigure("floor: plain scan of every PDF row", both.encrypted[0], ms[0], "-");
    printEncryptedFigure("breakdown counting", both.encrypted[1], ms[1]);
    std::printf("counts:");
    for (const CategoryCount& category : CountCategoryBreakdown().value_or(QList<CategoryCount>{}))
        std::printf(" %s=%lld", qPrintable(category.name), static_cast<long long>(category.count));
    std::printf("\n");
    benchmark::Shutdown();
    return 0;
}
