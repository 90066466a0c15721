#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;
class VaultKey;

// A small owner of SQLite's C API objects (SQLCipher's build of the library). Every failure
// throws VaultFailure with the library's code and text. Nothing outside src/store uses these.
namespace sqlite {

// One open database file. Closing lets go of the handle even while statements still exist (they
// are finalized as they go out of scope).
class Connection final {
public:
    // Opens an existing file for reading and writing; a missing file is never created. With a
    // key (an encrypted vault) the key is handed over before anything is read.
    explicit Connection(const QString& path, const VaultKey* key = nullptr);
    ~Connection();
    Connection(Connection&& other) noexcept;
    Connection& operator=(Connection&& other) noexcept;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs a statement without bound values or rows (PRAGMA, BEGIN, COMMIT).
    void execute(const char* sql);
    sqlite3* handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

// One prepared statement. Values are bound by position (1-based, as '?' appear).
class Statement final {
public:
    Statement(const Connection& connection, const char* sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& operator=(Statement&&) = delete;

    Statement& bind(int position, const QString& text); // a null text binds NULL
    Statement& bind(int position, qint64 number);
    // Binds the bytes as text without a copy (a key stays in its own locked memory): they must
    // stay as they are until the statement is done.
    Statement& bind(int position, QByteArrayView text);

    // Steps to the next row: true while there is one; false once the statement is done.
    bool next();

    // The current row's columns: text ("" for null), the raw bytes of a column (encoded text is
    // plain ASCII), a whole number, and whether the column is null.
    QString text(int column) const;
    QByteArray bytes(int column) const;
    // The same bytes without a copy, valid until the next step.
    QByteArrayView bytesView(int column) const;
    qint64 number(int column) const;
    bool isNull(int column) const;
    // Column index by name, without regard to letter case; -1 when the result has none.
    int column(const char* name) const;

private:
    [[noreturn]] void fail() const;
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

} // namespace sqlite
