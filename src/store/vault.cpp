#include "vault.h"

#include "codec.h"
#include "filecheck.h"
#include "locations.h"
#include "statements.h"
#include "vaultkey.h"

#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <exception>
#include <optional>

namespace {

// The running operation, saved and restored around nested ones.
struct Operation {
    int code = 0;
    bool writes = false;
    int attempt = 0;
    int statement = 0;
};
Operation current;
bool inTransaction = false;
std::optional<sqlite::Connection> connection;
// The vault whose list index was looked for in this run.
QString checkedVault;

FaultHook& faultHook() {
    static FaultHook hook;
    return hook;
}

void countStatement() {
    ++current.statement;
    if (faultHook() && faultHook()(current.code, current.attempt, current.statement))
        throw VaultFailure{QStringLiteral("Quorlane"), -1, QStringLiteral("Injected failure")};
}

const sqlite::Connection& openConnection() {
    if (!connection)
        throw VaultFailure{QStringLiteral("Quorlane"), -1, QStringLiteral("The vault is not open")};
    return *connection;
}

void bindAll(sqlite::Statement& statement, std::initializer_list<BoundValue> values) {
    int position = 0;
    for (const BoundValue& value : values) {
        ++position;
        std::visit([&](const auto& v) { statement.bind(position, v); }, value);
    }
}

// Ends the attempt without throwing: the transaction is rolled back and the connection let go.
void abandonAttempt() {
    if (connection && inTransaction) {
        try {
            connection->execute("ROLLBACK");
        } catch (const VaultFailure&) {
            // closing without a commit drops the transaction as well
        }
    }
    inTransaction = false;
    connection.reset();
}

} // namespace

void resetStoreGlobals() {
    connection.reset();
    inTransaction = false;
    checkedVault.clear();
    current = {};
    forgetVaultFileChecks();
    AppFolder.clear();
    MaxAttempts = 0;
    AttemptCount = 0;
    LastErrorText.clear();
    forgetVaultKey();
}

QString vaultFilePath() {
    if (!ChosenVaultFile.isEmpty()) return ChosenVaultFile;
    return VaultFolder + QLatin1Char('/') + QLatin1String(VaultFileName);
}

namespace {

// Gives a vault made before the entry list's index that index, in one transaction. Runs once per
// vault file and run of the program: a vault that cannot be written (read-only file or folder)
// is read without it. A failure that may pass (the file busy) is tried again at the next opening.
void addListIndex(sqlite::Connection& db) {
    const QString path = vaultFilePath();
    if (checkedVault == path) return;
    try {
        if (sqlite::Statement(db, sql::FindListIndex).next()) {
            checkedVault = path;
            return;
        }
        if (sqlite3_db_readonly(db.handle(), "main") == 1) {
            checkedVault = path;
            return;
        }
        db.execute("BEGIN IMMEDIATE");
        try {
            db.execute(sql::CreateListIndex);
            db.execute("COMMIT");
            vaultFileWritten(QDir::cleanPath(path));
        } catch (const VaultFailure&) {
            db.execute("ROLLBACK");
            throw;
        }
        checkedVault = path;
    } catch (const VaultFailure& failure) {
        // Only a speed-up: the operation's own statements meet any real fault of the file.
        if (failure.number != SQLITE_BUSY && failure.number != SQLITE_LOCKED) checkedVault = path;
    }
}

} // namespace

sqlite::Connection openVaultConnection() {
    sqlite::Connection db = openCheckedVault(QDir::cleanPath(vaultFilePath()), heldVaultKey());
    addListIndex(db);
    return db;
}

void openVault() {
    connection.reset();
    inTransaction = false;
    connection.emplace(openVaultConnection());
    if (current.writes) {
        connection->execute("BEGIN");
        inTransaction = true;
    }
}

void closeVault() {
    if (connection && inTransaction) {
        inTransaction = false;
        connection->execute("COMMIT");
        vaultFileWritten(QDir::cleanPath(vaultFilePath()));
    }
    connection.reset();
}

bool vaultIsOpen() {
    return connection.has_value();
}

sqlite::Statement openRecords(const char* statement, std::initializer_list<BoundValue> values) {
    countStatement();
    sqlite::Statement rows(openConnection(), statement);
    bindAll(rows, values);
    return rows;
}

void executeStatement(const char* statement, std::initializer_list<BoundValue> values) {
    countStatement();
    sqlite::Statement write(openConnection(), statement);
    bindAll(write, values);
    while (write.next()) {
    }
}

QString encodeForWrite(const QString& plain, bool entryValue) {
    QString encoded = entryValue ? EncodeEntryValue(plain) : EncodeValue(plain);
    if (encoded == CodecError)
        throw VaultFailure{QStringLiteral("Quorlane"), -1, QStringLiteral("A value cannot be stored")};
    return encoded;
}

void rememberFailure(const VaultFailure& failure) {
    LastErrorText = failure.source + QStringLiteral(": ") + QString::number(failure.number) +
                    QStringLiteral(": ") + failure.description;
    // A vault that is missing, cannot be read or is no database: the report names the file.
    constexpr qint64 CannotOpen = 14, NotADatabase = 26; // SQLite's primary result codes
    const qint64 primary = failure.number & 0xff;
    if (failure.source == QLatin1String("SQLite") && (primary == CannotOpen || primary == NotADatabase))
        LastErrorText += QStringLiteral(": ") + QDir::toNativeSeparators(vaultFilePath());
}

void setFaultHook(FaultHook hook) {
    faultHook() = std::move(hook);
}

namespace {
std::function<void(bool)>& busyHandler() {
    static std::function<void(bool)> handler;
    return handler;
}
} // namespace

void setBusyHandler(std::function<void(bool)> handler) {
    busyHandler() = std::move(handler);
}

bool vaultOperationRunning() {
    return current.code != 0;
}

bool runVaultOperation(ErrorCode code, const std::function<void()>& body, const VaultOptions& options) {
    struct Restore {
        Operation operation = current;
        bool transaction = inTransaction;
        ~Restore() {
            current = operation;
            inTransaction = transaction;
        }
    } restore;
    current = {int(code), options.writes, 0, 0};
    inTransaction = false;
    if (!options.continuesCount) AttemptCount = 0;
    // The busy pointer while the outermost operation runs (a locked vault can take a moment).
    struct BusyPointer {
        bool shown;
        explicit BusyPointer(bool outermost) : shown(outermost && busyHandler()) {
            if (shown) busyHandler()(true);
        }
        ~BusyPointer() {
            if (shown && busyHandler()) busyHandler()(false);
        }
    } busy(restore.operation.code == 0);
    for (;;) {
        ++current.attempt;
        current.statement = 0;
        VaultFailure failure;
        try {
            body();
            return true;
        } catch (const VaultFailure& f) {
            failure = f;
        } catch (const std::exception& e) {
            failure = {QStringLiteral("Quorlane"), -1, QString::fromLocal8Bit(e.what())};
        }
        rememberFailure(failure);
        abandonAttempt();
        ++AttemptCount;
        // An operation run inside the body starts the shared count again; the operation's own
        // attempts still end it, so a body whose inner part succeeds cannot retry for ever.
        if (AttemptCount >= MaxAttempts || current.attempt >= MaxAttempts) return false;
    }
}
