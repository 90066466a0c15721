// quorlane-vaultcheck FILE: the check of a plain vault before Quorlane's SQLCipher opens it, run
// as a program of its own because Debian's current SQLite and SQLCipher's SQLite export the same
// symbols. Prints what is wrong on one line. Exit status: 0 the file passes, 1 it is not a vault,
// 2 it cannot be read, 3 wrong use.
#include "checkvault.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: quorlane-vaultcheck FILE\n", stderr);
        return 3;
    }
    const VaultCheck check = checkVaultFile(argv[1]);
    if (check.outcome == VaultCheck::Outcome::Passed) return 0;
    std::fputs(check.problem.c_str(), stdout);
    std::fputc('\n', stdout);
    return check.outcome == VaultCheck::Outcome::Rejected ? 1 : 2;
}
