#pragma once

#include "records.h"

#include <QDateTime>
#include <QList>
#include <functional>

// The vault repository: one function per operation the windows need. Each runs under the
// access policy (vault.h) with its own error code and gives back a value or a failure; the
// caller shows the vault error report for a failure (app/vaultreport.h) after its own clean-up.
class VaultKey;

namespace store {

// Categories -------------------------------------------------------------------------------

// Every category name, upper case, in name order. code: the asking window's operation (E211 the
// filter, E217 the transfer lists, E218 the editor's list). continuesCount: see VaultOptions.
Result<QStringList> categoryNames(ErrorCode code, bool continuesCount = false);

// The titles of one category (none when it has no row). code: E200 the entry editor, E219 the
// category editor.
Result<std::optional<CategoryDefinition>> categoryDefinition(ErrorCode code, const QString& name);

// Whether a category of that name has titles (E220).
Result<bool> categoryExists(const QString& name);

// A new category with the titles "Undefined" and "Notes" (E225): both rows or neither.
Result<> createCategory(const QString& name);

// Saves the six titles of a category as typed (E224).
Result<> saveCategoryTitles(const QString& name, const std::array<QString, 6>& titles);

// Deletes a category and its titles unless an entry still belongs to it (E226).
Result<CategoryDeletion> deleteCategory(const QString& name);

// Moves every entry of category from to category to (E202).
Result<> transferEntries(const QString& from, const QString& to);

// The number of entries of each category (E201).
Result<QList<CategoryCount>> countEntriesPerCategory();

// Entries ----------------------------------------------------------------------------------

// The entries of a category, every entry for an empty category (E213). They come in the order
// of the list's index, which is neither the table's nor the list's.
Result<QList<ListedEntry>> listEntries(const QString& category);

// The entry with this key, its titles and whether it has attachments (E214). An entry that is
// no longer stored fails the read like any other failure.
Result<ShownEntry> showEntry(EntryKey key);

// Whether a stored entry has this description, compared upper case and trimmed (E216).
Result<bool> isDuplicateDescription(const QString& description);

// The entries in which word occurs in one of their six values, compared upper case, in table
// order; an empty word finds every entry with a value (E206).
Result<QList<ListedEntry>> findEntries(const QString& word);

// A new entry, last updated at when (E212).
Result<> addEntry(const EntryValues& values, const QDateTime& when);

// Rewrites every column of an entry, last updated at when (E223), when the entry is still stored
// as values.asRead says it was read; otherwise nothing is written and the answer says why.
Result<RowCheck> updateEntry(std::optional<EntryKey> key, const EntryValues& values, const QDateTime& when);

// Deletes an entry and its attachments, in one transaction (E215), when it is still stored as
// seen (its values as read) says; otherwise nothing is deleted.
Result<RowCheck> deleteEntry(std::optional<EntryKey> key, const QByteArray& seen = {});

// Attachments ------------------------------------------------------------------------------

// The attachments of an entry, in table order (E222).
Result<QList<Attachment>> attachments(std::optional<EntryKey> key);

// Replaces the attachments of an entry (E203); lines without a description are not stored.
Result<> saveAttachments(std::optional<EntryKey> key, const QList<Attachment>& attachments);

// Import and export -----------------------------------------------------------------------

// Every category and stored description, for checking an import (E230).
Result<ImportTarget> importTarget();

// Every entry as stored, in table order, and every category's titles (E232).
Result<VaultExport> exportEntries();

// Creates the categories (with their titles) and adds the entries in one transaction: all of
// them or none (E231). progress(done, total) is told after every few hundred entries.
Result<> importEntries(const QList<CategoryDefinition>& newCategories, const QList<EntryRecord>& entries,
                       const std::function<void(qint64 done, qint64 total)>& progress = {});

// Login settings ---------------------------------------------------------------------------

// The login settings in one attempt without a report: none when the vault cannot be read, the
// defaults when it holds no settings row.
std::optional<LoginSettings> loadLoginSettings();

// Saves the login settings (E227). A required login makes the vault encrypted with newKey (made
// from the password; the password itself is not stored), and an encrypted vault without a
// required login is written back plain: the whole vault is written anew beside the old one and
// takes its place only when complete. A plain vault without a login is updated in place.
Result<> saveLoginSettings(const LoginSettings& settings, const VaultKey* newKey = nullptr);

// Compacting -------------------------------------------------------------------------------

// Moves a plain vault of pages smaller than VaultPageSize to pages of that size (E234): the whole
// vault is written anew beside the old one under its write lock and takes its place only when
// complete. Answers whether it was rewritten; an encrypted vault (its key's page size), one of
// large pages and one in a file or folder this program may not write are left as they are.
Result<bool> compactVault();

} // namespace store
