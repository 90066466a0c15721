// What the encrypted vault costs: the vault reads that walk every entry (the list fill of all
// categories, showing one entry, the search, the duplicate check) on 10,000 and 100,000 generated
// entries, on the plain vault and on the same vault encrypted with SQLCipher, in one run. The
// counter "vs_plain" of an encrypted row is its time over the plain row's of the same size and
// operation. The unlock (Argon2id plus the first read of the encrypted vault) is measured once.
#include "benchvault.h"
#include "store/locations.h"
#include "store/repository.h"
#include "store/vault.h"
#include "store/vaultfile.h"
#include "store/vaultkey.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <map>

namespace {

const QString Password = QStringLiteral("CORRECT HORSE BATTERY STAPLE");

struct BenchVaults {
    QString plainFolder;
    QString encryptedFolder;
    std::optional<VaultKey> key;
    EntryKey middleKey = 0;
};

// The plain vault of a size and its encrypted copy, made once.
BenchVaults& vaults(int entries) {
    static std::map<int, BenchVaults> made;
    BenchVaults& v = made[entries];
    if (!v.plainFolder.isEmpty()) return v;
    v.plainFolder = makeBenchVault(entries);
    v.encryptedFolder = v.plainFolder + QStringLiteral("-encrypted");
    QDir().mkpath(v.encryptedFolder);
    const QString encrypted = v.encryptedFolder + QStringLiteral("/gpwdfsc.mdb");
    QFile::remove(encrypted);
    QFile::copy(v.plainFolder + QStringLiteral("/gpwdfsc.mdb"), encrypted);
    v.key = VaultKey::deriveFromLogin(Password, newVaultSalt());
    reencryptVault(encrypted, nullptr, &*v.key);
    storeState().appFolder = v.plainFolder;
    storeState().vaultFolder = storeState().appFolder;
    forgetVaultKey();
    const Result<QList<ListedEntry>> listed = store::listEntries(QStringLiteral("ALL CATEGORIES"));
    const QList<ListedEntry> all = listed ? *listed : QList<ListedEntry>();
    v.middleKey = all.value(all.size() / 2).key.value_or(0);
    return v;
}

// Points the store at the plain or the encrypted vault of that size.
void use(int entries, bool encrypted) {
    BenchVaults& v = vaults(entries);
    storeState().appFolder = encrypted ? v.encryptedFolder : v.plainFolder;
    storeState().vaultFolder = storeState().appFolder;
    storeState().maxAttempts = 5;
    if (encrypted)
        holdVaultKey(*VaultKey::deriveFromLogin(Password, v.key->salt()));
    else
        forgetVaultKey();
}

std::map<std::pair<std::string, int>, double> plainTimes;

// range(0): entries; range(1): 1 for the encrypted vault.
template <class Operation> void measure(benchmark::State& state, const char* name, Operation operation) {
    const int entries = int(state.range(0));
    const bool encrypted = state.range(1) != 0;
    use(entries, encrypted);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        if (!operation(vaults(entries))) state.SkipWithError("the vault operation failed");
    }
    const double perCall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
                           double(state.iterations());
    if (!encrypted)
        plainTimes[{name, entries}] = perCall;
    else if (plainTimes.count({name, entries}))
        state.counters["vs_plain"] = perCall / plainTimes[{name, entries}];
    forgetVaultKey();
}

void BM_ListFillAll(benchmark::State& state) {
    measure(state, "fill", [](BenchVaults&) {
        const Result<QList<ListedEntry>> rows = store::listEntries(QStringLiteral("ALL CATEGORIES"));
        return rows && !rows->isEmpty();
    });
}
void BM_ShowEntry(benchmark::State& state) {
    measure(state, "show", [](BenchVaults& v) {
        const Result<ShownEntry> shown = store::showEntry(v.middleKey);
        return bool(shown);
    });
}
void BM_SearchWord(benchmark::State& state) {
    measure(state, "search",
            [](BenchVaults&) { return bool(store::findEntries(QStringLiteral("no such word anywhere"))); });
}
void BM_DuplicateCheck(benchmark::State& state) {
    measure(state, "duplicate", [](BenchVaults&) {
        const Result<bool> taken =
            store::isDuplicateDescription(QStringLiteral("A description that no entry uses"));
        return taken && !*taken;
    });
}

void BM_Unlock(benchmark::State& state) {
    BenchVaults& v = vaults(10000);
    const QString path = v.encryptedFolder + QStringLiteral("/gpwdfsc.mdb");
    for (auto _ : state) {
        const VaultFileHeader header = readVaultHeader(path);
        std::optional<VaultKey> key = VaultKey::deriveFromLogin(Password, header.salt);
        if (!key || !keyOpensVault(path, *key)) state.SkipWithError("the key does not open the vault");
    }
}

// Plain before encrypted for each size, so the ratio has its reference.
void sizes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"entries", "encrypted"});
    for (int entries : {10000, 100000})
        for (int encrypted : {0, 1})
            b->Args({entries, encrypted});
    b->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_ListFillAll)->Apply(sizes);
BENCHMARK(BM_ShowEntry)->Apply(sizes);
BENCHMARK(BM_SearchWord)->Apply(sizes);
BENCHMARK(BM_DuplicateCheck)->Apply(sizes);
BENCHMARK(BM_Unlock)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
