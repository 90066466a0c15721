#include "vault.h"

#include "codec.h"
#include "errorcodes.h"
#include "vaultfile.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>
#include <exception>

namespace {

constexpr char ConnectionName[] = "VaultConnection";

// The running operation, saved and restored around nested ones.
struct Operation {
    int code = 0;
    bool writes = false;
    int attempt = 0;
    int statement = 0;
};
Operation current;
bool inTransaction = false;

FaultHook& faultHook() {
    static FaultHook hook;
    return hook;
}

QSqlDatabase connection() {
    if (!QSqlDatabase::contains(QLatin1String(ConnectionName)))
        return QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(ConnectionName));
    return QSqlDatabase::database(QLatin1String(ConnectionName), false);
}

VaultFailure failureOf(const QSqlError& error) {
    bool numeric = false;
    qint64 number = error.nativeErrorCode().toLongLong(&numeric);
    if (!numeric) number = -1;
    QString description = error.databaseText();
    if (description.isEmpty()) description = error.driverText();
    if (description.isEmpty()) description = QStringLiteral("Unknown database failure");
    return {QStringLiteral("SQLite"), number, description};
}

void countStatement() {
    ++current.statement;
    if (faultHook() && faultHook()(current.code, current.attempt, current.statement))
        throw VaultFailure{QStringLiteral("Quorlane"), -1, QStringLiteral("Injected failure")};
}

void bindAll(QSqlQuery& query, std::initializer_list<QVariant> values) {
    int i = 0;
    for (const QVariant& value : values) query.bindValue(i++, value);
}

// Ends the attempt without throwing: records, transaction and connection are let go.
void abandonAttempt(bool closesRecords) {
    if (closesRecords) {
        closeRecords(VaultRecords);
        closeRecords(CategoryRecords);
    }
    QSqlDatabase db = connection();
    if (inTransaction) {
        inTransaction = false;
        db.rollback();
    }
    // Records still bound to the connection would keep it busy.
    VaultRecords.reset();
    CategoryRecords.reset();
    db.close();
}

} // namespace

void resetStoreGlobals() {
    closeRecords(VaultRecords);
    closeRecords(CategoryRecords);
    if (QSqlDatabase::contains(QLatin1String(ConnectionName))) connection().close();
    inTransaction = false;
    current = {};
    AppFolder.clear();
    MaxAttempts = 0;
    AttemptCount = 0;
    LastErrorText.clear();
}

QString vaultFilePath() { return AppFolder + QLatin1Char('/') + QLatin1String(VaultFileName); }

void openVault() {
    QSqlDatabase db = connection();
    if (db.isOpen()) db.close();
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    db.setDatabaseName(QUrl::fromLocalFile(QDir::cleanPath(vaultFilePath())).toString(QUrl::FullyEncoded) +
                       QStringLiteral("?mode=rw"));
    if (!db.open()) throw failureOf(db.lastError());
    if (const int rc = applyVaultKey(*static_cast<sqlite3* const*>(db.driver()->handle().constData()), heldVaultKey());
        rc != 0)
        throw VaultFailure{QStringLiteral("SQLite"), rc, QStringLiteral("key not accepted")};
    // Reads walk every entry: mapping the file saves a copy of each page.
    QSqlQuery(db).exec(QStringLiteral("PRAGMA mmap_size = 268435456"));
    if (current.writes) {
        if (!db.transaction()) throw failureOf(db.lastError());
        inTransaction = true;
    }
}

void closeVault() {
    QSqlDatabase db = connection();
    if (inTransaction) {
        inTransaction = false;
        if (!db.commit()) {
            const VaultFailure failure = failureOf(db.lastError());
            db.rollback();
            throw failure;
        }
    }
    db.close();
}

QSqlQuery& openRecords(std::optional<QSqlQuery>& rs, const char* statement, std::initializer_list<QVariant> values) {
    rs.reset();
    countStatement();
    QSqlDatabase db = connection();
    if (!db.isOpen()) throw VaultFailure{QStringLiteral("Quorlane"), -1, QStringLiteral("The vault is not open")};
    rs.emplace(db);
    rs->setForwardOnly(true);
    if (!rs->prepare(QLatin1String(statement))) throw failureOf(rs->lastError());
    bindAll(*rs, values);
    if (!rs->exec()) throw failureOf(rs->lastError());
    return *rs;
}

void closeRecords(std::optional<QSqlQuery>& rs) {
    if (rs) rs->finish();
    rs.reset();
}

void executeStatement(const char* statement, std::initializer_list<QVariant> values) {
    countStatement();
    for (const QVariant& value : values)
        if (value.typeId() == QMetaType::QString && value.toString() == CodecError)
            throw VaultFailure{QStringLiteral("Quorlane"), -1, QStringLiteral("A value could not be encoded")};
    QSqlDatabase db = connection();
    if (!db.isOpen()) throw VaultFailure{QStringLiteral("Quorlane"), -1, QStringLiteral("The vault is not open")};
    QSqlQuery query(db);
    if (!query.prepare(QLatin1String(statement))) throw failureOf(query.lastError());
    bindAll(query, values);
    if (!query.exec()) throw failureOf(query.lastError());
}

QString columnText(const QSqlQuery& rs, const char* column) {
    const QVariant value = rs.value(QLatin1String(column));
    return value.isNull() ? QString() : value.toString();
}

QString encodeForWrite(const QString& plain) {
    QString encoded = EncodeValue(plain);
    if (encoded == CodecError)
        throw VaultFailure{QStringLiteral("Quorlane"), -1, QStringLiteral("A value is too long to be stored")};
    return encoded;
}

void rememberFailure(const VaultFailure& failure) {
    LastErrorText = failure.source + QStringLiteral(": ") + QString::number(failure.number) + QStringLiteral(": ") +
                    failure.description;
}

void setFaultHook(FaultHook hook) { faultHook() = std::move(hook); }

void runVaultOperation(int code, const std::function<void()>& body, const VaultOptions& options) {
    struct Restore {
        Operation operation = current;
        bool transaction = inTransaction;
        ~Restore() {
            current = operation;
            inTransaction = transaction;
        }
    } restore;
    current = {code, options.writes, 0, 0};
    inTransaction = false;
    AttemptCount = 0;
    for (;;) {
        ++current.attempt;
        current.statement = 0;
        VaultFailure failure;
        try {
            body();
            break;
        } catch (const VaultFailure& f) {
            failure = f;
        } catch (const std::exception& e) {
            failure = {QStringLiteral("Quorlane"), -1, QString::fromLocal8Bit(e.what())};
        }
        rememberFailure(failure);
        abandonAttempt(options.closesRecords);
        ++AttemptCount;
        if (AttemptCount < MaxAttempts) continue;
        if (options.cleanup) options.cleanup();
        showVaultReport(code);
        break;
    }
}
