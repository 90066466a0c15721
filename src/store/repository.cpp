#include "repository.h"

#include "codec.h"
#include "conflictcopy.h"
#include "cp1252.h"
#include "dates.h"
#include "filecheck.h"
#include "rowreaders.h"
#include "statements.h"
#include "text.h"
#include "vault.h"
#include "vaultfile.h"
#include "vaultkey.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// Upper-cases in place. Stored values are mostly plain ASCII, whose letters are upper-cased
// directly; a value holding any other character goes through the program's upper-casing.
QString upperCased(QString value) {
    char16_t* c = reinterpret_cast<char16_t*>(value.data());
    for (const char16_t* end = c + value.size(); c != end; ++c) {
        if (*c >= u'a' && *c <= u'z')
            *c = char16_t(*c - (u'a' - u'A'));
        else if (*c >= 0x80)
            return text::upper(value);
    }
    return value;
}

// Stored values decoded and upper-cased, as the list shows descriptions and the search compares
// values. A value of the codec's one-byte form is read in one pass over its bytes: each code goes
// through a table of its character's capital straight into a buffer kept from value to value.
// Any other value (the UTF-8 form, or text the encoder cannot have written) takes the codec's
// full decoding.
class UpperCasedValues {
public:
    // restoreApostrophes: the substitute stands for the apostrophe it replaced.
    explicit UpperCasedValues(bool restoreApostrophes) : restoreApostrophes_(restoreApostrophes) {
        for (unsigned code = 0; code < 256; ++code) {
            char16_t c = cp1252::charOf(code);
            if (restoreApostrophes && c == ApostropheSubstitute.unicode()) c = u'\'';
            capitals_[code] = text::upper(QStringView(&c, 1)).front().unicode();
        }
    }

    // The value upper-cased; the view lasts until the next call.
    QStringView operator()(QByteArrayView stored) {
        if (stored.size() % 6 == 0) return inTurns(stored);
        return anyLayout(stored);
    }

private:
    // The encoder's own layout: six bytes per code, a filler before each of its three digits, so
    // the digits are every second byte and the codes are read without looking for them. A value
    // that breaks the layout anywhere is read by anyLayout() instead.
    QStringView inTurns(QByteArrayView stored) {
        const qsizetype length = stored.size() / 6;
        if (std::size_t(length) > buffer_.size()) buffer_.resize(std::size_t(length));
        const auto* s = reinterpret_cast<const unsigned char*>(stored.data());
        const std::array<std::uint8_t, 65536>& digits = digitsOfPairs();
        char16_t* d = buffer_.data();
        unsigned broken = 0;
        // From the end: the last six bytes are the first character's units, tens and hundreds.
        for (qsizetype at = stored.size() - 6; at >= 0; at -= 6) {
            const unsigned char* code = s + at;
            const unsigned units = digits[code[0] | code[1] << 8], tens = digits[code[2] | code[3] << 8],
                           hundreds = digits[code[4] | code[5] << 8];
            const unsigned number = hundreds * 100 + tens * 10 + units;
            broken |= units | tens | hundreds | unsigned(number > 255) << 4;
            *d++ = capitals_[number & 0xff];
        }
        if (broken & NoDigit) return anyLayout(stored);
        return QStringView(buffer_.data(), length);
    }

    // The digit of a filler and the digit after it (filler | digit << 8), NoDigit for any other
    // two bytes.
    static constexpr std::uint8_t NoDigit = 0x10;
    static const std::array<std::uint8_t, 65536>& digitsOfPairs() {
        static const auto table = [] {
            std::array<std::uint8_t, 65536> pairs;
            pairs.fill(NoDigit);
            for (unsigned filler = 0; filler <= 12; ++filler)
                for (unsigned digit = 0; digit <= 9; ++digit)
                    pairs[filler | (digit + '0') << 8] = std::uint8_t(digit);
            return pairs;
        }();
        return table;
    }

    // Any layout the decoder reads: fillers (1..12) skipped wherever they are.
    QStringView anyLayout(QByteArrayView stored) {
        buffer_.resize(std::max(buffer_.size(), std::size_t(stored.size() / 6 + 1)));
        char16_t* d = buffer_.data();
        unsigned number = 0;
        int place = 0;
        // Read from the end: three digits at a time are the hundreds, tens and units of each
        // code, first character first; the fillers (1..12) between them are skipped.
        for (qsizetype i = stored.size() - 1; i >= 0; --i) {
            const unsigned unit = static_cast<unsigned char>(stored[i]);
            if (unit <= 12) continue;
            const unsigned digit = unit - '0';
            if (digit > 9) return decodedFully(stored);
            number = number * 10 + digit;
            if (++place < 3) continue;
            // Above 255: the UTF-8 form's mark, or no code of the one-byte form.
            if (number > 255 || d == buffer_.data() + buffer_.size()) return decodedFully(stored);
            *d++ = capitals_[number];
            number = 0;
            place = 0;
        }
        if (place != 0) return decodedFully(stored);
        return QStringView(buffer_.data(), d - buffer_.data());
    }

