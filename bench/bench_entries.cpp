// The entry operations that read every entry, on 10,000 generated entries, each beside the plain
// scan of all PDF rows (every column, no decoding) measured in the same run:
//   - the search for a word that only one entry's notes hold, and for the empty word (which lists
//     every entry), both as the search window's button runs them and as the vault read alone;
//   - the duplicate check of a description that no entry uses (it reads every description).
#include "app/forms.h"
#include "app/modmain.h"
#include "app/platform.h"
#include "benchvault.h"
#include "mainwindow/wiring.h"
#include "entries/frmentry.h"
#include "entries/frmsearch.h"
#include "store/codec.h"
#include "store/repository.h"
#include "store/vault.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int Entries = 10000;
const QString Needle = QStringLiteral("needle-in-the-haystack");

// Answers every question with its default and shows nothing.
class BenchPlatform final : public Platform {
public:
    MsgAnswer messageBox(const QString& title, const QString& prompt, MsgIcon, MsgButtons,
                         MsgAnswer defaultButton) override {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(prompt));
        return defaultButton;
    }
    void showModal(QDialog&) override {}
    bool openDocument(const QString&) override { return false; }
    void setClipboardData(std::unique_ptr<QMimeData>) override {}
    QString clipboardText() override { return {}; }
    void clearClipboard() override {}
    QString chooseFile() override { return {}; }
    bool print(QTextDocument&) override { return false; }
    bool trayAvailable() override { return false; }
    void trayShow(const QString&) override {}
    void trayHide() override {}
    void setTrayReceiver(std::function<void(int)>) override {}
    void popupMenu(QMenu&) override {}
    QSize screenSizeTwips() override { return {15 * 1024, 15 * 768}; }
    int twipsPerPixel() override { return 15; }
    QDateTime now() override { return QDateTime(QDate(2013, 3, 15), QTime(14, 5, 9)); }
    void after(int, std::function<void()>) override {}
    bool modalWindowOpen() override { return false; }
    [[noreturn]] void endProgram() override { std::abort(); }
};

// Puts the needle into the notes of one entry in the middle of the table.
void plantNeedle(const QString& folder) {
    sqlite::Connection db(folder + QStringLiteral("/gpwdfsc.mdb"));
    sqlite::Statement q(db, "UPDATE PDF SET PDF6 = ? WHERE pNum = ?");
    q.bind(1, EncodeValue(QStringLiteral("Spare key under the mat, ") + Needle + QStringLiteral(", ask Ann.")));
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
    const Result<QStringList> found = store::findEntries(word);
    return found ? found->size() : 0;
}

bool duplicateCheck() {
    form<frmEntry>().Text2->setText(QStringLiteral("A description that no entry uses"));
    return IsDuplicateDescription();
}

// The result list as a new search window has it.
void emptyResultList() {
    form<frmSearch>().List1->clear();
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

// Median milliseconds of one call, the calls of all measured operations interleaved so that
// they share the machine's state. Each operation may have an untimed step before it.
struct Measured {
    std::function<void()> prepare;
    std::function<void()> run;
};
std::vector<double> interleavedMedians(const std::vector<Measured>& operations, int rounds) {
    std::vector<std::vector<double>> times(operations.size());
    for (int round = 0; round < rounds; ++round)
        for (std::size_t i = 0; i < operations.size(); ++i) {
            if (operations[i].prepare) operations[i].prepare();
            const auto start = std::chrono::steady_clock::now();
            operations[i].run();
            times[i].push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    std::vector<double> medians;
    for (auto& t : times) {
        std::sort(t.begin(), t.end());
        medians.push_back(t[t.size() / 2]);
    }
    return medians;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initQuorlaneResources();
    BenchPlatform benchPlatform;
    setPlatform(&benchPlatform);
    registerMainWindow();
    plantNeedle(makeBenchVault(Entries));

    // The operations must find what they are meant to find, or the figures mean nothing.
    if (searchWithWindow(Needle) != 1 || searchWithWindow(QString()) != Entries || duplicateCheck() ||
        searchVaultOnly(Needle) != 1) {
        std::fprintf(stderr, "the operations do not find what they should\n");
        return 1;
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    if (qEnvironmentVariableIsSet("QUORLANE_BENCH_NO_SUMMARY")) return 0;
    const std::vector<double> ms = interleavedMedians({{{}, [] { plainScanOfEntries(); }},
                                                       {emptyResultList, [] { searchWithWindow(Needle); }},
                                                       {emptyResultList, [] { searchWithWindow(QString()); }},
                                                       {{}, [] { searchVaultOnly(Needle); }},
                                                       {{}, [] { searchVaultOnly(QString()); }},
                                                       {{}, [] { duplicateCheck(); }}},
                                                      15);
    const double plain = ms[0];
    std::printf("\nMedians of 15 interleaved runs on %d entries:\n", Entries);
    std::printf("  plain scan of every PDF row      %7.1f ms\n", plain);
    std::printf(
        "  search window, word in one notes %7.1f ms  = %.2fx plain scan (aim: under 100 ms, at most 2.5x)\n",
        ms[1], ms[1] / plain);
    std::printf(
        "  search window, empty word        %7.1f ms  = %.2fx plain scan (aim: under 100 ms, at most 2.5x)\n",
        ms[2], ms[2] / plain);
    std::printf("  search vault read, word          %7.1f ms  = %.2fx plain scan\n", ms[3], ms[3] / plain);
    std::printf("  search vault read, empty word    %7.1f ms  = %.2fx plain scan\n", ms[4], ms[4] / plain);
    std::printf(
        "  duplicate check                  %7.1f ms  = %.2fx plain scan (aim: under 20 ms, at most 0.5x)\n",
        ms[5], ms[5] / plain);
    unloadAllForms();
    benchmark::Shutdown();
    return 0;
}
