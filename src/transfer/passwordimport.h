#pragma once

#include "csvreader.h"
#include "store/records.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <array>
#include <optional>
#include <variant>

// Turning the CSV files that browsers and other password programs export into entries, and
// the program's own export. No window and no vault: what the vault already holds comes in as
// a VaultContents, what would be written goes out as an ImportPlan.
namespace transfer {

// The six titles of a category, in the shown form (apostrophes as apostrophes).
struct CategoryTitles {
    QString description;
    std::array<QString, 4> fields;
    QString notes;
    bool operator==(const CategoryTitles&) const = default;
};

// An entry as the vault would hold it, in the shown form; notes end their lines with CR LF.
using PlainEntry = EntryRecord;

struct NewCategory {
    QString name;
    CategoryTitles titles;
    QString reason; // why the records did not go to the category they named, or empty
};

// A record that equals a stored entry: left out unless the import is told to take it anyway.
struct KnownRow {
    int line = 0;
    QString description;
    QString category;
};

// A row of the file that will not be imported, with the reason.
struct RefusedRow {
    int line = 0;
    QString reason;
};

// What an import would write: categories to create first, then the entries, in file order.
struct ImportPlan {
    QString format; // the name of the recognised format, as the summary shows it
    QList<NewCategory> newCategories;
    QList<PlainEntry> entries;
    QList<RefusedRow> refused;
    QList<KnownRow> known;
    // Per category, which source column goes under which title ("url → Web Address"), in the
    // order first met.
    QMap<QString, QStringList> columnTitles;
    // How many entries each category would receive, by category name in ascending order.
    QMap<QString, int> perCategory() const;
};

// What the import needs to know of the vault.
struct VaultContents {
    QMap<QString, CategoryTitles> categories; // by name (upper case, trimmed)
    QSet<QString> descriptions;               // every stored description, upper-cased and trimmed
    QString now;                              // the last-update text of entries that bring none
    QList<PlainEntry> entries;                // what is stored, to recognise a file imported again
};

// The category an entry without a group or folder goes to; new categories take its titles.
inline const QString DefaultCategory = QStringLiteral("WEB SITE");

// The title of the field that a category made by an import keeps one-time codes under.
inline const QString OneTimeCodeTitle = QStringLiteral("One-Time Code");

// Longest description and field 1..4 value, and longest notes (a line break counting as one).
inline constexpr int FieldLimit = 1000;
inline constexpr int NotesLimit = 1500;
inline constexpr int CategoryNameLimit = 50;

// The program's own export header.
QStringList exportHeader();

// Reads a file and plans its import; a file that cannot be read or whose header no format
// matches gives the failure to show. Progress counts to 1000 over the reading and the checking.
// A record's URL, user name and password go under the titles of the category that mean them
// (store/fieldmeaning.h); a category without such a title gives way to a new one named after it
// with a number. A record equal to a stored entry (category, description with or without its
// number, every value) is listed as known and left out, unless importKnown.
std::variant<ImportPlan, csv::Failure> planImport(QByteArrayView file, const VaultContents& vault,
                                                  const csv::Progress& progress = {},
                                                  bool importKnown = false);

// The comparison key of a description: upper-cased and trimmed.
QString descriptionKey(const QString& description);

// Every entry with its category's titles, as the program's own CSV: UTF-8 without a byte-order
// mark (as KeePassXC, Bitwarden and the browsers write theirs), CR LF, every value in quotes, the
// header first.
QByteArray exportEntries(const QList<PlainEntry>& entries, const QMap<QString, CategoryTitles>& categories);

// Writes a file that only its owner may read or write, replacing one of that name whole (a
// failed write leaves the old file as it was). Gives the reason when it fails.
std::optional<QString> writeOwnerOnlyFile(const QString& path, const QByteArray& contents);

} // namespace transfer
