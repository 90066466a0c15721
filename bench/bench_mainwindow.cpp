// The main window's reads on a generated vault (--entries=N, 10,000 without it): filling the
// entry list for all categories and for one, and showing an entry, each beside its floor measured
// in the same run: the list fill beside reading key, description and category on a fresh
// connection, decoding and sorting; showing an entry beside the plain scan of every PDF row.
// Then each on an encrypted copy of the vault beside the plain vault.
#include "app/controls.h"
#include "app/entrylistmodel.h"
#include "app/forms.h"
#include "app/qtplatform.h"
#include "benchvault.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/wiring.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <sys/resource.h>

namespace {

frmMain& mainForm() {
    return form<frmMain>();
}

void chooseCategory(const QString& category) {
    QComboBox* box = mainForm().Combo1;
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(box->findText(category));
}

// The row in the middle of the list, as a click would make it current.
void selectMiddleRow() {
    EntryListView* list = mainForm().List1;
    const QSignalBlocker blocker(list);
    list->setCurrentRow(list->count() / 2);
}

void BM_PlainScan(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(plainScanOfEntries());
}
void BM_ListFloor(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(listFloor());
}
void BM_FillEntryListAll(benchmark::State& state) {
    chooseCategory(QStringLiteral("ALL CATEGORIES"));
    for (auto _ : state)
        form<frmMain>().fillEntryList();
    state.counters["rows"] = mainForm().List1->count();
}
void BM_FillEntryListOneCategory(benchmark::State& state) {
    chooseCategory(QStringLiteral("HOME"));
    for (auto _ : state)
        form<frmMain>().fillEntryList();
    state.counters["rows"] = mainForm().List1->count();
}
void BM_ShowEntry(benchmark::State& state) {
    chooseCategory(QStringLiteral("ALL CATEGORIES"));
    form<frmMain>().fillEntryList();
    selectMiddleRow();
    for (auto _ : state)
        form<frmMain>().showCurrentEntry();
}

BENCHMARK(BM_PlainScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillEntryListAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillEntryListOneCategory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowEntry)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int entries = benchEntries(argc, argv);
    QApplication app(argc, argv);
    QtPlatform qtPlatform;
    startProgram(qtPlatform);
    makeBenchVault(entries);
    form<frmMain>().fillCategoryFilter();
    mainForm().show();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    const int rounds = 15;
    const PlainAndEncrypted both = bestMillisOnBoth({[] { benchmark::DoNotOptimize(plainScanOfEntries()); },
                                                     [] { benchmark::DoNotOptimize(listFloor()); },
                                                     [] {
                                                         chooseCategory(QStringLiteral("ALL CATEGORIES"));
                                                         form<frmMain>().fillEntryList();
                                                     },
                                                     [] {
                                                         chooseCategory(QStringLiteral("HOME"));
                                                         form<frmMain>().fillEntryList();
                                                     },
                                                     [] {
                                                         chooseCategory(QStringLiteral("ALL CATEGORIES"));
                                                         form<frmMain>().fillEntryList();
                                                         selectMiddleRow();
                                                     },
                                                     [] { form<frmMain>().showCurrentEntry(); }},
                                                    rounds);
    const std::vector<double>& ms = both.plain;
    const std::vector<double>& enc = both.encrypted;
    const QString shown = mainForm().Picture5->Label3->text();

    std::printf("\nMain window on %d entries, best of %d interleaved rounds:\n", entries, rounds);
    std::printf("  %-40s %8.1f ms\n", "floor: plain scan of every PDF row", ms[0]);
    std::printf("  %-40s %8.1f ms\n", "floor: key, description, category; sort", ms[1]);
    printFigure("fill the list, all categories", ms[2], ms[1], "list floor", "<= 1.3x at 100,000");
    printFigure("fill the list, one category (HOME)", ms[3], ms[1], "list floor", "-");
    printFigure("show an entry", ms[5], ms[0], "plain scan", "<= 10 ms and <= 0.1x at 100,000");
    std::printf("The same on the vault encrypted:\n");
    printEncryptedFigure("floor: key, description, category; sort", enc[1], ms[1], "-");
    printEncryptedFigure("fill the list, all categories", enc[2], ms[2]);
    printEncryptedFigure("fill the list, one category (HOME)", enc[3], ms[3], "-");
    printEncryptedFigure("show an entry", enc[5], ms[5]);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("  shown: %s; peak memory of this program: %.1f MB\n", qPrintable(shown),
                usage.ru_maxrss / 1024.0);
    benchmark::Shutdown();
    unloadAllForms();
    return 0;
}
