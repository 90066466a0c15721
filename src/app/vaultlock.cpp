#include "vaultlock.h"

#include "loginsession.h"
#include "modregistry.h"
#include "platform.h"
#include "store/records.h"
#include "store/repository.h"
#include "store/vault.h"
#include "store/vaultfile.h"
#include "vaultreport.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScopeGuard>

namespace {

const QString SettingsKey = QLatin1String(setting::Key);
const QString RetriesValue = QLatin1String(setting::Retries);
constexpr short DeliveredRetries = 3;

} // namespace

std::optional<VaultKey> deriveLoginKey(const QString& password, const VaultSalt& salt) {
    // Argon2id takes a noticeable moment: the pointer says so.
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    QString canonical = upperTrimmed(password);
    std::optional<VaultKey> key = VaultKey::deriveFromLogin(canonical, salt);
    wipeText(canonical);
    return key;
}

bool vaultEncrypted() {
    return readVaultHeader(vaultFilePath()).kind == VaultFileKind::Encrypted;
}

bool loginRequired() {
    return loginSession().passwordSet() || vaultEncrypted();
}

bool passwordAccepted(const QString& typed) {
    const VaultFileHeader header = readVaultHeader(vaultFilePath());
    if (header.kind != VaultFileKind::Encrypted) return upperTrimmed(typed) == loginSession().password;
    // Setup never keys a vault with an empty password.
    if (typed.trimmed().isEmpty()) return false;
    std::optional<VaultKey> key = deriveLoginKey(typed, header.salt);
    if (!key || !keyOpensVault(vaultFilePath(), *key)) return false;
    holdVaultKey(std::move(*key));
    return true;
}

short retryCountCopy() {
    bool numeric = false;
    const short retries = ReadRegistrySetting(SettingsKey, RetriesValue).trimmed().toShort(&numeric);
    return numeric ? retries : DeliveredRetries;
}

void saveRetryCountCopy(short retries) {
    CreateRegistryKey(SettingsKey);
    WriteRegistryValue(SettingsKey, RetriesValue, QString::number(retries), 1);
}

bool confirmUnprotectedVault() {
    return platform().messageBox(QCoreApplication::translate("VaultLock", "Confirmation"),
                                 QCoreApplication::translate(
                                     "VaultLock", "Without a login password the vault file will no longer be "
                                                  "protected: anyone who copies it can read every entry.\n\n"
                                                  "Save without a password?"),
                                 MsgIcon::Warning, MsgButtons::YesNo, MsgAnswer::No) == MsgAnswer::Yes;
}

void offerVaultEncryption() {
    if (!loginSession().passwordSet() || vaultEncrypted()) return;
    if (platform().messageBox(
            QCoreApplication::translate("VaultLock", "Encrypt Your Vault?"),
            QCoreApplication::translate(
                "VaultLock", "Your vault file is not encrypted: anyone who copies it can read every entry, "
                             "and your login password too.\n\nEncrypt it now with your login password?"),
            MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes) != MsgAnswer::Yes)
        return;
    std::optional<VaultKey> key = deriveLoginKey(loginSession().password, newVaultSalt());
    const LoginSettings settings{true, loginSession().password, loginSession().stored.retries};
    if (const Result<> saved = store::saveLoginSettings(settings, key ? &*key : nullptr); !saved) {
        // The vault stays as it was, plain, and the login as it is.
        showVaultReport(saved.code());
        return;
    }
    holdVaultKey(std::move(*key));
    // With an encrypted vault the key is the check: the password is kept nowhere.
    loginSession().stored.password.clear();
    loginSession().password.clear();
    saveRetryCountCopy(loginSession().retries);
    platform().messageBox(
        QCoreApplication::translate("VaultLock", "Vault Encrypted"),
        QCoreApplication::translate("VaultLock", "Your vault file is now encrypted. Your login password is "
                                                 "the only way to open it: do not forget it."),
        MsgIcon::Information);
}
