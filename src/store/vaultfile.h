#pragma once

#include "sqlite.h"
#include "vaultkey.h"

#include <QString>
#include <functional>

struct sqlite3;

// What the vault file is, from its first 16 bytes: a plain SQLite file starts with
// "SQLite format 3\0" (an empty file is plain too: SQLite takes it for an empty database); any
// other file is taken for encrypted, its start for the salt, and only a key can tell whether it
// is a vault at all.
enum class VaultFileKind { Missing, Plain, Encrypted };
struct VaultFileHeader {
    VaultFileKind kind = VaultFileKind::Missing;
    VaultSalt salt{}; // only for Encrypted
};
VaultFileHeader readVaultHeader(const QString& path);

// Hands the key and its page size to a connection just opened, before its first statement, and
// keeps the connection's temporary tables in memory so nothing decrypted reaches a temporary file.
// Answers SQLite's result code. The wrapper (sqlite.h) runs it as it opens a connection.
int applyVaultKey(sqlite3* db, const VaultKey* key);

// Whether the key opens the vault file (its first page reads and passes the page check), with
// either page size an encrypted vault may have; the key takes the one that opened it.
bool keyOpensVault(const QString& path, VaultKey& key);

// Re-encryption: writes a complete copy of the vault beside it, read with `from` and written
// with `to` (null: a plain file) in the page size of `to`, syncs it and renames it over the vault. Before the
// rename the old vault is untouched; on any failure the copy is removed and VaultFailure is thrown. `adjust`
// runs on the connection after the copy is written, to change rows of the copy only (its schema name is
// "reencrypted"); it throws VaultFailure to abandon.
using ReencryptAdjust = std::function<void(const sqlite::Connection& db)>;
void reencryptVault(const QString& vaultPath, const VaultKey* from, const VaultKey* to,
                    const ReencryptAdjust& adjust = {});

// Re-encryption for the setup window: the copy's login row says whether a login is required
// (encrypted copy) and holds the retry count; its password column holds the encoding of one blank
// in both cases, since with an encrypted vault the key is the check.
void reencryptWithLogin(const QString& vaultPath, const VaultKey* from, const VaultKey* to,
                        const QString& retries);

// The copy's name while it is written; a copy left by a killed run is removed by
// removeStaleReencryption (start-up and every re-encryption do so).
QString reencryptionCopyPath(const QString& vaultPath);
void removeStaleReencryption(const QString& vaultPath);

// Tests: make a chosen step fail. Once the rename has happened the new vault is the vault: a
// failed sync of the folder is not undone (a power loss then leaves either complete file).
enum class ReencryptStep { Open, Create, Attach, Export, Adjust, Detach, SyncFile, Rename, SyncFolder };
using ReencryptFaultHook = std::function<bool(ReencryptStep)>;
void setReencryptFaultHook(ReencryptFaultHook hook);
