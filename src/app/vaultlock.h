#pragma once

#include <QString>

// The login password as the key of an encrypted vault.

// Whether the vault file is encrypted (read from its start each time: setup can change it).
bool vaultEncrypted();

// Whether the program asks for a password: an encrypted vault always does; a plain vault from an
// earlier version does when its login row holds a password.
bool loginRequired();

// The login's check of a typed password, compared as the login always has: upper-cased, then
// trimmed. With an encrypted vault that text makes the key: a key that opens the vault is the
// right password and is kept until the program locks or ends.
bool passwordAccepted(const QString& typed);

// The retry count kept outside the vault, so that it counts before an encrypted vault is open;
// 3 (the delivered vault's) when there is none.
short retryCountCopy();
void saveRetryCountCopy(short retries);

// Saving setup when the vault's encryption is involved: a password makes an encrypted copy with
// a new key, none makes a plain one after the person agrees that the file will no longer be
// protected. Answers false when nothing changed (refused, or the failure has been reported).
bool saveEncryptedSetup(bool required, const QString& password, const QString& retries);
