// The entry operations that read every entry, on a generated vault (--entries=N, 10,000 without
// it), each beside its floor measured in the same run:
//   - the search for the empty word (which lists every entry) and for a word that only one
//     entry's notes hold, as the search window's button runs them, beside the search for a word
//     that no entry holds (the same reading and decoding, nothing to list);
//   - the duplicate check of a description that no entry uses (it reads every description),
//     beside the plain scan of all PDF rows (every column, no decoding).
// Then each on an encrypted copy of the vault beside the plain vault, and the searches beside a copy
// of the vault with the smaller pages plain vaults had before.
#include "app/entrylistmodel.h"
#include "app/forms.h"
#include "app/platform.h"
#include "benchplatform.h"
#include "benchvault.h"
#include "entries/frmentry.h"
#include "entries/frmsearch.h"
#include "mainwindow/wiring.h"
#include "store/codec.h"
#include "store/repository.h"
#include "store/vault.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>

namespace {

int Entries = 10000;
const QString Nowhere = QStringLiteral("a word that no entry holds");
const QString Needle = QStringLiteral("needle-in-the-haystack");

// Puts the needle into the notes of one entry in the middle of the table.
void plantNeedle(const QString& folder) {
    sqlite::Connection db(folder + QStringLiteral("/gpwdfsc.mdb"));
    sqlite::Statement q(db, "UPDATE PDF SET PDF6 = ? WHERE pNum = ?");
    q.bind(1,
           EncodeValue(QStringLiteral("Spare key under the mat, ") + Needle + QStringLiteral(", ask Ann.")));
    q.bind(2, qint64(Entries / 2));
    q.next();
}

int searchWithWindow(const QString& word) {
    frmSearch& window = form<frmSearch>();
    window.Text1->setText(word);
    window.Command1_Click();
    return window.List1->count();
}

qsizetype searchVaultOnly(const QString& word) {
    const Result<QList<ListedEntry>> found = store::findEntries(word);
    return found ? found->size() : 0;
}

bool duplicateCheck() {
    form<frmEntry>().Text2->setText(QStringLiteral("A description that no entry uses"));
    return IsDuplicateDescription();
}

void BM_PlainScanOfEntries(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(plainScanOfEntries());
}
void BM_SearchWindow_WordInOneEntrysNotes(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(searchWithWindow(Needle));
}
void BM_SearchWindow_EmptyWord(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(searchWithWindow(QString()));
}
void BM_SearchVault_WordInOneEntrysNotes(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(searchVaultOnly(Needle));
}
void BM_SearchVault_EmptyWord(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(searchVaultOnly(QString()));
}
void BM_IsDuplicateDescription(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(duplicateCheck());
}
BENCHMARK(BM_PlainScanOfEntries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchWindow_WordInOneEntrysNotes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchWindow_EmptyWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchVault_WordInOneEntrysNotes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchVault_EmptyWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IsDuplicateDescription)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Entries = benchEntries(argc, argv);
    QApplication app(argc, argv);
    BenchPlatform benchPlatform;
    startProgram(benchPlatform);
    plantNeedle(makeBenchVault(Entries));

    // The operations must find what they are meant to find, or the figures mean nothing.
    if (searchWithWindow(Needle) != 1 || searchWithWindow(QString()) != Entries || duplicateCheck() ||
        searchVaultOnly(Needle) != 1 || searchWithWindow(Nowhere) != 0) {
        std::fprintf(stderr, "the operations do not find what they should\n");
        return 1;
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    const int rounds = 9;
    const PlainAndEncrypted both = bestMillisOnBoth(
        {[] { plainScanOfEntries(); }, [] { searchWithWindow(Nowhere); }, [] { searchWithWindow(QString()); },
         [] { searchWithWindow(Needle); }, [] { duplicateCheck(); }},
        rounds);
    const std::vector<double>& ms = both.plain;
    const std::vector<double>& enc = both.encrypted;
    std::printf("\nEntry operations on %d entries, best of %d interleaved rounds:\n", Entries, rounds);
    std::printf("  %-40s %8.1f ms\n", "floor: plain scan of every PDF row", ms[0]);
    std::printf("  %-40s %8.1f ms\n", "floor: search finding nothing", ms[1]);
    printFigure("search, empty word (lists every entry)", ms[2], ms[1], "search finding nothing", "<= 1.0x");
    printFigure("search, word in one entry's notes", ms[3], ms[1], "search finding nothing", "-");
    printFigure("duplicate check", ms[4], ms[0], "plain scan", "<= 0.5x at 100,000");
    std::printf("The same on the vault encrypted:\n");
    printEncryptedFigure("floor: search finding nothing", enc[1], ms[1], "-");
    printEncryptedFigure("search, empty word (lists every entry)", enc[2], ms[2]);
    printEncryptedFigure("search, word in one entry's notes", enc[3], ms[3], "-");
    printEncryptedFigure("duplicate check", enc[4], ms[4]);
    // Plain vaults were made with SQLite's 4 KiB pages before; a search reads every page.
    const SmallAndLargePages pages = bestMillisOnSmallPages(
        {[] { searchWithWindow(QString()); }, [] { searchWithWindow(Needle); }}, rounds);
    std::printf("16 KiB pages beside the same vault rebuilt with 4 KiB pages (%.1f MB beside %.1f MB):\n",
                double(pages.largeBytes) / 1e6, double(pages.smallBytes) / 1e6);
    for (std::size_t i = 0; i < 2; ++i)
        std::printf("  %-40s %8.1f ms = %5.2fx the 4 KiB pages' %.1f ms\n",
                    i == 0 ? "search, empty word (lists every entry)" : "search, word in one entry's notes",
                    pages.large[i], pages.large[i] / pages.small[i], pages.small[i]);
    unloadAllForms();
    benchmark::Shutdown();
    return 0;
}
