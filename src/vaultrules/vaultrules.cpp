#include "vaultrules.h"

#include <algorithm>
#include <cctype>
#include <set>

// Marks the wordings for Qt's translation tools; this library itself stays plain C++.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace vaultrules {

const char Damaged[] = QT_TRANSLATE_NOOP("VaultRules", "SQLite finds it damaged (%1)");
const char Journal[] =
    QT_TRANSLATE_NOOP("VaultRules", "an unfinished change lies beside it in its journal file");
const char NotFound[] = QT_TRANSLATE_NOOP("VaultRules", "it cannot be found");
const char NotFile[] = QT_TRANSLATE_NOOP("VaultRules", "it is not a file");
const char Unreadable[] = QT_TRANSLATE_NOOP("VaultRules", "it cannot be read");

namespace {

constexpr char SecondObject[] = QT_TRANSLATE_NOOP("VaultRules", "it holds a second object named %1");
constexpr char View[] = QT_TRANSLATE_NOOP("VaultRules", "it holds a view named %1");
constexpr char Trigger[] = QT_TRANSLATE_NOOP("VaultRules", "it holds a trigger named %1");
constexpr char VirtualTable[] = QT_TRANSLATE_NOOP("VaultRules", "it holds a virtual table named %1");
constexpr char Index[] = QT_TRANSLATE_NOOP("VaultRules", "it holds an index named %1");
constexpr char IndexForm[] = QT_TRANSLATE_NOOP("VaultRules", "the index PDFList is not as Quorlane makes it");
constexpr char OtherKind[] =
    QT_TRANSLATE_NOOP("VaultRules", "it holds an object of the kind \"%1\" named %2");
constexpr char Table[] = QT_TRANSLATE_NOOP("VaultRules", "it holds a table named %1");
constexpr char SequenceForm[] =
    QT_TRANSLATE_NOOP("VaultRules", "the table sqlite_sequence is not as SQLite makes it");
constexpr char NoTables[] = QT_TRANSLATE_NOOP("VaultRules", "it holds none of the vault's tables");
constexpr char TableMissing[] = QT_TRANSLATE_NOOP("VaultRules", "the table %1 is missing");
constexpr char NoColumn[] = QT_TRANSLATE_NOOP("VaultRules", "the table %1 has no column %2");
constexpr char ExtraColumn[] =
    QT_TRANSLATE_NOOP("VaultRules", "the table %1 has a column %2 that Quorlane does not make");
constexpr char TableForm[] = QT_TRANSLATE_NOOP("VaultRules", "the table %1 is not as Quorlane makes it");
constexpr char Empty[] = QT_TRANSLATE_NOOP("VaultRules", "it is empty");
constexpr char NotDatabase[] = QT_TRANSLATE_NOOP("VaultRules", "it is not a database file");
constexpr char PageSize[] = QT_TRANSLATE_NOOP("VaultRules", "its header gives no valid page size");
constexpr char Wal[] =
    QT_TRANSLATE_NOOP("VaultRules", "it is kept in write-ahead-log form, which Quorlane never writes");
constexpr char Format[] = QT_TRANSLATE_NOOP("VaultRules", "its header gives an unknown file format");
constexpr char Header[] = QT_TRANSLATE_NOOP("VaultRules", "its header is damaged");
constexpr char Utf16[] =
    QT_TRANSLATE_NOOP("VaultRules", "it keeps its text in UTF-16, which Quorlane never writes");
constexpr char PartPages[] =
    QT_TRANSLATE_NOOP("VaultRules", "its size, %1 bytes, is not a whole number of its %2-byte pages");
constexpr char Trailing[] = QT_TRANSLATE_NOOP("VaultRules", "%1 bytes follow its last page");
constexpr char CutShort[] = QT_TRANSLATE_NOOP("VaultRules", "it is cut short: it holds %1 of its %2 pages");

// Every wording above, for the program to translate what the checker says.
constexpr const char* Wordings[] = {
    SecondObject, View,     Trigger,      VirtualTable, Index,       IndexForm, OtherKind, Table,
    SequenceForm, NoTables, TableMissing, NoColumn,     ExtraColumn, TableForm, Empty,     NotDatabase,
    PageSize,     Wal,      Format,       Header,       Utf16,       PartPages, Trailing,  CutShort,
    Damaged,      Journal,  NotFound,     NotFile,      Unreadable};

// The tables the program makes, as it has always written them (sqlcipher_export copies these texts
// into an encrypted vault unchanged).
struct KnownTable {
    const char* name;
    const char* sql;
};
constexpr KnownTable Tables[] = {
    {"Cats", "CREATE TABLE Cats (CatName TEXT)"},
    {"CatDef", "CREATE TABLE CatDef (pwCat TEXT, pwDesc TEXT, pwUDF1 TEXT, pwUDF2 TEXT, pwUDF3 TEXT, "
               "pwUDF4 TEXT, pwNotes TEXT, pwImg INTEGER)"},
    {"PDF", "CREATE TABLE PDF (pNum INTEGER PRIMARY KEY AUTOINCREMENT, PDF1 TEXT, PDF2 TEXT, PDF3 TEXT, "
            "PDF4 TEXT, PDF5 TEXT, PDF6 TEXT, sCat TEXT, dtLU TEXT)"},
    {"eAttach", "CREATE TABLE eAttach (eID TEXT, AttachName TEXT, AttachPath TEXT, AttachPic TEXT)"},
    {"LPass", "CREATE TABLE LPass (UPass TEXT, RUL TEXT, URetry TEXT)"},
};
// SQLite makes this table itself for the entry key's AUTOINCREMENT.
constexpr KnownTable Sequence = {"sqlite_sequence", "CREATE TABLE sqlite_sequence(name,seq)"};
// The entry list's index: in every vault made since it came, added to older ones on first use.
constexpr KnownTable ListIndex = {"PDFList", "CREATE INDEX PDFList ON PDF (PDF1, sCat)"};

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool sameName(std::string_view a, std::string_view b) {
    return upper(a) == upper(b);
}

// One form for texts that differ only in letter case and blanks: runs of white space become one
// blank, and no blank stays beside a parenthesis or a comma.
std::string normalized(std::string_view sql) {
    std::string out;
    bool blank = false;
    for (const char c : sql) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            blank = true;
            continue;
        }
        const bool tight = c == '(' || c == ')' || c == ',';
        if (blank && !out.empty() && !tight && out.back() != '(' && out.back() != ',') out += ' ';
        blank = false;
        out += char(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

// The column names of "CREATE TABLE name (a TYPE, b TYPE, ...)" (normalized), empty when the
// text is not of that simple form.
std::vector<std::string> columnNames(const std::string& sql) {
    const auto open = sql.find('(');
    if (open == std::string::npos || sql.back() != ')') return {};
    const std::string list = sql.substr(open + 1, sql.size() - open - 2);
    if (list.find_first_of("()") != std::string::npos) return {};
    std::vector<std::string> names;
    std::size_t start = 0;
    for (;;) {
        const auto end = list.find(',', start);
        const std::string item =
            list.substr(start, end == std::string::npos ? std::string::npos : end - start);
        names.push_back(item.substr(0, item.find(' ')));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return names;
}

// Why a known table's text is not one the program wrote.
std::string tableFormProblem(const KnownTable& table, const std::string& sql) {
    const std::string name(table.name);
    const std::vector<std::string> expected = columnNames(normalized(table.sql));
    const std::vector<std::string> found = columnNames(sql);
    if (!found.empty()) {
        for (const std::string& column : expected)
            if (std::find(found.begin(), found.end(), column) == found.end()) {
                // The expected texts name each column in its program spelling.
                const std::string original(table.sql);
                const auto at = upper(original).find(column, original.find('('));
                return worded(NoColumn, {name, original.substr(at, column.size())});
            }
        for (const std::string& column : found)
            if (std::find(expected.begin(), expected.end(), column) == expected.end())
                return worded(ExtraColumn, {name, column});
    }
    return worded(TableForm, {name});
}

std::uint32_t bigEndian(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

} // namespace

std::string worded(const char* wording, std::initializer_list<std::string> values) {
    std::string out;
    for (const char* c = wording; *c; ++c) {
        const auto number = std::size_t(c[1] - '1');
        if (c[0] == '%' && c[1] >= '1' && c[1] <= '9' && number < values.size()) {
            out += values.begin()[number];
            ++c;
        } else {
            out += *c;
        }
    }
    return out;
}

std::vector<std::string_view> wordings() {
    return {std::begin(Wordings), std::end(Wordings)};
}

std::string schemaProblem(const std::vector<SchemaRow>& rows) {
    std::set<std::string> seen; // upper-cased names of the objects met so far
    std::string formProblem;
    for (const SchemaRow& row : rows) {
        const std::string sql = normalized(row.sql);
        if (!seen.insert(upper(row.name)).second) return worded(SecondObject, {row.name});
        if (row.type == "view") return worded(View, {row.name});
        if (row.type == "trigger") return worded(Trigger, {row.name});
        if (row.type == "table" && sql.rfind("CREATE VIRTUAL TABLE", 0) == 0)
            return worded(VirtualTable, {row.name});
        if (row.type == "index") {
            if (!sameName(row.name, ListIndex.name)) return worded(Index, {row.name});
            if (!sameName(row.tableName, "PDF") || sql != normalized(ListIndex.sql)) return IndexForm;
            continue;
        }
        if (row.type != "table") return worded(OtherKind, {row.type, row.name});
        if (!sameName(row.tableName, row.name)) return worded(Table, {row.name});
        if (sameName(row.name, Sequence.name)) {
            if (sql != normalized(Sequence.sql)) return SequenceForm;
            continue;
        }
        const auto known = std::find_if(std::begin(Tables), std::end(Tables), [&](const KnownTable& table) {
            return sameName(table.name, row.name);
        });
        if (known == std::end(Tables)) return worded(Table, {row.name});
        if (sql != normalized(known->sql) && formProblem.empty()) formProblem = tableFormProblem(*known, sql);
    }
    if (!formProblem.empty()) return formProblem;
    const auto found = [&](const KnownTable& table) { return seen.count(upper(table.name)) > 0; };
    if (std::none_of(std::begin(Tables), std::end(Tables), found)) return NoTables;
    for (const KnownTable& table : Tables)
        if (!found(table)) return worded(TableMissing, {table.name});
    return {};
}

std::string plainFileProblem(std::string_view header, std::uint64_t fileSize) {
    if (fileSize == 0) return Empty;
    constexpr std::string_view Magic("SQLite format 3\0", 16);
    if (header.size() < 100 || header.substr(0, 16) != Magic) return NotDatabase;
    std::uint64_t pageSize = bigEndian(header, 16, 2);
    if (pageSize == 1) pageSize = 65536;
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0) return PageSize;
    const auto writeVersion = static_cast<unsigned char>(header[18]);
    const auto readVersion = static_cast<unsigned char>(header[19]);
    if (writeVersion == 2 || readVersion == 2) return Wal;
    // A write version above 2 only makes SQLite read the file without writing it.
    if (writeVersion == 0 || readVersion != 1) return Format;
    if (header[21] != 64 || header[22] != 32 || header[23] != 32) return Header;
    const std::uint32_t encoding = bigEndian(header, 56, 4);
    if (encoding > 1) return Utf16;
    // The page count in the header counts only when the header says it is current.
    std::uint64_t pageCount = fileSize / pageSize;
    const std::uint32_t headerCount = bigEndian(header, 28, 4);
    if (headerCount != 0 && bigEndian(header, 24, 4) == bigEndian(header, 92, 4)) pageCount = headerCount;
    return pagesProblem(pageSize, pageCount, fileSize);
}

std::string pagesProblem(std::uint64_t pageSize, std::uint64_t pageCount, std::uint64_t fileSize) {
    if (pageSize == 0 || fileSize % pageSize != 0)
        return worded(PartPages, {std::to_string(fileSize), std::to_string(pageSize)});
    const std::uint64_t pagesBytes = pageCount * pageSize;
    if (pagesBytes < fileSize) return worded(Trailing, {std::to_string(fileSize - pagesBytes)});
    if (pagesBytes > fileSize)
        return worded(CutShort, {std::to_string(fileSize / pageSize), std::to_string(pageCount)});
    return {};
}

} // namespace vaultrules
