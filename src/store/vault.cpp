#include "vault.h"

#include "codec.h"
#include "locations.h"

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
    if (!connection) throw VaultFailure{QStringLiteral("Quorlane"), -1, QStringLiteral("The vault is not open")};
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
    current = {};
    AppFolder.clear();
    MaxAttempts = 0;
    AttemptCount = 0;
    LastErrorText.clear();
}

QString vaultFilePath() { return VaultFolder + QLatin1Char('/') + QLatin1String(VaultFileName); }

sqlite::Connection openVaultConnection() {
    sqlite::Connection db(QDir::cleanPath(vaultFilePath()));
    // Reads walk every entry: mapping the file saves a copy of each page.
    try {
        db.execute("PRAGMA mmap_size = 268435456");
    } catch (const VaultFailure&) {
        // only a speed-up; a file that is no vault fails at its first read
    }
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
    }
    connection.reset();
}

bool vaultIsOpen() { return connection.has_value(); }

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

QString encodeForWrite(const QString& plain) {
    QString encoded = EncodeValue(plain);
    if (encoded == CodecError)
        throw VaultFailure{QStringLiteral("Quorlane"), -1, QStringLiteral("A value is too long to be stored")};
    return encoded;
}

void rememberFailure(const VaultFailure& failure) {
    LastErrorText = failure.source + QStringLiteral(": ") + QString::number(failure.number) + QStringLiteral(": ") +
                    failure.description;
    // A vault that is missing, cannot be read or is no database: the report names the file.
    constexpr qint64 CannotOpen = 14, NotADatabase = 26; // SQLite's primary result codes
    const qint64 primary = failure.number & 0xff;
    if (failure.source == QLatin1String("SQLite") && (primary == CannotOpen || primary == NotADatabase))
        LastErrorText += QStringLiteral(": ") + QDir::toNativeSeparators(vaultFilePath());
}

void setFaultHook(FaultHook hook) { faultHook() = std::move(hook); }

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
        if (AttemptCount >= MaxAttempts) return false;
    }
}
