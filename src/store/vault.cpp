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
#include <memory>
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

} // namespace

struct VaultAccess {
    Operation current;
    bool inTransaction = false;
    std::optional<sqlite::Connection> connection;
    // The vault whose list index was looked for in this run.
    QString checkedVault;
    // Whether the last failed operation met a vault changed by another program.
    bool metOutsideChange = false;
    std::optional<FileState> knownFile;
    // The connection kept open on the known file for its data_version, and the value last read.
    std::optional<sqlite::Connection> watch;
    qint64 knownDataVersion = -1;
    FaultHook faultHook;
};

StoreState::StoreState() : access(std::make_unique<VaultAccess>()) {}
StoreState::~StoreState() = default;
StoreState::StoreState(StoreState&&) noexcept = default;
StoreState& StoreState::operator=(StoreState&&) noexcept = default;

StoreState& storeState() {
    static StoreState state;
    return state;
}

namespace {

VaultAccess& access() {
    return *storeState().access;
}

std::optional<FileState> fileStateNow() {
    struct stat info {};
    if (::stat(QFile::encodeName(vaultFilePath()).constData(), &info) != 0) return std::nullopt;
    return FileState{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

// The watching connection's data_version; -1 when it cannot be read (the file busy or gone).
qint64 watchedDataVersion() {
    VaultAccess& state = access();
    if (!state.watch) return -1;
    try {
        sqlite::Statement version(*state.watch, sql::DataVersion);
        return version.next() ? version.number(0) : -1;
    } catch (const VaultFailure&) {
        return -1;
    }
}

FaultHook& faultHook() {
    return access().faultHook;
}

void countStatement() {
    VaultAccess& state = access();
    ++state.current.statement;
    if (faultHook() && faultHook()(state.current.code, state.current.attempt, state.current.statement))
        throw VaultFailure{QStringLiteral("Quorlane"), -1, QStringLiteral("Injected failure")};
}

const sqlite::Connection& openConnection() {
    VaultAccess& state = access();
    if (!state.connection)
        throw VaultFailure{QStringLiteral("Quorlane"), -1, QStringLiteral("The vault is not open")};
    return *state.connection;
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
    VaultAccess& state = access();
    if (state.connection && state.inTransaction) {
        try {
            state.connection->execute(sql::Rollback);
        } catch (const VaultFailure&) {
            // closing without a commit drops the transaction as well
        }
    }
    state.inTransaction = false;
    state.connection.reset();
}

} // namespace

void resetStoreGlobals() {
    forgetVaultFileChecks();
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
    VaultAccess& state = access();
    const QString path = vaultFilePath();
    if (state.checkedVault == path) return;
    try {
        if (sqlite::Statement(db, sql::FindListIndex).next()) {
            state.checkedVault = path;
            return;
        }
        if (sqlite3_db_readonly(db.handle(), "main") == 1) {
            state.checkedVault = path;
            return;
        }
        db.execute(sql::BeginWrite);
        try {
            db.execute(sql::CreateListIndex);
            db.execute(sql::Commit);
            vaultFileWritten(QDir::cleanPath(path));
            // This program's own change: the file stays the known one.
            if (state.knownFile) rememberVaultFile();
        } catch (const VaultFailure&) {
            db.execute(sql::Rollback);
            throw;
        }
        state.checkedVault = path;
    } catch (const VaultFailure& failure) {
        // Only a speed-up: the operation's own statements meet any real fault of the file.
        if (failure.number != SQLITE_BUSY && failure.number != SQLITE_LOCKED) state.checkedVault = path;
    }
}

} // namespace

sqlite::Connection openVaultConnection() {
    sqlite::Connection db = openCheckedVault(QDir::cleanPath(vaultFilePath()), heldVaultKey());
    addListIndex(db);
    return db;
}

void openVault() {
    VaultAccess& state = access();
    state.connection.reset();
    state.inTransaction = false;
    state.connection.emplace(openVaultConnection());
    if (state.current.writes) {
        // The write lock first: from here until the commit no other program can change the
        // file, so what is checked now is what is written over.
        state.connection->execute(sql::BeginWrite);
        state.inTransaction = true;
        if (vaultChangedOutside()) throw VaultChangedOutside{};
    }
}

void closeVault() {
    VaultAccess& state = access();
    const bool wrote = state.connection && state.inTransaction;
    if (wrote) {
        state.inTransaction = false;
        state.connection->execute(sql::Commit);
        vaultFileWritten(QDir::cleanPath(vaultFilePath()));
    }
    state.connection.reset();
    // This program's own change is the file as known from now on.
    if (wrote) rememberVaultFile();
}

void rememberVaultFile(const VaultKey* key) {
    VaultAccess& state = access();
    state.knownFile = fileStateNow();
    state.watch.reset();
    state.knownDataVersion = -1;
    if (!state.knownFile) return;
    try {
        state.watch.emplace(QDir::cleanPath(vaultFilePath()), key);
        state.watch->execute(sql::QueryOnly);
    } catch (const VaultFailure&) {
        state.watch.reset();
    }
    state.knownDataVersion = watchedDataVersion();
}

void rememberVaultFile() {
    rememberVaultFile(heldVaultKey());
}

bool vaultChangedOutside() {
    VaultAccess& state = access();
    if (!state.knownFile) return false;
    if (fileStateNow() != state.knownFile) return true;
    // The same file, size and time (a file system whose times are coarse): a commit of another
    // connection still moves the data version.
    const qint64 version = watchedDataVersion();
    return version != -1 && state.knownDataVersion != -1 && version != state.knownDataVersion;
}

void forgetVaultFile() {
    VaultAccess& state = access();
    state.watch.reset();
    state.knownFile.reset();
    state.knownDataVersion = -1;
}

void letGoOfVaultWatch() {
    VaultAccess& state = access();
    state.watch.reset();
    state.knownDataVersion = -1;
}

bool lastOperationMetOutsideChange() {
    return access().metOutsideChange;
}

bool vaultIsOpen() {
    return access().connection.has_value();
}

bool vaultWriteLockHeld() {
    VaultAccess& state = access();
    return state.connection && state.inTransaction && state.current.writes;
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
    return access().current.code != 0;
}

bool runVaultOperation(ErrorCode code, const std::function<void()>& body, const VaultOptions& options) {
    struct Restore {
        Operation operation = access().current;
        bool transaction = access().inTransaction;
        ~Restore() {
            access().current = operation;
            access().inTransaction = transaction;
        }
    } restore;
    access().current = {int(code), options.writes, 0, 0};
    access().inTransaction = false;
    access().metOutsideChange = false;
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
        ++access().current.attempt;
        access().current.statement = 0;
        VaultFailure failure;
        try {
            body();
            return true;
        } catch (const VaultChangedOutside&) {
            // Nothing was written; the caller re-reads the vault rather than trying again.
            abandonAttempt();
            access().metOutsideChange = true;
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
            access().current.attempt >= storeState().maxAttempts)
            return false;
    }
}
