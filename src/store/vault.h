#pragma once

#include "globals.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <initializer_list>
#include <optional>

// A failure inside a vault operation's body: the policy records it and retries.
struct VaultFailure {
    QString source;
    qint64 number = 0;
    QString description;
};

// The vault file's name in its folder (VaultFolder, see locations.h).
inline constexpr char VaultFileName[] = "gpwdfsc.mdb";
QString vaultFilePath();

// The connection. open() builds the connection anew (VaultFolder + "/gpwdfsc.mdb", read-write,
// a missing file is never created) and, inside an operation that writes, begins the attempt's
// transaction; close() commits that transaction and closes. Both throw VaultFailure.
void openVault();
void closeVault();

// Runs a read into the record set rs (VaultRecords or CategoryRecords), replacing what it held,
// and gives the record set back positioned before its first row.
QSqlQuery& openRecords(std::optional<QSqlQuery>& rs, const char* statement, std::initializer_list<QVariant> values = {});
inline QSqlQuery& openRecords(const char* statement, std::initializer_list<QVariant> values = {}) {
    return openRecords(VaultRecords, statement, values);
}
void closeRecords(std::optional<QSqlQuery>& rs = VaultRecords);

// Runs a statement that writes. Every value is bound; one that is the codec's "ERROR" is a
// failure of the attempt, never stored as if it were the value.
void executeStatement(const char* statement, std::initializer_list<QVariant> values = {});

// The text of a column of the current row, "" for null (the "& empty text" of the readers).
QString columnText(const QSqlQuery& rs, const char* column);

// The access policy of every vault operation: reset AttemptCount, run body; on a failure record
// LastErrorText, close records (unless the operation only writes) and the connection, count,
// and run body again from its start until MaxAttempts attempts have failed; then run cleanup
// and show the vault error report with code. An operation that writes runs each attempt in one
// transaction, so a failed attempt leaves the vault as it was.
struct VaultOptions {
    bool writes = false;
    bool closesRecords = true;
    std::function<void()> cleanup;
};
void runVaultOperation(int code, const std::function<void()>& body, const VaultOptions& options = {});

// Records a failure in LastErrorText as "source: number: description" (also for operations
// that handle their failures outside the access policy).
void rememberFailure(const VaultFailure& failure);

// Encodes a value for a write; "ERROR" from the codec fails the attempt.
QString encodeForWrite(const QString& plain);

// Tests: make a chosen statement of a chosen attempt fail. The hook gets the operation's code
// (0 outside an operation), the 1-based attempt of that operation and the 1-based statement of
// that attempt; answering true makes that statement fail.
using FaultHook = std::function<bool(int code, int attempt, int statement)>;
void setFaultHook(FaultHook hook);
