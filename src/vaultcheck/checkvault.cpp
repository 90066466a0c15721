#include "checkvault.h"

#include "vaultrules/vaultrules.h"

#include <sqlite3.h>

#include <fstream>
#include <memory>
#include <sys/stat.h>

namespace {

VaultCheck rejected(std::string problem) {
    return {VaultCheck::Outcome::Rejected, std::move(problem)};
}

VaultCheck unreadable(std::string why) {
    return {VaultCheck::Outcome::Unreadable, std::move(why)};
}

std::string column(sqlite3_stmt* statement, int index) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
    return text ? std::string(text, std::size_t(sqlite3_column_bytes(statement, index))) : std::string();
}

using Database = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;
using Statement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

Statement prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &raw, nullptr);
    return Statement(raw, sqlite3_finalize);
}

// A file SQLite could not take apart is no vault; a file it could not read at all is another
// matter (the operations report it as before).
VaultCheck failure(sqlite3* db, int code) {
    const std::string text = sqlite3_errmsg(db);
    switch (code & 0xff) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_ERROR: // a schema SQLite cannot parse
    case SQLITE_RANGE:
    case SQLITE_FORMAT:
    case SQLITE_TOOBIG:
        return rejected(vaultrules::worded(vaultrules::Damaged, {text}));
    case SQLITE_READONLY:
        // A journal beside the file holds a change that was never finished; rolling it back would
        // write into the file after this check.
        return rejected(vaultrules::Journal);
    default:
        return unreadable(text);
    }
}

} // namespace

VaultCheck checkVaultFile(const std::string& path) {
    // The file itself: its header and its length in pages.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return unreadable(vaultrules::NotFound);
    if (!S_ISREG(info.st_mode)) return rejected(vaultrules::NotFile);
    std::string header(100, '\0');
    {
        std::ifstream file(path, std::ios::binary);
        if (!file) return unreadable(vaultrules::Unreadable);
        file.read(header.data(), std::streamsize(header.size()));
        header.resize(std::size_t(file.gcount()));
    }
    if (std::string problem = vaultrules::plainFileProblem(header, std::uint64_t(info.st_size));
        !problem.empty())
        return rejected(problem);

    // Read-only, nothing from the schema trusted or run. The file is read through a memory map, which
    // is quickest; a file cut short meanwhile ends this program with SIGBUS, which the store takes
    // for a check that did not answer.
    sqlite3* raw = nullptr;
    const int opened =
        sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    Database db(raw, sqlite3_close_v2);
    if (opened != SQLITE_OK) return unreadable(db ? sqlite3_errmsg(db.get()) : sqlite3_errstr(opened));
    // Another program's write lock: wait as the program's own connections do, then report.
    sqlite3_busy_timeout(db.get(), 300);
    int off = 0;
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_DEFENSIVE, 1, &off);
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, &off);
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, &off);
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_ENABLE_VIEW, 0, &off);
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_ENABLE_FKEY, 0, &off);
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, &off);
    for (const char* pragma :
         {"PRAGMA trusted_schema = OFF", "PRAGMA cell_size_check = ON", "PRAGMA query_only = ON"}) {
        const int rc = sqlite3_exec(db.get(), pragma, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) return failure(db.get(), rc);
    }

    const std::string mapSize = "PRAGMA mmap_size = " + std::to_string(info.st_size);
    if (const int rc = sqlite3_exec(db.get(), mapSize.c_str(), nullptr, nullptr, nullptr); rc != SQLITE_OK)
        return failure(db.get(), rc);

    // Every schema row, compared with the vault's schema.
    std::vector<vaultrules::SchemaRow> rows;
    {
        Statement schema =
            prepare(db.get(), "SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY rowid");
        if (!schema) return failure(db.get(), sqlite3_errcode(db.get()));
        int rc;
        while ((rc = sqlite3_step(schema.get())) == SQLITE_ROW)
            rows.push_back({column(schema.get(), 0), column(schema.get(), 1), column(schema.get(), 2),
                            column(schema.get(), 3)});
        if (rc != SQLITE_DONE) return failure(db.get(), rc);
    }
    if (std::string problem = vaultrules::schemaProblem(rows); !problem.empty()) return rejected(problem);

    // Every page: b-trees well formed, no page used twice or lost.
    Statement check = prepare(db.get(), "PRAGMA quick_check(1)");
    if (!check) return failure(db.get(), sqlite3_errcode(db.get()));
    const int rc = sqlite3_step(check.get());
    if (rc != SQLITE_ROW) return failure(db.get(), rc);
    if (const std::string result = column(check.get(), 0); result != "ok")
        return rejected(vaultrules::worded(vaultrules::Damaged, {result}));
    return {};
}
