#pragma once

#include "records.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>

class VaultKey;

// A sync tool that meets a vault changed on two machines keeps both: the other side as a conflict
// copy beside the vault, "gpwdfsc.sync-conflict-20240101-120000-ABCDEFG.mdb" (Syncthing),
// "gpwdfsc (Anna's conflicted copy 2024-01-01).mdb" or "gpwdfsc_conflict-20240101-120000.mdb".

// Whether name is the name of a conflict copy of the vault file named vaultName.
bool isConflictCopyName(const QString& vaultName, const QString& name);

// The conflict copies beside the vault file, full paths in name order.
QStringList conflictCopiesOf(const QString& vaultPath);

// An entry of the copy that the vault lacks or holds with other values. Entries are the same when
// their descriptions are (upper case, trimmed); values are compared decoded, the last-update time
// aside.
struct CopyDifference {
    EntryRecord copy;
    // The vault's entry of that description and its values; none when only the copy has one.
    std::optional<EntryKey> vaultKey;
    EntryRecord vault;
    QByteArray vaultAsRead; // what taking the copy's values checks the vault's row against
    // The copy's titles of its category when the vault has no such category.
    std::optional<CategoryDefinition> newCategory;
};

namespace store {

// Reads the copy (checked like any vault file from outside; copyKey: its own key, none when
// plain) and the vault, and gives the copy's entries that differ, in the copy's order (E232).
Result<QList<CopyDifference>> compareWithCopy(const QString& copyPath, const VaultKey* copyKey);

// Takes the chosen entries into the vault in one transaction (E231): the copy's entry is added
// when the vault has none of that description, else the vault's entry gets its values, last
// updated at when; a missing category comes with the copy's titles. When one of those vault
// entries changed or went since the comparison, nothing is written and the answer says so.
Result<RowCheck> takeFromCopy(const QList<CopyDifference>& chosen, const QDateTime& when);

} // namespace store
