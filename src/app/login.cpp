#include "modmain.h"

#include "forms.h"
#include "frmlogin.h"
#include "frmsetup.h"
#include "mainwindowport.h"
#include "platform.h"
#include "store/repository.h"
#include "store/vaultkey.h"
#include "vaultlock.h"

#include <QWidget>
#include <algorithm>

// Reads the login settings from the vault into LoadedLoginSettings, LoginPassword and
// LoginRetries. One attempt; any failure leaves the program without a login and 3 retries,
// without a message.
void LoadLoginSettings() {
    LoadedLoginSettings = store::loadLoginSettings().value_or(LoginSettings{});
    LoginPassword = upperTrimmed(LoadedLoginSettings.password);
    // The digits at the start of the count; a count that does not begin with a digit is 0.
    LoginRetries = std::max<short>(0, retryCountOf(LoadedLoginSettings.retries));
    // The count that applies before an encrypted vault is open follows the vault's.
    if (heldVaultKey()) saveRetryCountCopy(LoginRetries);
}

// One showing of the login window at start; however it closes, it is gone afterwards.
void ShowStartUpLogin() {
    platform().showModal(form<frmLogin>());
    unload<frmLogin>();
}

// Asks for the password until it is right; after the first try and LoginRetries retries the
// program ends.
void RunStartUpLogin() {
    int attempt = 1;
    LoginAccepted = false;
    while (!LoginAccepted) {
        LoginFromTray = false;
        // The login window counts the wrong tries so far to say how many are left.
        LoginAttempts = short(attempt - 1);
        if (!mainWindow().widget().isVisible()) ShowStartUpLogin();
        if (!LoginAccepted) {
            if (attempt > LoginRetries) platform().endProgram();
            ++attempt;
        }
    }
}
