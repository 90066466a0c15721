// libFuzzer target: the check of a plain vault file, on page-level changes of a small valid vault.
// The input is a list of changes, each applied to the vault's pages in turn:
//   0: overwrite  page, offset (2 bytes), length, then that many bytes
//   1: copy page a over page b
//   2: cut the file to n pages, then cut off a further few bytes
//   3: append bytes
// The check must answer without crashing, and a file it lets through must have a sound size.
#include "vaultcheck/checkvault.h"
#include "vaultrules/vaultrules.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    require(bool(file));
}

// A vault as the program makes it, small pages so that every table has pages of its own, with a
// few entries and attachments.
struct Seed {
    std::string folder;
    std::string vault;
    std::string bytes;
    std::size_t pageSize = 512;
    Seed() {
        char pattern[] = "/tmp/fuzz_vaultcheck.XXXXXX";
        require(mkdtemp(pattern) != nullptr);
        folder = pattern;
        vault = folder + "/gpwdfsc.mdb";
        const std::string schema = readFile(QUORLANE_SOURCE_DIR "/resources/vault/schema.sql");
        const std::string rows = readFile(QUORLANE_SOURCE_DIR "/resources/vault/categories.sql");
        sqlite3* db = nullptr;
        require(sqlite3_open(vault.c_str(), &db) == SQLITE_OK);
        std::ostringstream script;
        script << "PRAGMA page_size = 512; BEGIN;" << schema << rows
               << "INSERT INTO LPass VALUES ('000032000032', '0', '3');";
        for (int i = 0; i < 40; ++i)
            script << "INSERT INTO PDF (PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU) VALUES ('"
                   << 100000 + i << "', 'a', 'b', 'c', 'd', '" << std::string(std::size_t(i * 7), '7')
                   << "', 'HOME', '03/15/2013 02:05:09 pm');"
                   << "INSERT INTO eAttach VALUES ('" << i << "', 'SCAN', '/home/u/scan.pdf', '3');";
        script << "COMMIT;";
        require(sqlite3_exec(db, script.str().c_str(), nullptr, nullptr, nullptr) == SQLITE_OK);
        sqlite3_close(db);
        bytes = readFile(vault);
        require(checkVaultFile(vault).outcome == VaultCheck::Outcome::Passed);
    }
    ~Seed() {
        std::remove(vault.c_str());
        rmdir(folder.c_str());
    }
};

const Seed& seed() {
    static const Seed instance;
    return instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Seed& base = seed();
    std::string file = base.bytes;
    const std::size_t pages = base.bytes.size() / base.pageSize;
    std::size_t at = 0;
    const auto next = [&]() -> unsigned { return at < size ? data[at++] : 0u; };
    while (at < size) {
        switch (next() % 4) {
        case 0: {
            const std::size_t page = next() % pages;
            const std::size_t offset = ((next() << 8) | next()) % base.pageSize;
            const std::size_t length = next();
            for (std::size_t i = 0; i < length && at < size; ++i) {
                const std::size_t position = page * base.pageSize + offset + i;
                if (position < file.size()) file[position] = char(next());
            }
            break;
        }
        case 1: {
            const std::size_t from = next() % pages, to = next() % pages;
            if ((to + 1) * base.pageSize <= file.size() && (from + 1) * base.pageSize <= file.size())
                file.replace(to * base.pageSize, base.pageSize, base.bytes, from * base.pageSize,
                             base.pageSize);
            break;
        }
        case 2: {
            const std::size_t keep = next() % (pages + 1) * base.pageSize;
            file.resize(std::min(file.size(), keep));
            file.resize(file.size() - std::min<std::size_t>(file.size(), next() % 4));
            break;
        }
        case 3: {
            const std::size_t length = next();
            for (std::size_t i = 0; i < length && at < size; ++i)
                file += char(next());
            break;
        }
        }
    }
    writeFile(base.vault, file);
    const VaultCheck check = checkVaultFile(base.vault);
    if (check.outcome == VaultCheck::Outcome::Passed)
        require(vaultrules::plainFileProblem(std::string_view(file).substr(0, 100), file.size()).empty());
    else
        require(!check.problem.empty());
    return 0;
}
