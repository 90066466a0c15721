#pragma once

// What a vault file must look like before either SQLite library reads its contents: the objects of
// its schema and the arithmetic of its pages. Plain C++ only, so that both the checker program (on
// Debian's current SQLite) and the store (on SQLCipher, for an encrypted vault once its key is
// known) use the same rules. Every answer is empty when the file passes, otherwise what is wrong,
// worded to follow "<file> is not a Quorlane vault: " ("it holds a view named PDF").

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vaultrules {

// One row of sqlite_master.
struct SchemaRow {
    std::string type;
    std::string name;
    std::string tableName;
    std::string sql;
};

// The rows must be exactly a vault's: the five tables as the program makes them (in any of the
// forms it ever wrote), the entry list's index if present and SQLite's own sqlite_sequence; no
// view, trigger, virtual table or other object.
std::string schemaProblem(const std::vector<SchemaRow>& rows);

// A plain file, from its first 100 bytes (fewer when the file is shorter) and its size: a valid
// SQLite header in the rollback-journal form the program writes, a valid page size, a size that
// is a whole number of pages, and no bytes after the last page the header counts.
std::string plainFileProblem(std::string_view header, std::uint64_t fileSize);

// An encrypted file once its key has read it: pageCount pages of pageSize bytes make the file.
std::string pagesProblem(std::uint64_t pageSize, std::uint64_t pageCount, std::uint64_t fileSize);

// The wordings of every answer above and of the checker's own (below), with %1, %2 where the names
// and numbers go: the program shows an answer in the user's language by finding its wording.
std::vector<std::string_view> wordings();
// A wording with its values put in.
std::string worded(const char* wording, std::initializer_list<std::string> values);
// The checker's own answers, for what only it sees of a file.
extern const char Damaged[]; // %1: SQLite's message
extern const char Journal[];
extern const char NotFound[];
extern const char NotFile[];
extern const char Unreadable[];

} // namespace vaultrules