    QStringView decodedFully(QByteArrayView stored) {
        decoded_ = upperCased(restoreApostrophes_ ? DecodeEntryValue(stored) : DecodeValue(stored));
        return decoded_;
    }

    bool restoreApostrophes_;
    std::array<char16_t, 256> capitals_;
    std::vector<char16_t> buffer_;
    QString decoded_;
};

// A stored category (encoded) as categories are compared: decoded, upper case, trimmed.
QString storedCategory(QByteArrayView stored) {
    return upperTrimmed(DecodeValue(stored));
}

// Whether a stored description (encoded bytes), decoded, upper-cased and trimmed, equals wanted
// (upper-cased, trimmed, not empty). The codec writes six bytes per character with the first
// character last, so a description of the one-byte form whose first character is not a blank is
// mostly told apart by decoding that character alone (the UTF-8 form's mark does not decode
// alone, and such a description is decoded whole).
bool sameDescription(QByteArrayView stored, const QString& wanted) {
    if (stored.size() >= 6 && stored.size() % 6 == 0) {
        const QString first = DecodeEntryValue(stored.last(6));
        if (first.size() == 1 && !first.front().isSpace() && !wanted.startsWith(upperCased(first)))
            return false;
    }
    return upperCased(DecodeEntryValue(stored)).trimmed() == wanted;
}

// An entry's stored values as read (columns PDF1 .. PDF6, sCat, dtLU from first on), byte for
// byte: what a later update or delete compares the row with.
QByteArray rowAsRead(const sqlite::Statement& row, int first) {
    QByteArray state;
    for (int column = first; column < first + 8; ++column) {
        if (row.isNull(column))
            state += '\0';
        else
            state += row.bytesView(column);
        state += '\x1f';
    }
    return state;
}

// Whether the entry with this key is still stored as the user saw it (seen: its values as read;
// empty when nothing was read, which checks only that the row is there).
RowCheck checkRow(std::optional<EntryKey> key, const QByteArray& seen) {
    if (!key) return RowCheck::Gone;
    sqlite::Statement row = openRecords(sql::SelectEntryByKey, {*key});
    if (!row.next()) return RowCheck::Gone;
    if (!seen.isEmpty() && rowAsRead(row, 1) != seen) return RowCheck::Changed;
    return RowCheck::Written;
}

// Keys as the statements take them: the entry's number, and the attachments' owner as text.
BoundValue entryKeyValue(std::optional<EntryKey> key) {
    return key ? BoundValue(*key) : BoundValue(QString());
}
QString ownerText(std::optional<EntryKey> key) {
    return key ? QString::number(*key) : QString();
}
// The key in a row's first column; none when NULL (a vault converted by another tool).
std::optional<EntryKey> keyOf(const sqlite::Statement& row) {
    return row.isNull(0) ? std::nullopt : std::optional(row.number(0));
}

// The eight stored values of an entry, in the column order PDF1 .. PDF6, sCat, dtLU:
// the six values as entry values (apostrophes as their substitute where the codec keeps one),
// each value encoded.
std::array<QString, 8> storedValues(const EntryRecord& e) {
    return {encodeForWrite(e.description, true), encodeForWrite(e.fields[0], true),
            encodeForWrite(e.fields[1], true),   encodeForWrite(e.fields[2], true),
            encodeForWrite(e.fields[3], true),   encodeForWrite(e.notes, true),
            encodeForWrite(e.category),          encodeForWrite(e.lastUpdate)};
}
std::array<QString, 8> storedValues(const EntryValues& v, const QDateTime& when) {
    return storedValues(EntryRecord{v.category, v.description, v.fields, v.notes, formatLastUpdate(when)});
}

// Runs body under the access policy and gives back what it left in value.
template <class T, class Body> Result<T> operation(ErrorCode code, Body body, VaultOptions options = {}) {
    T value{};
    if (!runVaultOperation(
            code, [&] { value = body(); }, options))
        return Result<T>::failure(lastOperationMetOutsideChange() ? ErrorCode::VaultChangedOutside : code);
    return Result<T>(std::move(value));
}

