#pragma once

#include "sqlite.h"

#include <QString>

// A vault file comes from outside as often as not (a restored backup, a copy beside the program, a
// vault shared in a family), and SQLCipher's SQLite is old. So a plain vault is checked by the
// checker program (quorlane-vaultcheck, on Debian's current SQLite) before SQLCipher opens it, and
// an encrypted one by the same rules through SQLCipher once its key is known, before anything else
// is read. A file is checked again only when it changed since its last check (another program
// wrote or replaced it); what this program writes itself does not need another check.

struct VaultFileVerdict {
    enum class Kind {
        Passed,    // checked and found a vault (also: no file, or an encrypted one without its key yet)
        Rejected,  // not a vault: problem says why ("it holds a view named PDF")
        Unchecked, // the check could not be run (the checker program missing or failing): not opened
        Unreadable // the file could not be read at all
    };
    Kind kind = Kind::Passed;
    QString problem;
    // The sentence for the user, naming the file ("<file> is not a Quorlane vault: <problem>.").
    QString report(const QString& path) const;
};

// Opens the vault file at path with the key (none for a plain vault), checking it first as above.
// Throws VaultFailure with the report when the file fails or cannot be checked: SQLCipher has then
// not opened it.
sqlite::Connection openCheckedVault(const QString& path, const VaultKey* key);

// The verdict on the vault file as it is now (start-up's look at the vault before any operation).
VaultFileVerdict vaultFileVerdict(const QString& path, const VaultKey* key);

// Fails with the report when the plain file at path does not pass, before SQLCipher opens it to
// copy it (re-encryption).
void requirePlainVaultChecked(const QString& path);

// After this program committed a write to the file it had checked: the file as it is now is the
// checked one.
void vaultFileWritten(const QString& path);

// The checker program: beside the program (the build tree, a portable copy), else in the install's
// <prefix>/libexec/quorlane. Tests and benchmarks name it.
QString vaultCheckerProgram();
void setVaultCheckerProgram(const QString& program);

// Forgets every verdict (tests; resetStoreGlobals).
void forgetVaultFileChecks();
