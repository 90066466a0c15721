#include "vault.h"

#include "codec.h"
#include "filecheck.h"
#include "locations.h"
#include "statements.h"
#include "vaultkey.h"

#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QFile>
#include <exception>
#include <optional>
#include <sys/stat.h>

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
// Whether the last failed operation met a vault changed by another program.
bool metOutsideChange = false;

// What tells one state of the vault file from another.
struct FileState {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    bool operator==(const FileState& o) const {
        return device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};
std::optional<FileState> knownFile;
// The connection kept open on the known file for its data_version, and the value last read.
std::optional<sqlite::Connection> watch;
qint64 knownDataVersion = -1;

std::optional<FileState> fileStateNow() {
    struct stat info {};
    if (::stat(QFile::encodeName(vaultFilePath()).constData(), &info) != 0) return std::nullopt;
    return FileState{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

// The watching connection's data_version; -1 when it cannot be read (the file busy or gone).
qint64 watchedDataVersion() {
    if (!watch) return -1;
    try {
        sqlite::Statement version(*watch, sql::DataVersion);
        return version.next() ? version.number(0) : -1;
    } catch (const VaultFailure&) {
        return -1;
    }
}

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
            connection->execute(sql::Rollback);
        } catch (const VaultFailure&) {
            // closing without a commit drops the transaction as well
        }
    }
    inTransaction = false;
    connection.reset();
}

} // namespace

StoreState& storeState() {
    static StoreState state;
    return state;
}

void resetStoreGlobals() {
    connection.reset();
    inTransaction = false;
    checkedVault.clear();
    current = {};
    forgetVaultFileChecks();
    forgetVaultFile();
    metOutsideChange = false;
    storeState() = {};
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
        db.execute(sql::BeginWrite);
        try {
            db.execute(sql::CreateListIndex);
            db.execute(sql::Commit);
            vaultFileWritten(QDir::cleanPath(path));
            // This program's own change: the file stays the known one.
            if (knownFile) rememberVaultFile();
        } catch (const VaultFailure&) {
            db.execute(sql::Rollback);
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
        // The write lock first: from here until the commit no other program can change the
        // file, so what is checked now is what is written over.
        connection->execute(sql::BeginWrite);
        inTransaction = true;
        if (vaultChangedOutside()) throw VaultChangedOutside{};
    }
}

void closeVault() {
    const bool wrote = connection && inTransaction;
    if (wrote) {
        inTransaction = false;
        connection->execute(sql::Commit);
        vaultFileWritten(QDir::cleanPath(vaultFilePath()));
    }
    connection.reset();
    // This program's own change is the file as known from now on.
    if (wrote) rememberVaultFile();
}

void rememberVaultFile(const VaultKey* key) {
    knownFile = fileStateNow();
    watch.reset();
    knownDataVersion = -1;
    if (!knownFile) return;
    try {
        watch.emplace(QDir::cleanPath(vaultFilePath()), key);
        watch->execute(sql::QueryOnly);
    } catch (const VaultFailure&) {
        watch.reset();
    }
    knownDataVersion = watchedDataVersion();
}

void rememberVaultFile() {
    rememberVaultFile(heldVaultKey());
}

bool vaultChangedOutside() {
    if (!knownFile) return false;
    if (fileStateNow() != knownFile) return true;
    // The same file, size and time (a file system whose times are coarse): a commit of another
    // connection still moves the data version.
    const qint64 version = watchedDataVersion();
    return version != -1 && knownDataVersion != -1 && version != knownDataVersion;
}

void forgetVaultFile() {
    watch.reset();
    knownFile.reset();
    knownDataVersion = -1;
}

void letGoOfVaultWatch() {
    watch.reset();
    knownDataVersion = -1;
}

bool lastOperationMetOutsideChange() {
    return metOutsideChange;
}

bool vaultIsOpen() {
    return connection.has_value();
}

bool vaultWriteLockHeld() {
    return connection && inTransaction && current.writes;
}

sqlite::Statement openRecords(const char* statement, std::initializer_list<BoundValue> values) {
    countStatement();
    sqlite::Statement rows(openConnection(), statement);
    bindAll(rows, values);
    return rows;
}

int executeStatement(const char* statement, std::initializer_list<BoundValue> values) {
    countStatement();
    const sqlite::Connection& db = openConnection();
    sqlite::Statement write(db, statement);
    bindAll(write, values);
    while (write.next()) {
    }
    return sqlite3_changes(db.handle());
}

QString encodeForWrite(const QString& plain, bool entryValue) {
    QString encoded = entryValue ? EncodeEntryValue(plain) : EncodeValue(plain);
    if (encoded == CodecError)
        throw VaultFailure{QStringLiteral("Quorlane"), -1, QStringLiteral("A value cannot be stored")};
    return encoded;
}

void rememberFailure(const VaultFailure& failure) {
    storeState().lastErrorText = failure.source + QStringLiteral(": ") + QString::number(failure.number) +
                                 QStringLiteral(": ") + failure.description;
    // A vault that is missing, cannot be read or is no database: the report names the file.
    constexpr qint64 CannotOpen = 14, NotADatabase = 26; // SQLite's primary result codes
    const qint64 primary = failure.number & 0xff;
    if (failure.source == QLatin1String("SQLite") && (primary == CannotOpen || primary == NotADatabase))
        storeState().lastErrorText += QStringLiteral(": ") + QDir::toNativeSeparators(vaultFilePath());
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
    metOutsideChange = false;
    if (!options.continuesCount) storeState().attemptCount = 0;
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
        } catch (const VaultChangedOutside&) {
            // Nothing was written; the caller re-reads the vault rather than trying again.
            abandonAttempt();
            metOutsideChange = true;
            return false;
        } catch (const VaultFailure& f) {
            failure = f;
        } catch (const std::exception& e) {
            failure = {QStringLiteral("Quorlane"), -1, QString::fromLocal8Bit(e.what())};
        }
        rememberFailure(failure);
        abandonAttempt();
        ++storeState().attemptCount;
        // An operation run inside the body starts the shared count again; the operation's own
        // attempts still end it, so a body whose inner part succeeds cannot retry for ever.
        if (storeState().attemptCount >= storeState().maxAttempts ||
            current.attempt >= storeState().maxAttempts)
            return false;
    }
}