// The same for a write: one transaction per attempt.
template <class Body> Result<> write(ErrorCode code, Body body) {
    return operation<Done>(code,
                           [&] {
                               body();
                               return Done{};
                           },
                           {.writes = true});
}

} // namespace

CategoryDefinition categoryDefinitionOf(const sqlite::Statement& row) {
    static constexpr const char* Columns[] = {"pwDesc", "pwUDF1", "pwUDF2", "pwUDF3", "pwUDF4", "pwNotes"};
    CategoryDefinition definition;
    definition.name = row.text(row.column("pwCat"));
    for (int i = 0; i < 6; ++i)
        definition.titles[std::size_t(i)] = toShownTitle(row.text(row.column(Columns[i])));
    // The picture number is a byte: a text that is not a number from 0 to 255 names none.
    bool numeric = false;
    const double number = row.text(row.column("pwImg")).trimmed().toDouble(&numeric);
    const double image = numeric ? std::nearbyint(number) : -1;
    definition.image = numeric && image >= 0 && image <= 255 ? int(image) : -1;
    return definition;
}

// A decoded value, or none when it decoded to control characters only (other than tabs and line
// breaks): text no one typed, which the view cannot show and a save must not rewrite.
static std::optional<QString> readableValue(std::optional<QString> value) {
    if (!value || value->isEmpty()) return value;
    bool onlyControls = true, onlyBlanks = true;
    for (QChar c : *value) {
        onlyControls = onlyControls && c.category() == QChar::Other_Control;
        onlyBlanks =
            onlyBlanks && (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'));
    }
    if (onlyControls && !onlyBlanks) return std::nullopt;
    return value;
}

QString upperTrimmed(QString text) {
    return upperCased(std::move(text)).trimmed();
}

QString withCrLf(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

int storedPictureNumber(const QString& stored) {
    bool numeric = false;
    const int number = (QLatin1Char('0') + stored.trimmed()).toInt(&numeric);
    return numeric && number >= 1 && number <= 5 ? number : 5;
}

namespace store {

Result<QStringList> categoryNames(ErrorCode code, bool continuesCount) {
    return operation<QStringList>(code,
                                  [] {
                                      openVault();
                                      QStringList names;
                                      sqlite::Statement rows = openRecords(sql::SelectCategories);
                                      const int column = rows.column("CatName");
                                      while (rows.next())
                                          names << upperTrimmed(rows.text(column));
                                      closeVault();
                                      return names;
                                  },
                                  {.continuesCount = continuesCount});
}

Result<std::optional<CategoryDefinition>> categoryDefinition(ErrorCode code, const QString& name) {
    return operation<std::optional<CategoryDefinition>>(code, [&] {
        openVault();
        std::optional<CategoryDefinition> definition;
        sqlite::Statement rows = openRecords(sql::SelectCategoryDefinition, {name});
        if (rows.next()) definition = categoryDefinitionOf(rows);
        closeVault();
        return definition;
    });
}

Result<bool> categoryExists(const QString& name) {
    return operation<bool>(ErrorCode::CategoryExists, [&] {
        openVault();
        const bool found = openRecords(sql::SelectCategoryDefinition, {name}).next();
        closeVault();
        return found;
    });
}

Result<> createCategory(const QString& name) {
    return write(ErrorCode::CreateCategory, [&] {
        openVault();
        executeStatement(sql::InsertCategory, {name});
        executeStatement(sql::InsertCategoryDefinition, {name});
        closeVault();
    });
}

Result<> saveCategoryTitles(const QString& name, const std::array<QString, 6>& titles) {
    static constexpr std::array<const char*, 6> Updates = {sql::UpdateTitleDesc, sql::UpdateTitleUdf1,
                                                           sql::UpdateTitleUdf2, sql::UpdateTitleUdf3,
                                                           sql::UpdateTitleUdf4, sql::UpdateTitleNotes};
    return write(ErrorCode::SaveCategoryDefinition, [&] {
        openVault();
        for (std::size_t i = 0; i < Updates.size(); ++i)
            executeStatement(Updates[i], {toStoredTitle(titles[i]), name});
        closeVault();
    });
}

Result<CategoryDeletion> deleteCategory(const QString& name) {
    const QString wanted = upperTrimmed(name);
    return operation<CategoryDeletion>(ErrorCode::DeleteCategory,
                                       [&] {
                                           // Every entry is read: stored categories carry random filler and
                                           // cannot be compared in SQL.
                                           bool used = false;
                                           openVault();
                                           {
                                               sqlite::Statement rows =
                                                   openRecords(sql::SelectEntryCategoryBytes);
                                               while (!used && rows.next())
                                                   used = storedCategory(rows.bytesView(0)) == wanted;
                                           }
                                           if (!used) {
                                               executeStatement(sql::DeleteCategoryDefinition, {wanted});
                                               executeStatement(sql::DeleteCategory, {wanted});
                                           }
                                           closeVault();
                                           return used ? CategoryDeletion::InUse : CategoryDeletion::Deleted;
                                       },
                                       {.writes = true});
}

Result<> transferEntries(const QString& from, const QString& to) {
    const QString source = upperTrimmed(from);
    return write(ErrorCode::TransferEntries, [&] {
        // One encoding of the new name for every moved entry; only sCat changes.
        const QString target = encodeForWrite(to);
        openVault();
        QList<EntryKey> keys;
        {
            sqlite::Statement rows = openRecords(sql::SelectEntryKeysAndCategoryBytes);
            while (rows.next())
                if (storedCategory(rows.bytesView(1)) == source) keys << rows.number(0);
        }
        for (EntryKey key : keys)
            executeStatement(sql::UpdateEntryCategory, {target, key});
        closeVault();
    });
}

Result<QList<CategoryCount>> countEntriesPerCategory() {
    return operation<QList<CategoryCount>>(ErrorCode::CategoryBreakdown, [] {
        QList<CategoryCount> counts;
        openVault();
        {
            sqlite::Statement cats = openRecords(sql::SelectCategoryNames);
            while (cats.next())
                counts << CategoryCount{cats.text(0).trimmed(), 0};
        }
        // Every category whose name equals a decoded category counts the entry (duplicates too).
        QHash<QString, QList<qsizetype>> indexesOf;
        for (qsizetype i = 0; i < counts.size(); ++i)
            indexesOf[counts[i].name] << i;
        sqlite::Statement rows = openRecords(sql::SelectEntryCategoryBytes);
        while (rows.next()) {
            const auto hit = indexesOf.constFind(storedCategory(rows.bytesView(0)));
            if (hit == indexesOf.cend()) continue;
            for (qsizetype i : *hit)
                ++counts[i].count;
        }
        closeVault();
        return counts;
    });
}

Result<QList<ListedEntry>> listEntries(const QString& category) {
    const QString filter = upperTrimmed(category);
    const bool all = filter.isEmpty();
    return operation<QList<ListedEntry>>(ErrorCode::RetrieveEntries, [&] {
        openVault();
        QList<ListedEntry> listed;
        sqlite::Statement rows = openRecords(all ? sql::SelectAllListedEntries : sql::SelectListedEntries);
        UpperCasedValues described(true);
        while (rows.next()) {
            if (!all && storedCategory(rows.bytesView(2)) != filter) continue;
            listed << ListedEntry{keyOf(rows), described(rows.bytesView(1)).trimmed().toString()};
        }
        closeVault();
        return listed;
    });
}

Result<ShownEntry> showEntry(EntryKey key) {
    return operation<ShownEntry>(ErrorCode::ShowEntry, [&] {
        ShownEntry shown;
        openVault();
        {
            sqlite::Statement row = openRecords(sql::SelectEntryByKey, {key});
            // Deleted by another program since the list was filled.
            if (!row.next())
                throw VaultFailure{QStringLiteral("Quorlane"), -1,
                                   QStringLiteral("The entry is no longer in the vault")};
            Entry& entry = shown.entry;
            EntryValues& stored = entry.stored;
            entry.key = row.number(0);
            const std::optional<QString> description = DecodeStoredEntryValue(row.bytesView(1));
            stored.keepStored[0] = !description;
            stored.description = description.value_or(CodecError);
            entry.description = upperTrimmed(stored.description);
            for (std::size_t i = 0; i < 5; ++i) {
                const std::optional<QString> value =
                    readableValue(DecodeStoredEntryValue(row.bytesView(2 + int(i))));
                QString& storedValue = i < 4 ? stored.fields[i] : stored.notes;
                stored.keepStored[1 + i] = !value;
                storedValue = value.value_or(QString());
                (i < 4 ? entry.fields[i] : entry.notes) = storedValue.trimmed();
            }
            const std::optional<QString> category = DecodeStoredValue(row.bytesView(7));
            stored.keepStored[6] = !category;
            stored.category = category.value_or(CodecError);
            entry.category = upperTrimmed(stored.category);
            entry.lastUpdate = DecodeValue(row.bytesView(8));
            stored.asRead = rowAsRead(row, 1);
        }
        {
            sqlite::Statement definition = openRecords(sql::SelectCategoryDefinition, {shown.entry.category});
            if (definition.next()) {
                shown.definition = categoryDefinitionOf(definition);
                // The picture number is a byte: any other text fails the read.
                if (shown.definition->image < 0)
                    throw VaultFailure{QStringLiteral("Quorlane"), 13, QStringLiteral("Type mismatch")};
            }
        }
        shown.hasAttachments = openRecords(sql::SelectAttachments, {ownerText(key)}).next();
        closeVault();
        return shown;
    });
}

Result<bool> isDuplicateDescription(const QString& description) {
    const QString wanted = upperTrimmed(description);
    return operation<bool>(ErrorCode::DuplicateCheck, [&] {
        bool taken = false;
        openVault();
        {
            sqlite::Statement rows = openRecords(sql::SelectEntryDescriptionBytes);
            while (!taken && rows.next())
                taken = sameDescription(rows.bytesView(0), wanted);
        }
        closeVault();
        return taken;
    });
}

Result<QList<ListedEntry>> findEntries(const QString& word) {
    const QString wanted = upperTrimmed(word);
    // Whether the word occurs in a prepared value; the empty word is in every value that is not blank.
    const auto occursIn = [&wanted](QStringView value) {
        return wanted.isEmpty() ? !value.trimmed().isEmpty() : value.contains(wanted);
    };
    // Trimming a value never changes whether a trimmed, non-empty word occurs in it, so only the
    // description (the result's text) is trimmed. Turning the apostrophe substitute back matters
    // only to a word holding an apostrophe or a euro sign: any other word occurs in a value's
    // one-byte text exactly where it occurs in the value.
    const bool restoreApostrophes =
        wanted.contains(QLatin1Char('\'')) || wanted.contains(ApostropheSubstitute);
    UpperCasedValues searched(restoreApostrophes);
    UpperCasedValues described(true);
    // Whether a row of searched values matches; gives its description as listed. The description
    // is matched as the other values are and made a text only for a row that matches.
    const auto matching = [&](const sqlite::Statement& rows) -> std::optional<QString> {
        bool match = false;
        for (int column = 1; column < 7 && !match; ++column)
            match = occursIn(searched(rows.bytesView(column)));
        if (!match) return std::nullopt;
        return described(rows.bytesView(1)).trimmed().toString();
    };
    return operation<QList<ListedEntry>>(ErrorCode::Search, [&] {
        QList<ListedEntry> found;
        openVault();
        if (wanted.isEmpty()) {
            // The empty word is in every entry's description that is not blank: those come from
            // the list index; only an entry with a blank description has its other values read.
            QList<EntryKey> blank;
            {
                sqlite::Statement rows = openRecords(sql::SelectAllListedEntries);
                while (rows.next()) {
                    const QStringView description = described(rows.bytesView(1)).trimmed();
                    if (description.isEmpty())
                        blank << rows.number(0);
                    else
                        found << ListedEntry{keyOf(rows), description.toString()};
                }
            }
            for (const EntryKey key : blank) {
                sqlite::Statement row = openRecords(sql::SelectSearchedValuesByKey, {key});
                if (row.next())
                    if (std::optional<QString> description = matching(row))
                        found << ListedEntry{key, std::move(*description)};
            }
        } else {
            sqlite::Statement rows = openRecords(sql::SelectSearchedEntryValues);
            while (rows.next())
                if (std::optional<QString> description = matching(rows))
                    found << ListedEntry{keyOf(rows), std::move(*description)};
        }
        closeVault();
        return found;
    });
}

Result<> addEntry(const EntryValues& values, const QDateTime& when) {
    return write(ErrorCode::AddEntry, [&] {
        const std::array<QString, 8> v = storedValues(values, when);
        openVault();
        executeStatement(sql::InsertEntry, {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
        closeVault();
    });
}

namespace {
// The updates of an entry's columns, in the order of storedValues.
constexpr std::array<const char*, 8> Updates = {
    sql::UpdateEntryPdf1, sql::UpdateEntryPdf2, sql::UpdateEntryPdf3,     sql::UpdateEntryPdf4,
    sql::UpdateEntryPdf5, sql::UpdateEntryPdf6, sql::UpdateEntryCategory, sql::UpdateEntryLastUpdate};
} // namespace

Result<RowCheck> updateEntry(std::optional<EntryKey> key, const EntryValues& values, const QDateTime& when) {
    return operation<RowCheck>(ErrorCode::UpdateEntry,
                               [&] {
                                   const std::array<QString, 8> v = storedValues(values, when);
                                   openVault();
                                   const RowCheck check = checkRow(key, values.asRead);
                                   if (check == RowCheck::Written) {
                                       for (std::size_t i = 0; i < Updates.size(); ++i) {
                                           // PDF1 .. PDF6 and sCat that could not be read keep their stored
                                           // text.
                                           if (i < values.keepStored.size() && values.keepStored[i]) continue;
                                           executeStatement(Updates[i], {v[i], entryKeyValue(key)});
                                       }
                                   }
                                   closeVault();
                                   return check;
                               },
                               {.writes = true});
}

Result<RowCheck> deleteEntry(std::optional<EntryKey> key, const QByteArray& seen) {
    return operation<RowCheck>(ErrorCode::DeleteEntry,
                               [&] {
                                   openVault();
                                   const RowCheck check = checkRow(key, seen);
                                   if (check == RowCheck::Written) {
                                       executeStatement(sql::DeleteEntry, {entryKeyValue(key)});
                                       executeStatement(sql::DeleteAttachments, {ownerText(key)});
                                   }
                                   closeVault();
                                   return check;
                               },
                               {.writes = true});
}

Result<QList<Attachment>> attachments(std::optional<EntryKey> key) {
    return operation<QList<Attachment>>(ErrorCode::LoadAttachments, [&] {
        QList<Attachment> found;
        openVault();
        {
            sqlite::Statement rows = openRecords(sql::SelectAttachments, {ownerText(key)});
            const int name = rows.column("AttachName"), path = rows.column("AttachPath"),
                      picture = rows.column("AttachPic");
            while (rows.next())
                found << Attachment{rows.text(name).trimmed(), rows.text(path),
                                    storedPictureNumber(rows.text(picture))};
        }
        closeVault();
        return found;
    });
}

Result<> saveAttachments(std::optional<EntryKey> key, const QList<Attachment>& attachments) {
    return write(ErrorCode::SaveAttachments, [&] {
        const QString owner = ownerText(key);
        openVault();
        executeStatement(sql::DeleteAttachments, {owner});
        for (const Attachment& attachment : attachments) {
            if (attachment.description.trimmed().isEmpty()) continue;
            // Vaults hold each description followed by one blank; readers trim it.
            executeStatement(sql::InsertAttachment, {owner, attachment.description + QLatin1Char(' '),
                                                     attachment.path, QString::number(attachment.picture)});
        }
        closeVault();
    });
}

namespace {

// Every category's titles; a name in the category table without titles is listed with none.
QList<CategoryDefinition> allCategoryDefinitions() {
    QList<CategoryDefinition> categories;
    {
        sqlite::Statement rows = openRecords(sql::SelectCategoryDefinitions);
        while (rows.next()) {
            categories << categoryDefinitionOf(rows);
            categories.back().name = upperTrimmed(categories.back().name);
        }
    }
    sqlite::Statement names = openRecords(sql::SelectCategoryNames);
    while (names.next()) {
        const QString name = upperTrimmed(names.text(0));
        if (std::none_of(categories.cbegin(), categories.cend(),
                         [&name](const CategoryDefinition& c) { return c.name == name; }))
            categories << CategoryDefinition{name, {}, -1};
    }
    return categories;
}

} // namespace

Result<ImportTarget> importTarget() {
    return operation<ImportTarget>(ErrorCode::ImportCheck, [] {
        ImportTarget target;
        openVault();
        target.categories = allCategoryDefinitions();
        {
            sqlite::Statement rows = openRecords(sql::SelectEntryDescriptionBytes);
            while (rows.next())
                target.descriptions << upperTrimmed(DecodeEntryValue(rows.bytesView(0)));
        }
        closeVault();
        return target;
    });
}

namespace {

// An entry row of SelectEntries (key, PDF1 .. PDF6, sCat, dtLU) as stored, apostrophes back.
EntryRecord entryRecordOf(const sqlite::Statement& rows) {
    EntryRecord entry;
    entry.description = DecodeEntryValue(rows.bytesView(1));
    for (int i = 0; i < 4; ++i)
        entry.fields[std::size_t(i)] = DecodeEntryValue(rows.bytesView(2 + i));
    entry.notes = DecodeEntryValue(rows.bytesView(6));
    entry.category = storedCategory(rows.bytesView(7));
    entry.lastUpdate = DecodeValue(rows.bytesView(8));
    return entry;
}

} // namespace

Result<VaultExport> exportEntries() {
    return operation<VaultExport>(ErrorCode::ExportEntries, [] {
        VaultExport all;
        openVault();
        {
            sqlite::Statement rows = openRecords(sql::SelectEntries);
            while (rows.next())
                all.entries << entryRecordOf(rows);
        }
        all.categories = allCategoryDefinitions();
        closeVault();
        return all;
    });
}

Result<> importEntries(const QList<CategoryDefinition>& newCategories, const QList<EntryRecord>& entries,
                       const std::function<void(qint64 done, qint64 total)>& progress) {
    constexpr qsizetype ProgressStep = 500;
    return write(ErrorCode::ImportEntries, [&] {
        openVault();
        for (const CategoryDefinition& category : newCategories) {
            const auto& t = category.titles;
            executeStatement(sql::InsertCategory, {category.name});
            executeStatement(sql::InsertCategoryDefinitionWithTitles,
                             {category.name, toStoredTitle(t[0]), toStoredTitle(t[1]), toStoredTitle(t[2]),
                              toStoredTitle(t[3]), toStoredTitle(t[4]), toStoredTitle(t[5])});
        }
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const std::array<QString, 8> v = storedValues(entries[i]);
            executeStatement(sql::InsertEntry, {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
            if (progress && (i + 1) % ProgressStep == 0) progress(i + 1, entries.size());
        }
        closeVault();
        if (progress) progress(entries.size(), entries.size());
    });
}

std::optional<LoginSettings> loadLoginSettings() {
    try {
        LoginSettings settings;
        openVault();
        {
            sqlite::Statement rows = openRecords(sql::SelectLogin);
            if (rows.next()) {
                settings.required = rows.text(rows.column("RUL")).trimmed() == QLatin1String("1");
                settings.retries = rows.text(rows.column("URetry")).trimmed();
                if (settings.required)
                    settings.password = DecodeValue(rows.text(rows.column("UPass"))).trimmed();
            }
        }
        closeVault();
        return settings;
    } catch (const VaultFailure&) {
        try {
            closeVault();
        } catch (const VaultFailure&) {
        }
        return std::nullopt;
    }
}

Result<> saveLoginSettings(const LoginSettings& settings, const VaultKey* newKey) {
    if (settings.required || heldVaultKey())
        return write(ErrorCode::SaveSetup, [&] {
            if (settings.required && !newKey)
                throw VaultFailure{QStringLiteral("Quorlane"), -1,
                                   QStringLiteral("No key was made from the password")};
            const VaultKey* key = settings.required ? newKey : nullptr;
            // Opened as for any write: the file checked, its write lock held until the new file
            // has taken its place, a change of another program met instead of written over.
            openVault();
            reencryptWithLogin(vaultFilePath(), heldVaultKey(), key, settings.retries);
            closeVault();
            // The new file, written by this program, is the vault as known from now on.
            rememberVaultFile(key);
        });
    return write(ErrorCode::SaveSetup, [&] {
        openVault();
        executeStatement(sql::InsertMissingLogin);
        executeStatement(sql::UpdateLoginNotRequired);
        executeStatement(sql::UpdateLoginPassword, {encodeForWrite(QStringLiteral(" "))});
        executeStatement(sql::UpdateLoginRetries, {settings.retries});
        closeVault();
    });
}

// Compacting -------------------------------------------------------------------------------

Result<bool> compactVault() {
    if (heldVaultKey()) return false;
    // The file is replaced where it lies (a link is followed): the file and its folder must be
    // this program's to write. The page size stands in a plain file's header, bytes 16 and 17
    // (big-endian; 1 for 64 KiB).
    QFile file(QFileInfo(vaultFilePath()).canonicalFilePath());
    if (!file.open(QIODevice::ReadWrite)) return false;
    const QByteArray header = file.read(18);
    file.close();
    if (header.size() < 18 || !header.startsWith(QByteArrayView("SQLite format 3", 16))) return false;
    const int pageSize =
        (static_cast<unsigned char>(header[16]) << 8) | static_cast<unsigned char>(header[17]);
    if (pageSize == 1 || pageSize >= VaultPageSize) return false;
    if (!QFileInfo(QFileInfo(file.fileName()).absolutePath()).isWritable()) return false;
    const Result<> rewritten = write(ErrorCode::CompactVault, [] {
        openVault();
        reencryptVault(vaultFilePath(), nullptr, nullptr);
        closeVault();
    });
    if (!rewritten) return Result<bool>::failure(rewritten.code());
    return true;
}

// Conflict copies ---------------------------------------------------------------------------

namespace {

bool sameValues(const EntryRecord& a, const EntryRecord& b) {
    return a.description == b.description && a.fields == b.fields && a.notes == b.notes &&
           a.category == b.category;
}

} // namespace

Result<QList<CopyDifference>> compareWithCopy(const QString& copyPath, const VaultKey* copyKey) {
    return operation<QList<CopyDifference>>(ErrorCode::ExportEntries, [&] {
        QList<EntryRecord> copyEntries;
        QList<CategoryDefinition> copyCategories;
        {
            sqlite::Connection copy = openCheckedVault(QDir::cleanPath(copyPath), copyKey);
            sqlite::Statement rows(copy, sql::SelectEntries);
            while (rows.next())
                copyEntries << entryRecordOf(rows);
            sqlite::Statement titles(copy, sql::SelectCategoryDefinitions);
            while (titles.next()) {
                copyCategories << categoryDefinitionOf(titles);
                copyCategories.back().name = upperTrimmed(copyCategories.back().name);
            }
        }
        struct VaultEntry {
            EntryKey key;
            EntryRecord record;
            QByteArray asRead;
        };
        QHash<QString, VaultEntry> vaultEntries;
        QSet<QString> vaultCategories;
        openVault();
        {
            sqlite::Statement rows = openRecords(sql::SelectEntries);
            while (rows.next()) {
                if (rows.isNull(0)) continue; // a row without a key cannot be updated
                EntryRecord record = entryRecordOf(rows);
                vaultEntries.insert(upperTrimmed(record.description),
                                    {rows.number(0), record, rowAsRead(rows, 1)});
            }
        }
        for (const CategoryDefinition& category : allCategoryDefinitions())
            vaultCategories << category.name;
        closeVault();

        QList<CopyDifference> differences;
        for (const EntryRecord& entry : std::as_const(copyEntries)) {
            CopyDifference difference{entry, std::nullopt, {}, {}, std::nullopt};
            if (const auto found = vaultEntries.constFind(upperTrimmed(entry.description));
                found != vaultEntries.cend()) {
                if (sameValues(found->record, entry)) continue;
                difference.vaultKey = found->key;
                difference.vault = found->record;
                difference.vaultAsRead = found->asRead;
            }
            const QString category = upperTrimmed(entry.category);
            if (!vaultCategories.contains(category)) {
                const auto titles =
                    std::find_if(copyCategories.cbegin(), copyCategories.cend(),
                                 [&](const CategoryDefinition& c) { return c.name == category; });
                difference.newCategory =
                    titles != copyCategories.cend() ? *titles : CategoryDefinition{category, {}, -1};
            }
            differences << difference;
        }
        return differences;
    });
}

Result<RowCheck> takeFromCopy(const QList<CopyDifference>& chosen, const QDateTime& when) {
    return operation<RowCheck>(
        ErrorCode::ImportEntries,
        [&] {
            openVault();
            QSet<QString> categories;
            for (const CategoryDefinition& category : allCategoryDefinitions())
                categories << category.name;
            // Every vault entry the copy's values go over is checked first: one changed meanwhile
            // leaves the whole choice unwritten.
            for (const CopyDifference& difference : chosen) {
                if (!difference.vaultKey) continue;
                if (const RowCheck check = checkRow(difference.vaultKey, difference.vaultAsRead);
                    check != RowCheck::Written) {
                    closeVault();
                    return check;
                }
            }
            for (const CopyDifference& difference : chosen) {
                const EntryRecord& e = difference.copy;
                const std::array<QString, 8> v = storedValues(
                    EntryRecord{e.category, e.description, e.fields, e.notes, formatLastUpdate(when)});
                if (difference.vaultKey) {
                    for (std::size_t i = 0; i < Updates.size(); ++i)
                        executeStatement(Updates[i], {v[i], *difference.vaultKey});
                } else {
                    executeStatement(sql::InsertEntry, {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
                }
                if (difference.newCategory && !categories.contains(difference.newCategory->name)) {
                    const auto& t = difference.newCategory->titles;
                    executeStatement(sql::InsertCategory, {difference.newCategory->name});
                    executeStatement(sql::InsertCategoryDefinitionWithTitles,
                                     {difference.newCategory->name, toStoredTitle(t[0]), toStoredTitle(t[1]),
                                      toStoredTitle(t[2]), toStoredTitle(t[3]), toStoredTitle(t[4]),
                                      toStoredTitle(t[5])});
                    categories << difference.newCategory->name;
                }
            }
            closeVault();
            return RowCheck::Written;
        },
        {.writes = true});
}

} // namespace store
