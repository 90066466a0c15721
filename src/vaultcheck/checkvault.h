#pragma once

#include <string>

// The check of a plain vault file by Debian's current SQLite, before SQLCipher's older SQLite is
// let near it: the file's size and header, then, opened read-only in defensive mode with untrusted
// schema, every sqlite_master row against the vault's schema, then PRAGMA quick_check. Nothing is
// written, not even a journal.
struct VaultCheck {
    enum class Outcome { Passed, Rejected, Unreadable };
    Outcome outcome = Outcome::Passed;
    std::string problem; // Rejected: what is wrong ("it holds a view named PDF"); Unreadable: why
};
VaultCheck checkVaultFile(const std::string& path);
