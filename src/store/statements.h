#pragma once

// Every SQL statement of the program's store (the vault builder runs the schema besides). Values
// are bound ('?'), never joined into the text.
namespace sql {

// Categories
inline constexpr char SelectCategories[] = "SELECT * FROM Cats ORDER BY CatName ASC";
inline constexpr char CountCategories[] = "SELECT COUNT(*) AS CNT FROM Cats";
inline constexpr char SelectCategoryNames[] = "SELECT CatName FROM Cats";
inline constexpr char InsertCategory[] = "INSERT INTO Cats (CatName) VALUES (?)";
inline constexpr char DeleteCategory[] = "DELETE FROM Cats WHERE CatName = ?";

// Category definitions (field titles)
inline constexpr char SelectCategoryDefinition[] = "SELECT * FROM CatDef WHERE pwCat = ?";
inline constexpr char InsertCategoryDefinition[] =
    "INSERT INTO CatDef (pwCat, pwDesc, pwUDF1, pwUDF2, pwUDF3, pwUDF4, pwNotes, pwImg) "
    "VALUES (?, 'Undefined', 'Undefined', 'Undefined', 'Undefined', 'Undefined', 'Notes', 4)";
// The titles of an imported category, and every category's titles for an import or export.
inline constexpr char InsertCategoryDefinitionWithTitles[] =
    "INSERT INTO CatDef (pwCat, pwDesc, pwUDF1, pwUDF2, pwUDF3, pwUDF4, pwNotes, pwImg) "
    "VALUES (?, ?, ?, ?, ?, ?, ?, 4)";
inline constexpr char SelectCategoryDefinitions[] = "SELECT * FROM CatDef";
inline constexpr char DeleteCategoryDefinition[] = "DELETE FROM CatDef WHERE pwCat = ?";
inline constexpr char UpdateTitleDesc[] = "UPDATE CatDef SET pwDesc = ? WHERE pwCat = ?";
inline constexpr char UpdateTitleUdf1[] = "UPDATE CatDef SET pwUDF1 = ? WHERE pwCat = ?";
inline constexpr char UpdateTitleUdf2[] = "UPDATE CatDef SET pwUDF2 = ? WHERE pwCat = ?";
inline constexpr char UpdateTitleUdf3[] = "UPDATE CatDef SET pwUDF3 = ? WHERE pwCat = ?";
inline constexpr char UpdateTitleUdf4[] = "UPDATE CatDef SET pwUDF4 = ? WHERE pwCat = ?";
inline constexpr char UpdateTitleNotes[] = "UPDATE CatDef SET pwNotes = ? WHERE pwCat = ?";

// Entries
// The listing of every entry: each column by name, in the table's order.
inline constexpr char SelectEntries[] =
    "SELECT pNum, PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU FROM PDF";
// The category column as raw bytes (encoded text is plain ASCII), for decoding without a copy.
inline constexpr char SelectEntryCategoryBytes[] = "SELECT CAST(sCat AS BLOB) FROM PDF";
inline constexpr char SelectEntryKeysAndCategoryBytes[] = "SELECT pNum, CAST(sCat AS BLOB) FROM PDF";
// The entry list: key, description and category, all read from the list index.
inline constexpr char SelectListedEntries[] = "SELECT pNum, CAST(PDF1 AS BLOB), CAST(sCat AS BLOB) FROM PDF";
// The same for every category, which needs no category.
inline constexpr char SelectAllListedEntries[] = "SELECT pNum, CAST(PDF1 AS BLOB) FROM PDF";
// The detail view reads the one row of the entry listed.
inline constexpr char SelectEntryByKey[] =
    "SELECT pNum, PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU FROM PDF WHERE pNum = ?";
// The duplicate check and the search read the encoded values as bytes, which the codec decodes
// without building a text first.
inline constexpr char SelectEntryDescriptionBytes[] = "SELECT CAST(PDF1 AS BLOB) FROM PDF";
inline constexpr char SelectSearchedEntryValues[] =
    "SELECT pNum, CAST(PDF1 AS BLOB), CAST(PDF2 AS BLOB), CAST(PDF3 AS BLOB), CAST(PDF4 AS BLOB), "
    "CAST(PDF5 AS BLOB), CAST(PDF6 AS BLOB) FROM PDF";
inline constexpr char SelectSearchedValuesByKey[] =
    "SELECT pNum, CAST(PDF1 AS BLOB), CAST(PDF2 AS BLOB), CAST(PDF3 AS BLOB), CAST(PDF4 AS BLOB), "
    "CAST(PDF5 AS BLOB), CAST(PDF6 AS BLOB) FROM PDF WHERE pNum = ?";
// The index the entry list, the duplicate check and the category counts read instead of the
// whole table (it holds the key too). Vaults made before it get it on their first opening.
inline constexpr char FindListIndex[] =
    "SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = 'PDFList'";
inline constexpr char CreateListIndex[] = "CREATE INDEX IF NOT EXISTS PDFList ON PDF (PDF1, sCat)";
inline constexpr char InsertEntry[] =
    "INSERT INTO PDF (PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU) VALUES (?, ?, ?, ?, ?, ?, ?, ?)";
inline constexpr char UpdateEntryPdf1[] = "UPDATE PDF SET PDF1 = ? WHERE pNum = ?";
inline constexpr char UpdateEntryPdf2[] = "UPDATE PDF SET PDF2 = ? WHERE pNum = ?";
inline constexpr char UpdateEntryPdf3[] = "UPDATE PDF SET PDF3 = ? WHERE pNum = ?";
inline constexpr char UpdateEntryPdf4[] = "UPDATE PDF SET PDF4 = ? WHERE pNum = ?";
inline constexpr char UpdateEntryPdf5[] = "UPDATE PDF SET PDF5 = ? WHERE pNum = ?";
inline constexpr char UpdateEntryPdf6[] = "UPDATE PDF SET PDF6 = ? WHERE pNum = ?";
inline constexpr char UpdateEntryCategory[] = "UPDATE PDF SET sCat = ? WHERE pNum = ?";
inline constexpr char UpdateEntryLastUpdate[] = "UPDATE PDF SET dtLU = ? WHERE pNum = ?";
inline constexpr char DeleteEntry[] = "DELETE FROM PDF WHERE pNum = ?";

// Attachments
inline constexpr char SelectAttachments[] = "SELECT * FROM eAttach WHERE eID = ?";
inline constexpr char DeleteAttachments[] = "DELETE FROM eAttach WHERE eID = ?";
inline constexpr char InsertAttachment[] =
    "INSERT INTO eAttach (eID, AttachName, AttachPath, AttachPic) VALUES (?, ?, ?, ?)";

// Login settings
inline constexpr char SelectLogin[] = "SELECT * FROM lPass";
// A vault whose login table lost its row gets one back before the settings are written.
inline constexpr char InsertMissingLogin[] =
    "INSERT INTO LPass (UPass, RUL, URetry) SELECT ' ', '0', '3' WHERE NOT EXISTS (SELECT 1 FROM LPass)";
inline constexpr char UpdateLoginNotRequired[] = "UPDATE LPass SET RUL = '0'";
inline constexpr char UpdateLoginPassword[] = "UPDATE LPass SET UPass = ?";
inline constexpr char UpdateLoginRetries[] = "UPDATE LPass SET URetry = ?";

// Transactions
inline constexpr char Begin[] = "BEGIN";
inline constexpr char BeginWrite[] = "BEGIN IMMEDIATE";
inline constexpr char Commit[] = "COMMIT";
inline constexpr char Rollback[] = "ROLLBACK";

// The vault file: its check, the watching connection, building and re-encrypting it
inline constexpr char SelectSchemaRows[] =
    "SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY rowid";
inline constexpr char PageCount[] = "PRAGMA page_count";
inline constexpr char QuickCheck[] = "PRAGMA quick_check(1)";
inline constexpr char DataVersion[] = "PRAGMA data_version";
inline constexpr char QueryOnly[] = "PRAGMA query_only = ON";
inline constexpr char TempInMemory[] = "PRAGMA temp_store = MEMORY";
// New plain vaults and plain copies take the 16 KiB pages of encrypted ones (VaultPageSize).
inline constexpr char LargePages[] = "PRAGMA page_size = 16384";
inline constexpr char CopyLargePages[] = "PRAGMA reencrypted.page_size = 16384";
// SQLCipher's page size of an encrypted database (today's and the earlier one), of the vault
// opened with its key and of the copy a re-encryption writes.
inline constexpr char KeyPageSize[] = "PRAGMA main.cipher_page_size = 16384";
inline constexpr char EarlierKeyPageSize[] = "PRAGMA main.cipher_page_size = 1024";
inline constexpr char CopyKeyPageSize[] = "PRAGMA reencrypted.cipher_page_size = 16384";
inline constexpr char CopyEarlierKeyPageSize[] = "PRAGMA reencrypted.cipher_page_size = 1024";
inline constexpr char InsertDeliveredLogin[] = "INSERT INTO LPass (UPass, RUL, URetry) VALUES (?, '0', '3')";
inline constexpr char CheckKey[] = "SELECT COUNT(*) FROM sqlite_master";
inline constexpr char AttachCopy[] = "ATTACH DATABASE ?1 AS reencrypted KEY ?2";
inline constexpr char ExportToCopy[] = "SELECT sqlcipher_export('reencrypted')";
inline constexpr char DetachCopy[] = "DETACH DATABASE reencrypted";
// A login table that lost its row gets one back, so that the settings are stored.
inline constexpr char InsertCopyLogin[] =
    "INSERT INTO reencrypted.LPass (UPass, RUL, URetry) SELECT ' ', '0', '3' "
    "WHERE NOT EXISTS (SELECT 1 FROM reencrypted.LPass)";
inline constexpr char UpdateCopyLogin[] = "UPDATE reencrypted.LPass SET RUL = ?1, UPass = ?2, URetry = ?3";

} // namespace sql
