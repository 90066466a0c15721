#pragma once

#include <QString>

// One running program per vault file. The first start on a vault holds a lock named after the
// vault file's real path (a link and the file it points to are one vault) in the user's runtime
// folder, and listens there for later starts. A later start on the same file asks the first to
// bring its window to the front and gets false: it then ends. A lock left by a program that was
// killed is taken over. The lock is not kept beside the vault, where a sync tool would carry it to
// another machine.
bool claimVault(const QString& vaultPath);

// Lets go of the lock (the program ends).
void releaseVaultClaim();

// Where the lock and the listening socket of a vault are (tests).
QString vaultClaimLockPath(const QString& vaultPath);
