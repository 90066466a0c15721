#include "benchvault.h"

#include "app/modmain.h"
#include "store/codec.h"
#include "store/locations.h"
#include "store/statements.h"
#include "store/vault.h"
#include "store/vaultbuilder.h"

#include <QDir>
#include <QTemporaryDir>
#include <random>

namespace {
QString randomText(std::mt19937& rng, int length) {
    static const QString alphabet =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .-_@/:");
    QString s;
    for (int i = 0; i < length; ++i) s += alphabet[int(rng() % alphabet.size())];
    return s;
}
} // namespace

QString makeBenchVault(int entries) {
    static QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/v%1").arg(entries);
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/gpwdfsc.mdb");
    if (!buildVault(path, QStringLiteral(QUORLANE_SOURCE_DIR "/resources/vault/schema.sql"),
                    QStringLiteral(QUORLANE_SOURCE_DIR "/resources/vault/categories.sql")))
        qFatal("cannot build the benchmark vault");
    {
        sqlite::Connection db(path);
        db.execute("BEGIN");
        for (int c = 0; c < 3; ++c) {
            sqlite::Statement category(db, "INSERT INTO Cats (CatName) VALUES (?)");
            category.bind(1, QStringLiteral("EXTRA %1").arg(c)).next();
        }
        std::mt19937 rng(42);
        const QStringList categories = {QStringLiteral("CREDIT CARD"), QStringLiteral("WEB SITE"),
                                        QStringLiteral("HOME"),        QStringLiteral("EMAIL"),
                                        QStringLiteral("BANK ACCOUNT"), QStringLiteral("SOFTWARE LICENSE"),
                                        QStringLiteral("WI-FI NETWORK"), QStringLiteral("EXTRA 0"),
                                        QStringLiteral("EXTRA 1"),      QStringLiteral("EXTRA 2")};
        for (int i = 0; i < entries; ++i) {
            sqlite::Statement q(db, sql::InsertEntry);
            q.bind(1, EncodeValue(QStringLiteral("Entry %1 ").arg(i, 5, 10, QLatin1Char('0')) +
                                  randomText(rng, 15 + int(rng() % 40))));
            for (int f = 1; f <= 4; ++f) q.bind(f + 1, EncodeValue(randomText(rng, 20 + int(rng() % 41))));
            q.bind(6, EncodeValue(randomText(rng, 200)));
            q.bind(7, EncodeValue(categories[i % categories.size()]));
            q.bind(8, EncodeValue(QStringLiteral("03/15/2013 02:05:09 pm")));
            q.next();
        }
        db.execute("COMMIT");
    }
    AppFolder = folder;
    VaultFolder = folder;
    MaxAttempts = 5;
    return folder;
}

long long plainScanOfEntries() {
    long long total = 0;
    runVaultOperation(ErrorCode(0), [&total] {
        total = 0;
        openVault();
        sqlite::Statement rows = openRecords(sql::SelectEntries);
        while (rows.next())
            for (int c = 0; c < 9; ++c) total += rows.text(c).size();
        closeVault();
    });
    return total;
}
