// The import of a browser's CSV file of 10,000 entries (goal: under 2 s), in its parts: reading
// and checking the file against the vault, and writing the accepted entries in one transaction.
// A third of the rows hold user names in other scripts, which the vault keeps in the codec's
// UTF-8 form.
// Each run starts from a vault without entries.
#include "benchvault.h"
#include "store/repository.h"
#include "transfer/passwordimport.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <random>

namespace {

constexpr int Rows = 10000;

QByteArray browserFile(int rows = Rows) {
    std::mt19937 rng(7);
    const auto text = [&rng](int length) {
        static const char alphabet[] =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .-_@/:";
        QByteArray s;
        for (int i = 0; i < length; ++i)
            s += alphabet[rng() % (sizeof alphabet - 1)];
        return s;
    };
    QByteArray file = "name,url,username,password,note\r\n";
    for (int i = 0; i < rows; ++i) {
        file +=
            "site" + QByteArray::number(i) + ".example,https://" + text(20) + ".example/login," + text(12) +
            (i % 3 == 0 ? QByteArray("Ελλάδα Москва 東京 👍🏽") : QByteArray()) + ",\"" +
            text(20) + "\"\",x\"," + (i % 5 == 0 ? "\"" + text(60) + "\r\n" + text(60) + "\"" : "") + "\r\n";
    }
    return file;
}

const QByteArray& file() {
    static const QByteArray bytes = browserFile();
    return bytes;
}

transfer::ImportPlan plan() {
    const Result<ImportTarget> target = store::importTarget();
    if (!target) qFatal("cannot read the vault");
    transfer::VaultContents vault;
    for (const CategoryDefinition& c : target->categories)
        vault.categories.insert(
            c.name, {c.titles[0], {c.titles[1], c.titles[2], c.titles[3], c.titles[4]}, c.titles[5]});
    vault.now = QStringLiteral("12/09/2026 01:00:00 pm");
    auto planned = transfer::planImport(file(), vault);
    if (!std::holds_alternative<transfer::ImportPlan>(planned)) qFatal("the file does not read");
    return std::get<transfer::ImportPlan>(std::move(planned));
}

void write(const transfer::ImportPlan& p) {
    if (p.entries.size() != Rows || !store::importEntries({}, p.entries)) qFatal("the import failed");
}

void BM_ReadAndCheck(benchmark::State& state) {
    makeBenchVault(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(plan());
}

void BM_WriteEntries(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        makeBenchVault(0);
        const transfer::ImportPlan p = plan();
        state.ResumeTiming();
        write(p);
    }
}

void BM_WholeImport(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        makeBenchVault(0);
        state.ResumeTiming();
        write(plan());
    }
}

// A 50 MB file: reading and checking only (the progress window is told every megabyte read and
// every 4,096 rows checked).
void BM_ReadAndCheck50MB(benchmark::State& state) {
    makeBenchVault(0);
    QByteArray big = browserFile(Rows);
    const QByteArray rows = big.mid(big.indexOf('\n') + 1);
    while (big.size() < 50 * 1024 * 1024)
        big += rows; // titles repeat: every row gets a number added
    transfer::VaultContents vault;
    vault.now = QStringLiteral("12/09/2026 01:00:00 pm");
    qint64 longestGap = 0;
    for (auto _ : state) {
        auto last = std::chrono::steady_clock::now();
        const auto planned = transfer::planImport(big, vault, [&](qint64, qint64) {
            const auto now = std::chrono::steady_clock::now();
            longestGap = std::max<qint64>(
                longestGap, std::chrono::duration_cast<std::chrono::milliseconds>(now - last).count());
            last = now;
        });
        benchmark::DoNotOptimize(planned);
    }
    state.counters["longest_ms_between_progress"] = double(longestGap);
}

} // namespace

BENCHMARK(BM_ReadAndCheck50MB)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadAndCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteEntries)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WholeImport)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
