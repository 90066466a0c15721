#include "vaultwatch.h"

#include "loginsession.h"
#include "mainwindowport.h"
#include "platform.h"
#include "store/vault.h"
#include "store/vaultfile.h"
#include "store/vaultkey.h"
#include "traylock.h"
#include "vaultlock.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QWidget>
#include <algorithm>

namespace {

// Set while the window is put in step, so that the message box of one check does not start another.
bool busy = false;
// The user was told of a change that sent the program to the login: the refill after it is silent.
bool toldBeforeLogin = false;

// Whether the key this run holds no longer opens the vault: another program encrypted it anew.
bool needsLoginAgain() {
    if (!vaultEncrypted()) return false;
    const VaultKey* key = heldVaultKey();
    return !key || key->salt() != readVaultHeader(vaultFilePath()).salt;
}

// The list and the shown entry again: the entry shown before when the vault still has it, else the
// row it stood at.
void refillMainWindow() {
    MainWindowPort& main = mainWindow();
    const std::optional<EntryKey> shown = main.shownEntryKey();
    const int row = main.currentEntryRow();
    main.refillCategoryFilter();
    main.fillEntryList();
    if (main.entryCount() == 0) return;
    if (shown && main.selectEntryKey(*shown)) return;
    main.selectEntryRow(std::clamp(row, 0, main.entryCount() - 1));
}

} // namespace

void showCurrentVault(bool tell) {
    if (busy) return;
    busy = true;
    const struct Done {
        ~Done() { busy = false; }
    } done;
    if (tell && !toldBeforeLogin)
        platform().messageBox(QCoreApplication::translate("VaultWatch", "Vault Changed"),
                              QCoreApplication::translate(
                                  "VaultWatch", "The vault was changed by another program; Quorlane shows "
                                                "its current state"),
                              MsgIcon::Information);
    if (needsLoginAgain()) {
        // Nothing can be read with the key held: the login derives the new one, and the window is
        // put in step once it is unlocked (the file is still not the known one).
        toldBeforeLogin = true;
        if (mainWindowLoaded()) trayLock().lock();
        return;
    }
    toldBeforeLogin = false;
    // A password taken off by another program: the file is plain now and the key has no use.
    if (!vaultEncrypted() && heldVaultKey()) forgetVaultKey();
    LoadLoginSettings();
    // Known before the re-read, so that a change made while it runs is seen at the next check.
    rememberVaultFile();
    if (mainWindowLoaded()) refillMainWindow();
}

bool showOutsideChange() {
    // A vault file that is gone is not another program's state to show: the read that needs it
    // reports the missing vault once, instead of a change followed by every refill's failure.
    if (busy || !QFileInfo::exists(vaultFilePath()) || !vaultChangedOutside()) return false;
    showCurrentVault(true);
    return true;
}

void showEntryChanged(bool deleted) {
    platform().messageBox(
        deleted ? QCoreApplication::translate("VaultWatch", "Entry Deleted")
                : QCoreApplication::translate("VaultWatch", "Entry Changed"),
        deleted ? QCoreApplication::translate("VaultWatch",
                                              "Another program deleted this entry; nothing was saved.")
                : QCoreApplication::translate(
                      "VaultWatch", "Another program changed this entry since you opened it; nothing was "
                                    "saved.\nQuorlane shows its current state."),
        MsgIcon::Warning);
    // The file itself may have changed meanwhile too: it is known again after the re-read.
    showCurrentVault(false);
}
