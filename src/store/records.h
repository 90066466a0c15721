#pragma once

#include "errorcodes.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <variant>

// The values the windows get from the vault and give to it: plain text as shown and typed,
// apostrophes as apostrophes. Encoding, the apostrophe substitute and upper-casing happen in
// the repository (repository.h), never in a window.

// An entry's key (PDF.pNum), assigned by the database.
using EntryKey = qint64;

// What the entry editor writes: the description, the four fields, the notes and the category.
struct EntryValues {
    QString description;
    std::array<QString, 4> fields;
    QString notes;
    QString category;
    // The values whose stored text an update keeps as it is (it could not be read), in the order
    // description, fields 1..4, notes, category.
    std::array<bool, 7> keepStored{};
    // The entry's stored values byte for byte as they were read (empty for a new entry): an update
    // writes only over the row as the user saw it.
    QByteArray asRead;
};

// What an update or delete of an entry found: the row as the user saw it (and written), changed
// by another program since it was read, or no longer stored. Only Written changed the vault.
enum class RowCheck { Written, Changed, Gone };

// A stored entry as the detail view shows it: the description and the category upper case, the
// values trimmed, the last-update time as stored ("mm/dd/yyyy hh:mm:ss am/pm").
struct Entry {
    EntryKey key = 0;
    QString description;
    std::array<QString, 4> fields;
    QString notes;
    QString category;
    QString lastUpdate;
    // The values as stored, decoded with apostrophes back and nothing trimmed or upper-cased:
    // what the editor starts from, so that a value the user leaves alone is saved as it was. A
    // value whose stored text does not decode (written by another tool) is marked keepStored and
    // never written back: a field 1..4 or the notes is empty here and shown as unreadable, the
    // description and the category read "ERROR" as the list shows them.
    EntryValues stored;
};

// A category's field titles (CatDef): description, fields 1..4 and notes, as stored but with
// apostrophes back, and its picture number (-1 when the stored one is not a whole number).
struct CategoryDefinition {
    enum Title { Description, Field1, Field2, Field3, Field4, Notes };
    QString name;
    std::array<QString, 6> titles;
    int image = -1;

    // A title as the windows show it above a value: trimmed, a colon appended.
    QString shownTitle(Title title) const { return titles[title].trimmed() + QLatin1Char(':'); }
};

// One attachment of an entry: its description (upper case), the file's full path and the
// number of its file-type picture (1..5).
struct Attachment {
    QString description;
    QString path;
    int picture = 5;
};

// The login settings (LPass): whether a password is asked, the password as typed (empty when
// none is asked) and the retry count as its text.
struct LoginSettings {
    bool required = false;
    QString password;
    QString retries = QStringLiteral("3");
};

// One row of an entry list: the entry's key and its description as listed (upper case,
// trimmed, apostrophes back).
struct ListedEntry {
    std::optional<EntryKey> key; // none for a row the vault holds without a key

    QString description;
};

// What the detail view shows: the entry, its category's titles (none when the category has
// none) and whether it has attachments.
struct ShownEntry {
    Entry entry;
    std::optional<CategoryDefinition> definition;
    bool hasAttachments = false;
};

// An entry exactly as stored, apostrophes back (nothing trimmed or upper-cased but the
// category): what an export reads and an import writes.
struct EntryRecord {
    QString category;
    QString description;
    std::array<QString, 4> fields;
    QString notes;
    QString lastUpdate; // "mm/dd/yyyy hh:mm:ss am/pm"
    bool operator==(const EntryRecord&) const = default;
};

// What an import is checked against: every category with its titles (a category listed without
// titles has none), and every stored description, upper case and trimmed.
struct ImportTarget {
    QList<CategoryDefinition> categories;
    QStringList descriptions;
};

// Every entry and every category's titles.
struct VaultExport {
    QList<EntryRecord> entries;
    QList<CategoryDefinition> categories;
};

// The entries per category, in the order of the category table; a category listed twice is
// counted twice.
struct CategoryCount {
    QString name;
    qint64 count = 0;
};

// Whether a category's entries can go: they are moved or the category is deleted, or it still
// has entries.
enum class CategoryDeletion { Deleted, InUse };

// The outcome of a vault operation: its value, or the code of the operation that failed after
// its last attempt (the failure's text is in the store's lastErrorText). The caller shows the report.
struct Done {};
template <class T = Done> class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    static Result failure(ErrorCode code) { return Result(code); }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& operator*() const { return *value_; }
    T& operator*() { return *value_; }
    const T* operator->() const { return &*value_; }
    ErrorCode code() const { return code_; }

private:
    explicit Result(ErrorCode code) : code_(code) {}
    std::optional<T> value_;
    ErrorCode code_{};
};

// Text upper-cased and trimmed, the form in which descriptions and category names are compared.
QString upperTrimmed(QString text);

// Text with every line break (CR LF, a lone LF or a lone CR) as CR LF, the vault's line break.
QString withCrLf(QString text);

// The picture number of a stored attachment ("0" & the column read as a number); a value that
// names no picture (1..5) gives the picture of other files, 5.
int storedPictureNumber(const QString& stored);
