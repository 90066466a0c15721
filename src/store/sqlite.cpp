#include "sqlite.h"

#include "statements.h"
#include "vault.h"
#include "vaultfile.h"
#include "vaultkey.h"

#include <QFile>
#include <sqlcipher/sqlite3.h>
#include <utility>

namespace sqlite {

namespace {

// SQLite waits this long for another program's lock to go before a statement fails, so that
// five attempts stay well under two seconds.
constexpr int BusyWaitMs = 300;

[[noreturn]] void failWith(sqlite3* db, int code) {
    const char* text = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    const int number = db ? sqlite3_errcode(db) : code;
    QString description = QString::fromUtf8(text ? text : "Unknown database failure");
    if (number == SQLITE_BUSY || number == SQLITE_LOCKED)
        description = QStringLiteral("The vault is in use by another program (%1)").arg(description);
    throw VaultFailure{QStringLiteral("SQLite"), number, description};
}

} // namespace

} // namespace sqlite

static_assert(VaultPageSize == 16384 && EarlierVaultPageSize == 1024,
              "sql::KeyPageSize and sql::EarlierKeyPageSize name the page sizes");

int applyVaultKey(sqlite3* db, const VaultKey* key) {
    if (key) {
        if (const int rc = sqlite3_key(db, key->keyText(), key->keyTextSize()); rc != SQLITE_OK) return rc;
        const char* pageSize =
            key->pageSize() == EarlierVaultPageSize ? sql::EarlierKeyPageSize : sql::KeyPageSize;
        if (const int rc = sqlite3_exec(db, pageSize, nullptr, nullptr, nullptr); rc != SQLITE_OK) return rc;
    }
    return sqlite3_exec(db, sql::TempInMemory, nullptr, nullptr, nullptr);
}

namespace sqlite {

Connection::Connection(const QString& path, const VaultKey* key) {
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) rc = applyVaultKey(db_, key);
    if (rc != SQLITE_OK) {
        // The handle carries the failure's text; it is let go before the throw.
        VaultFailure failure{QStringLiteral("SQLite"), rc,
                             QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc))};
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw failure;
    }
    sqlite3_extended_result_codes(db_, 0);
    sqlite3_busy_timeout(db_, BusyWaitMs);
}

Connection::~Connection() {
    if (db_) sqlite3_close_v2(db_);
}

Connection::Connection(Connection&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

Connection& Connection::operator=(Connection&& other) noexcept {
    std::swap(db_, other.db_);
    return *this;
}

void Connection::execute(const char* sql) {
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) failWith(db_, rc);
}

Statement::Statement(const Connection& connection, const char* sql) : db_(connection.handle()) {
    if (!db_) throw VaultFailure{QStringLiteral("Quorlane"), -1, QStringLiteral("The vault is not open")};
    const int rc = sqlite3_prepare_v2(db_, sql, -1, &stmt_, nullptr);
    if (rc != SQLITE_OK) failWith(db_, rc);
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), stmt_(std::exchange(other.stmt_, nullptr)) {}

void Statement::fail() const {
    failWith(db_, sqlite3_errcode(db_));
}

Statement& Statement::bind(int position, const QString& text) {
    // A null text is bound as NULL, an empty one as ''.
    if (text.isNull()) {
        if (sqlite3_bind_null(stmt_, position) != SQLITE_OK) fail();
        return *this;
    }
    const QByteArray utf8 = text.toUtf8();
    if (sqlite3_bind_text(stmt_, position, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        fail();
    return *this;
}

Statement& Statement::bind(int position, QByteArrayView text) {
    if (sqlite3_bind_text(stmt_, position, text.data() ? text.data() : "", int(text.size()), SQLITE_STATIC) !=
        SQLITE_OK)
        fail();
    return *this;
}

Statement& Statement::bind(int position, qint64 number) {
    if (sqlite3_bind_int64(stmt_, position, number) != SQLITE_OK) fail();
    return *this;
}

bool Statement::next() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    failWith(db_, rc);
}

QString Statement::text(int column) const {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return data ? QString::fromUtf8(data, sqlite3_column_bytes(stmt_, column)) : QString();
}

QByteArray Statement::bytes(int column) const {
    const void* data = sqlite3_column_blob(stmt_, column);
    return data ? QByteArray(static_cast<const char*>(data), sqlite3_column_bytes(stmt_, column))
                : QByteArray();
}

QByteArrayView Statement::bytesView(int column) const {
    const void* data = sqlite3_column_blob(stmt_, column);
    return data ? QByteArrayView(static_cast<const char*>(data), sqlite3_column_bytes(stmt_, column))
                : QByteArrayView();
}

qint64 Statement::number(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

int Statement::column(const char* name) const {
    const int count = sqlite3_column_count(stmt_);
    for (int i = 0; i < count; ++i)
        if (sqlite3_stricmp(sqlite3_column_name(stmt_, i), name) == 0) return i;
    return -1;
}

} // namespace sqlite
