#include "benchvault.h"

#include "app/modmain.h"
#include "app/platform.h"
#include "mainwindow/wiring.h"
#include "store/codec.h"
#include "store/filecheck.h"
#include "store/globals.h"
#include "store/locations.h"
#include "store/statements.h"
#include "store/vault.h"
#include "store/vaultbuilder.h"
#include "store/vaultfile.h"
#include "store/vaultkey.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>

namespace {
QString randomText(std::mt19937& rng, int length) {
    static const QString alphabet =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .-_@/:");
    QString s;
    for (int i = 0; i < length; ++i)
        s += alphabet[int(rng() % alphabet.size())];
    return s;
}
} // namespace

int benchEntries(int& argc, char** argv) {
    int entries = 10000;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--entries=", 10) == 0)
            entries = std::atoi(argv[i] + 10);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    return entries;
}

bool writeBenchVault(const QString& path, int entries) {
    if (!buildVault(path, QStringLiteral(QUORLANE_SOURCE_DIR "/resources/vault/schema.sql"),
                    QStringLiteral(QUORLANE_SOURCE_DIR "/resources/vault/categories.sql")))
        return false;
    try {
        sqlite::Connection db(path);
        db.execute("BEGIN");
        for (int c = 0; c < 3; ++c) {
            sqlite::Statement category(db, "INSERT INTO Cats (CatName) VALUES (?)");
            category.bind(1, QStringLiteral("EXTRA %1").arg(c)).next();
        }
        std::mt19937 rng(42);
        const QStringList categories = {QStringLiteral("CREDIT CARD"),   QStringLiteral("WEB SITE"),
                                        QStringLiteral("HOME"),          QStringLiteral("EMAIL"),
                                        QStringLiteral("BANK ACCOUNT"),  QStringLiteral("SOFTWARE LICENSE"),
                                        QStringLiteral("WI-FI NETWORK"), QStringLiteral("EXTRA 0"),
                                        QStringLiteral("EXTRA 1"),       QStringLiteral("EXTRA 2")};
        for (int i = 0; i < entries; ++i) {
            sqlite::Statement q(db, sql::InsertEntry);
            // Descriptions start with a random letter, so the list's order is not the table's.
            q.bind(1,
                   EncodeValue(randomText(rng, 14) + QStringLiteral(" %1").arg(i, 5, 10, QLatin1Char('0'))));
            for (int f = 1; f <= 4; ++f)
                q.bind(f + 1, EncodeValue(randomText(rng, 15)));
            q.bind(6, EncodeValue(randomText(rng, 300)));
            q.bind(7, EncodeValue(categories[i % categories.size()]));
            q.bind(8, EncodeValue(QStringLiteral("03/15/2013 02:05:09 pm")));
            q.next();
        }
        db.execute("COMMIT");
    } catch (const VaultFailure&) {
        return false;
    }
    return true;
}

namespace {
QTemporaryDir& benchFolder() {
    static QTemporaryDir dir;
    return dir;
}
QString lastBenchVault;

void useFolder(const QString& folder) {
    storeState().appFolder = folder;
    VaultFolder = folder;
    storeState().maxAttempts = 5;
    setVaultCheckerProgram(QStringLiteral(QUORLANE_APP_DIR "/quorlane-vaultcheck"));
}
} // namespace

QString makeBenchVault(int entries) {
    const QString folder = benchFolder().path() + QStringLiteral("/v%1").arg(entries);
    QDir().mkpath(folder);
    if (!writeBenchVault(folder + QStringLiteral("/gpwdfsc.mdb"), entries))
        qFatal("cannot build the benchmark vault");
    useFolder(folder);
    lastBenchVault = folder;
    return folder;
}

long long plainScanOfEntries() {
    long long total = 0;
    runVaultOperation(ErrorCode(0), [&total] {
        total = 0;
        openVault();
        sqlite::Statement rows = openRecords(sql::SelectEntries);
        while (rows.next())
            for (int c = 0; c < 9; ++c)
                total += rows.text(c).size();
        closeVault();
    });
    return total;
}

long long listFloor() {
    sqlite::Connection db = openVaultConnection();
    sqlite::Statement rows(db, "SELECT pNum, PDF1, sCat FROM PDF");
    QStringList descriptions;
    long long keys = 0;
    while (rows.next()) {
        keys += rows.number(0);
        descriptions << DecodeValue(rows.bytesView(1));
        keys += rows.bytesView(2).size();
    }
    const QCollator collator;
    std::vector<QCollatorSortKey> sortKeys;
    sortKeys.reserve(std::size_t(descriptions.size()));
    for (const QString& d : descriptions)
        sortKeys.push_back(collator.sortKey(d));
    std::sort(sortKeys.begin(), sortKeys.end(),
              [](const auto& a, const auto& b) { return a.compare(b) < 0; });
    return qsizetype(sortKeys.size()) + (keys & 1);
}

