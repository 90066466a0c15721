#pragma once

#include "errorcodes.h"
#include "globals.h"
#include "sqlite.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <variant>

class VaultKey;

// A failure inside a vault operation's body: the policy records it and retries.
struct VaultFailure {
    QString source;
    qint64 number = 0;
    QString description;
};

// The vault file's name in its folder (the store state's vaultFolder).
inline constexpr char VaultFileName[] = "gpwdfsc.mdb";
// The vault in use: the file named on the command line, else VaultFileName in the store state's vaultFolder.
QString vaultFilePath();

// The one place where the vault file is opened: the store state's vaultFolder + "/gpwdfsc.mdb", read-write, a
// missing file is never created, a file that fails its check (filecheck.h) never opened. Throws
// VaultFailure.
sqlite::Connection openVaultConnection();

// The operation's connection. openVault() opens it anew and, inside an operation that writes,
// begins the attempt's transaction; closeVault() commits that transaction and closes. Both throw
// VaultFailure.
void openVault();
void closeVault();
// Whether the operation's connection is open (tests: nothing is left open after a failure).
bool vaultIsOpen();
// Whether a write's openVault() holds the vault's write lock (re-encryption then takes no lock of
// its own).
bool vaultWriteLockHeld();

// A value bound to a statement's '?'.
using BoundValue = std::variant<QString, qint64>;

// Prepares a read on the open vault with its values bound; step it with next(). Counts as one
// statement for the fault hook.
sqlite::Statement openRecords(const char* statement, std::initializer_list<BoundValue> values = {});

// Runs a statement that writes, every value bound. A value that cannot be encoded has already
// failed the attempt in encodeForWrite; a value that merely reads "ERROR" is stored as it is.
// Answers the number of rows it changed.
int executeStatement(const char* statement, std::initializer_list<BoundValue> values = {});

// The access policy of every vault operation: reset the store's attemptCount, run body; on a failure record
// the store's lastErrorText, close the connection, count, and run body again from its start until
// the store's maxAttempts attempts have failed. Answers whether the body succeeded; the caller shows the
// report. An operation that writes runs each attempt in one transaction, so a failed attempt
// leaves the vault as it was. continuesCount: the count goes on from the operation that ran just
// before inside this one's window step (the category filter fill after the entry list fill).
struct VaultOptions {
    bool writes = false;
    bool continuesCount = false;
};
bool runVaultOperation(ErrorCode code, const std::function<void()>& body, const VaultOptions& options = {});

// Another program changed the vault file since this program last read it in full or wrote it:
// an operation that writes meets this instead of writing, and is not retried.
struct VaultChangedOutside {};

// The vault file as this program knows it: the same file (device and inode, so a file put in its
// place is told apart), its size and modification time, and SQLite's data_version on a connection
// kept open for watching (it moves with every commit of another connection).
// rememberVaultFile takes the file as it is now as the known one (after a full read, and after
// every write of this program); vaultChangedOutside answers whether the file differs from it
// (false while none is known); forgetVaultFile lets go of it (the watching connection holds the
// key of an encrypted vault, so a lock lets go of it too).
void rememberVaultFile(const VaultKey* key);
void rememberVaultFile();
bool vaultChangedOutside();
void forgetVaultFile();
// Closes the watching connection only (the key is forgotten): the file's identity is still checked.
void letGoOfVaultWatch();

// Whether the last operation that failed met a vault changed by another program (nothing written).
bool lastOperationMetOutsideChange();
// Whether a vault operation is running (its progress window lets timers run meanwhile).
bool vaultOperationRunning();

// Records a failure in the store's lastErrorText as "source: number: description" (also for operations
// that handle their failures outside the access policy).
void rememberFailure(const VaultFailure& failure);

// Encodes a value for a write, as an entry value (apostrophes kept by the codec's rule) or as
// plain text; "ERROR" from the codec (half of a surrogate pair, or a value beyond SQLite's
// longest text) fails the attempt.
QString encodeForWrite(const QString& plain, bool entryValue = false);

// Tests: make a chosen statement of a chosen attempt fail. The hook gets the operation's code
// (0 outside an operation), the 1-based attempt of that operation and the 1-based statement of
// that attempt; answering true makes that statement fail.
using FaultHook = std::function<bool(int code, int attempt, int statement)>;
void setFaultHook(FaultHook hook);

// The application shows the busy pointer while handler(true) .. handler(false): around each
// outermost vault operation.
void setBusyHandler(std::function<void(bool)> handler);
