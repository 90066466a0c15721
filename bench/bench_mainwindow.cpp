// The main window's reads on a vault of 10,000 entries: filling the entry list for all categories
// and for one, and showing the last entry, each beside the plain scan of every PDF row through the
// same connection without decoding. The figures that matter are operation time / plain scan.
#include "app/controls.h"
#include "app/forms.h"
#include "app/modmain.h"
#include "app/qtplatform.h"
#include "benchvault.h"
#include "mainwindow/wiring.h"
#include "mainwindow/frmmain.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int Entries = 10000;

frmMain& mainForm() {
    return form<frmMain>();
}

void chooseCategory(const QString& category) {
    QComboBox* box = mainForm().Combo1;
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(box->findText(category));
}

void selectLastRow() {
    QListWidget* list = mainForm().List1;
    const QSignalBlocker blocker(list);
    list->setCurrentRow(list->count() - 1);
}

void BM_PlainScan(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(plainScanOfEntries());
}
void BM_FillEntryListAll(benchmark::State& state) {
    chooseCategory(QStringLiteral("ALL CATEGORIES"));
    for (auto _ : state)
        FillEntryList();
    state.counters["rows"] = mainForm().List1->count();
}
void BM_FillEntryListOneCategory(benchmark::State& state) {
    chooseCategory(QStringLiteral("HOME"));
    for (auto _ : state)
        FillEntryList();
    state.counters["rows"] = mainForm().List1->count();
}
void BM_ShowEntryLastRow(benchmark::State& state) {
    chooseCategory(QStringLiteral("ALL CATEGORIES"));
    FillEntryList();
    selectLastRow();
    for (auto _ : state)
        ShowEntry();
}

BENCHMARK(BM_PlainScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillEntryListAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillEntryListOneCategory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowEntryLastRow)->Unit(benchmark::kMillisecond);

// The best of several rounds, in milliseconds: the least disturbed by the other work on the machine.
template <class F> double bestMillis(F f) {
    double best = 1e300;
    for (int round = 0; round < 15; ++round) {
        const auto start = std::chrono::steady_clock::now();
        f();
        best = std::min(
            best,
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initQuorlaneResources();
    QtPlatform qtPlatform;
    setPlatform(&qtPlatform);
    registerMainWindow();
    makeBenchVault(Entries);
    FillCategoryFilter(0);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    const double scan = bestMillis([] { benchmark::DoNotOptimize(plainScanOfEntries()); });
    chooseCategory(QStringLiteral("ALL CATEGORIES"));
    const double all = bestMillis([] { FillEntryList(); });
    const int listed = mainForm().List1->count();
    chooseCategory(QStringLiteral("HOME"));
    const double one = bestMillis([] { FillEntryList(); });
    chooseCategory(QStringLiteral("ALL CATEGORIES"));
    FillEntryList();
    selectLastRow();
    const double show = bestMillis([] { ShowEntry(); });

    std::printf("plain scan of every column: %.1f ms\n", scan);
    std::printf(
        "FillEntryList, ALL CATEGORIES (%d rows): %.1f ms = %.2f x plain scan (aim: under 25 ms, 0.6x)\n",
        listed, all, all / scan);
    std::printf("FillEntryList, one category:   %.1f ms = %.2f x plain scan (aim: under 25 ms, 0.6x)\n", one,
                one / scan);
    std::printf("ShowEntry of the last row:     %.1f ms = %.2f x plain scan (aim: under 25 ms, 0.6x)\n", show,
                show / scan);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory with %d entries listed and one shown: %.1f MB\n", listed,
                usage.ru_maxrss / 1024.0);
    benchmark::Shutdown();
    unloadAllForms();
    return 0;
}
