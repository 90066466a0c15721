#pragma once

#include "store/vaultkey.h"

#include <QString>
#include <optional>

// The login password as the key of an encrypted vault.

// Start-up's login settings and login: an encrypted vault asks for the password first (its key
// opens the vault), a plain one reads its settings and asks when they hold a password.
void LoginGate();

// Whether the vault file is encrypted (read from its start each time: setup can change it).
bool vaultEncrypted();

// Whether the program asks for a password: an encrypted vault always does; a plain vault from an
// earlier version does when its login row holds a password.
bool loginRequired();

// The login's check of a typed password, compared as the login always has: upper-cased, then
// trimmed. With an encrypted vault that text makes the key: a key that opens the vault is the
// right password and is held until the program locks or ends.
bool passwordAccepted(const QString& typed);

// The key made from a password as the login compares it (upper-cased, then trimmed), with the
// wait pointer while Argon2id works.
std::optional<VaultKey> deriveLoginKey(const QString& password, const VaultSalt& salt);

// Asks whether to save without a password although the vault file will then no longer be
// protected; true for Yes.
bool confirmUnprotectedVault();

// The retry count kept outside the vault, so that it counts before an encrypted vault is open;
// 3 (the delivered vault's) when there is none.
short retryCountCopy();
void saveRetryCountCopy(short retries);

// After the login to a plain vault from an earlier version that has a login password (which any
// reader of the file can decode): offers to encrypt the vault with that password now, and does
// so on Yes (the default).
void offerVaultEncryption();