std::vector<double> bestMillis(const std::vector<std::function<void()>>& operations, int rounds) {
    std::vector<double> best(operations.size(), 1e300);
    for (int round = 0; round < rounds; ++round)
        for (std::size_t i = 0; i < operations.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            operations[i]();
            best[i] = std::min(
                best[i],
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    return best;
}

namespace {
// The operations' best times on two vaults, in alternating blocks of rounds so that both meet the
// machine's disturbances alike; use(false/true) switches to the first/second vault.
std::array<std::vector<double>, 2> bestMillisAlternating(const std::vector<std::function<void()>>& operations,
                                                         int rounds, const std::function<void(bool)>& use) {
    std::array<std::vector<double>, 2> best{std::vector<double>(operations.size(), 1e300),
                                            std::vector<double>(operations.size(), 1e300)};
    constexpr int Blocks = 3;
    for (int block = 0; block < Blocks; ++block) {
        for (const bool second : {false, true}) {
            use(second);
            const std::vector<double> ms = bestMillis(operations, std::max(1, rounds / Blocks));
            for (std::size_t i = 0; i < ms.size(); ++i)
                best[second][i] = std::min(best[second][i], ms[i]);
        }
    }
    return best;
}

// A copy of the last bench vault in a folder of its own; gives the copy's path.
QString copyOfBenchVault(const QString& suffix) {
    const QString folder = lastBenchVault + suffix;
    QDir().mkpath(folder);
    const QString copy = folder + QStringLiteral("/gpwdfsc.mdb");
    QFile::remove(copy);
    if (!QFile::copy(lastBenchVault + QStringLiteral("/gpwdfsc.mdb"), copy)) qFatal("cannot copy the vault");
    return copy;
}
} // namespace

PlainAndEncrypted bestMillisOnBoth(const std::vector<std::function<void()>>& operations, int rounds) {
    const QString password = QStringLiteral("CORRECT HORSE BATTERY STAPLE");
    const QString plainFolder = lastBenchVault;
    const QString encrypted = copyOfBenchVault(QStringLiteral("-encrypted"));
    const VaultSalt salt = newVaultSalt();
    try {
        const std::optional<VaultKey> key = VaultKey::deriveFromLogin(password, salt);
        reencryptVault(encrypted, nullptr, &*key);
    } catch (const VaultFailure& failure) {
        qFatal("cannot encrypt the vault: %s", qPrintable(failure.description));
    }
    auto [plain, encryptedMs] = bestMillisAlternating(operations, rounds, [&](bool encrypting) {
        useFolder(encrypting ? QFileInfo(encrypted).path() : plainFolder);
        if (encrypting)
            holdVaultKey(*VaultKey::deriveFromLogin(password, salt));
        else
            forgetVaultKey();
    });
    forgetVaultKey();
    useFolder(plainFolder);
    return {std::move(plain), std::move(encryptedMs)};
}

SmallAndLargePages bestMillisOnSmallPages(const std::vector<std::function<void()>>& operations, int rounds) {
    const QString largeFolder = lastBenchVault;
    const QString small = copyOfBenchVault(QStringLiteral("-4k"));
    try {
        sqlite::Connection db(small);
        db.execute("PRAGMA page_size = 4096");
        db.execute("VACUUM");
    } catch (const VaultFailure& failure) {
        qFatal("cannot rebuild the vault: %s", qPrintable(failure.description));
    }
    auto [large, smallMs] = bestMillisAlternating(operations, rounds, [&](bool smallPages) {
        useFolder(smallPages ? QFileInfo(small).path() : largeFolder);
    });
    useFolder(largeFolder);
    return {std::move(smallMs), std::move(large), QFileInfo(small).size(),
            QFileInfo(largeFolder + QStringLiteral("/gpwdfsc.mdb")).size()};
}

void printEncryptedFigure(const char* name, double encryptedMs, double plainMs, const char* goal) {
    std::printf("  %-40s %8.1f ms = %5.2fx the plain vault  (goal: %s)\n", name, encryptedMs,
                encryptedMs / plainMs, goal);
}

void printFigure(const char* name, double ms, double floorMs, const char* floorName, const char* goal) {
    std::printf("  %-40s %8.1f ms = %5.2fx %s  (goal: %s)\n", name, ms, ms / floorMs, floorName, goal);
}

void startProgram(Platform& platform) {
    initQuorlaneResources();
    setPlatform(&platform);
    registerMainWindow();
}
