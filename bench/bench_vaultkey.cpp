// The cost of unlocking an encrypted vault: one Argon2id derivation with the program's
// parameters (VaultKeyCost), and, for choosing them again on other machines, the same derivation
// over a grid of passes and memory sizes.
#include "store/vaultkey.h"

#include <benchmark/benchmark.h>
#include <sodium.h>

#include <vector>

namespace {

const QString Password = QStringLiteral("CORRECT HORSE BATTERY STAPLE");

void BM_Unlock(benchmark::State& state) {
    const VaultSalt salt = newVaultSalt();
    for (auto _ : state) {
        std::optional<VaultKey> key = VaultKey::deriveFromLogin(Password, salt);
        if (!key) state.SkipWithError("derivation failed");
        benchmark::DoNotOptimize(key);
    }
    state.counters["passes"] = double(VaultKeyCost.passes);
    state.counters["MiB"] = double(VaultKeyCost.memoryBytes >> 20);
}
BENCHMARK(BM_Unlock)->Unit(benchmark::kMillisecond)->Iterations(5);

// range(0) passes, range(1) MiB.
void BM_Argon2idGrid(benchmark::State& state) {
    if (sodium_init() < 0) state.SkipWithError("libsodium");
    const VaultSalt salt = newVaultSalt();
    std::vector<unsigned char> key(VaultKeyBytes);
    const QByteArray password = Password.toUtf8();
    for (auto _ : state) {
        if (crypto_pwhash(key.data(), key.size(), password.constData(), std::size_t(password.size()),
                          salt.data(), (unsigned long long)state.range(0), std::size_t(state.range(1)) << 20,
                          crypto_pwhash_ALG_ARGON2ID13) != 0)
            state.SkipWithError("derivation failed");
    }
}
BENCHMARK(BM_Argon2idGrid)
    ->ArgsProduct({{2, 3, 4}, {64, 128, 192, 256}})
    ->ArgNames({"passes", "MiB"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

BENCHMARK_MAIN();
