#pragma once

#include "records.h"

#include <QDate>
#include <QList>

// What the password health report reads of an entry: its key, its description as listed, its
// category, the value of its category's password field (fieldmeaning.h) and its last-update date.
struct PasswordRecord {
    std::optional<EntryKey> key;
    QString description;
    QString category;
    QString password; // trimmed, never empty
    QDate lastUpdate; // invalid when the stored time is not a date
};

namespace store {

// Every entry whose category has a password field holding a value, in table order (E233).
// Entries whose category has no such field, or whose value is empty or unreadable, are left out.
Result<QList<PasswordRecord>> passwordRecords();

} // namespace store
