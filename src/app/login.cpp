#include "frmsetup.h"
#include "logincontroller.h"
#include "loginsession.h"
#include "mainwindowport.h"
#include "platform.h"
#include "store/repository.h"
#include "store/vaultkey.h"
#include "vaultlock.h"

#include <QWidget>
#include <algorithm>

// Reads the login settings from the vault into the login session: as stored, and the password
// and retries that apply. One attempt; any failure leaves the program without a login and 3 retries,
// without a message.
void LoadLoginSettings() {
    loginSession().stored = store::loadLoginSettings().value_or(LoginSettings{});
    loginSession().password = upperTrimmed(loginSession().stored.password);
    // The digits at the start of the count; a count that does not begin with a digit is 0.
    loginSession().retries = std::max<short>(0, retryCountOf(loginSession().stored.retries));
    // The count that applies before an encrypted vault is open follows the vault's.
    if (heldVaultKey()) saveRetryCountCopy(loginSession().retries);
}

void ShowStartUpLogin() {
    loginController().showStartUpLogin();
}

// Asks for the password until it is right; after the first try and the session's retries the
// program ends.
void RunStartUpLogin() {
    int attempt = 1;
    loginSession().accepted = false;
    while (!loginSession().accepted) {
        // The login window counts the wrong tries so far to say how many are left.
        loginSession().beginStartUpTry(attempt);
        if (!mainWindow().widget().isVisible()) ShowStartUpLogin();
        if (!loginSession().accepted) {
            if (attempt > loginSession().retries) platform().endProgram();
            ++attempt;
        }
    }
}
