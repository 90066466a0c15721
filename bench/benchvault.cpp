#include "benchvault.h"

#include "app/modmain.h"
#include "store/codec.h"
#include "store/locations.h"
#include "store/statements.h"
#include "store/vault.h"
#include "store/vaultbuilder.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
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
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
        db.setDatabaseName(path);
        db.open();
        db.transaction();
        QSqlQuery q(db);
        for (int c = 0; c < 3; ++c) {
            q.prepare(QStringLiteral("INSERT INTO Cats (CatName) VALUES (?)"));
            q.addBindValue(QStringLiteral("EXTRA %1").arg(c));
            q.exec();
        }
        std::mt19937 rng(42);
        const QStringList categories = {QStringLiteral("CREDIT CARD"), QStringLiteral("WEB SITE"),
                                        QStringLiteral("HOME"),        QStringLiteral("EMAIL"),
                                        QStringLiteral("BANK ACCOUNT"), QStringLiteral("SOFTWARE LICENSE"),
                                        QStringLiteral("WI-FI NETWORK"), QStringLiteral("EXTRA 0"),
                                        QStringLiteral("EXTRA 1"),      QStringLiteral("EXTRA 2")};
        q.prepare(QString::fromLatin1(sql::InsertEntry));
        for (int i = 0; i < entries; ++i) {
            q.bindValue(0, EncodeValue(QStringLiteral("Entry %1 ").arg(i, 5, 10, QLatin1Char('0')) +
                                       randomText(rng, 15 + int(rng() % 40))));
            for (int f = 1; f <= 4; ++f) q.bindValue(f, EncodeValue(randomText(rng, 20 + int(rng() % 41))));
            q.bindValue(5, EncodeValue(randomText(rng, 200)));
            q.bindValue(6, EncodeValue(categories[i % categories.size()]));
            q.bindValue(7, EncodeValue(QStringLiteral("03/15/2013 02:05:09 pm")));
            q.exec();
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench"));
    AppFolder = folder;
    VaultFolder = folder;
    MaxAttempts = 5;
    return folder;
}

long long plainScanOfEntries() {
    long long total = 0;
    runVaultOperation(0, [&total] {
        openVault();
        QSqlQuery& rows = openRecords(sql::SelectEntries);
        const int columns = rows.record().count();
        while (rows.next())
            for (int c = 0; c < columns; ++c) total += rows.value(c).toString().size();
        closeRecords();
        closeVault();
    });
    return total;
}
