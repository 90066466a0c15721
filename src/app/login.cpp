#include "modmain.h"

#include "forms.h"
#include "frmlogin.h"
#include "frmsetup.h"
#include "mainwindow/frmmain.h"
#include "platform.h"
#include "vaultlock.h"
#include "store/codec.h"
#include "store/statements.h"
#include "store/vault.h"

#include <QCheckBox>
#include <QLineEdit>
#include <algorithm>

// Reads the login settings from the vault into the (hidden) setup window and into LoginPassword
// and LoginRetries. One attempt; any failure leaves the program without a login and 3 retries,
// without a message.
void LoadLoginSettings() {
    frmSetup& setup = form<frmSetup>();
    try {
        openVault();
        QSqlQuery& rs = openRecords(sql::SelectLogin);
        if (!rs.next()) {
            setup.Check1->setChecked(false);
            setup.Text2->clear();
            setup.Text1->clear();
            setup.Text3->setText(QStringLiteral("3"));
        } else {
            setup.Check1->setChecked(columnText(rs, "RUL").trimmed() == QLatin1String("1"));
            setup.Text3->setText(columnText(rs, "URetry").trimmed());
            if (setup.Check1->isChecked()) {
                const QString password = DecodeValue(columnText(rs, "UPass")).trimmed();
                setup.Text2->setText(password);
                setup.Text1->setText(password);
            }
        }
        closeRecords();
        closeVault();
        LoginPassword = setup.Text2->text().toUpper().trimmed();
        // The digits at the start of the box; a count that does not begin with a digit is 0.
        LoginRetries = std::max<short>(0, retryCountOf(setup.Text3->text()));
        if (vaultEncrypted()) saveRetryCountCopy(LoginRetries);
    } catch (const VaultFailure&) {
        closeRecords();
        try {
            closeVault();
        } catch (const VaultFailure&) {
        }
        setup.Check1->setChecked(false);
        setup.Text2->clear();
        setup.Text1->clear();
        setup.Text3->setText(QStringLiteral("3"));
        LoginPassword.clear();
        LoginRetries = 3;
    }
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
        if (!form<frmMain>().isVisible()) ShowStartUpLogin();
        if (!LoginAccepted) {
            if (attempt > LoginRetries) platform().endProgram();
            ++attempt;
        }
    }
}
