// Encrypts a vault for the end-to-end tests as the setup window does when a login password is
// saved: the key from the password (upper-cased and trimmed, as the login compares it), a new
// salt, the login row of the encrypted copy with the retry count.
//
//   encryptvault <vault file> <password> <retries>

#include "store/filecheck.h"
#include "store/vault.h"
#include "store/vaultfile.h"
#include "store/vaultkey.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: encryptvault <vault file> <password> <retries>\n");
        return 2;
    }
    const std::optional<VaultKey> key =
        VaultKey::deriveFromLogin(QString::fromLocal8Bit(argv[2]).toUpper().trimmed(), newVaultSalt());
    if (!key) return 1;
    // The plain vault is checked before it is read, by the build's checker.
    setVaultCheckerProgram(QStringLiteral(QUORLANE_APP_DIR "/quorlane-vaultcheck"));
    try {
        reencryptWithLogin(QString::fromLocal8Bit(argv[1]), nullptr, &*key, QString::fromLocal8Bit(argv[3]));
    } catch (const VaultFailure& failure) {
        std::fprintf(stderr, "%s\n", qPrintable(failure.description));
        return 1;
    }
    return 0;
}
