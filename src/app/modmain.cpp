#include "modmain.h"

#include "clipboard.h"
#include "controls.h"
#include "forms.h"
#include "idlelock.h"
#include "mainwindowport.h"
#include "modregistry.h"
#include "platform.h"
#include "store/locations.h"
#include "store/schema.h"
#include "store/vault.h"
#include "store/vaultfile.h"
#include "traylock.h"
#include "vaultclaim.h"
#include "vaultlock.h"
#include "vaultwatch.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

void initQuorlaneResources() {
    Q_INIT_RESOURCE(pictures);
}

void resetGlobals() {
    resetStoreGlobals();
    VaultFolder.clear();
    PrintFolder.clear();
    LoginPassword.clear();
    LoginRetries = 0;
    LoginAccepted = false;
    LoginFromTray = false;
    LoginAttempts = 0;
    LoadedLoginSettings = {};
    LastSavedDescription.clear();
    PreferenceToggleGuard = 0;
    TrayIconData = {};
    resetCopiedValue();
}

QString appFolderFrom(QString folder) {
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))) {
        folder.chop(1);
        folder = folder.trimmed();
    }
    return folder;
}

bool screenLargeEnough(int widthTwips, int heightTwips) {
    return heightTwips >= 8000 && widthTwips >= 11000;
}

namespace {

// A stored preference counts as set when its text is a number equal to 1.
bool preferenceSet(const QString& valueName) {
    const QString value = ReadRegistrySetting(QStringLiteral("Software\\Quorlane"), valueName).trimmed();
    bool numeric = false;
    const double number = value.toDouble(&numeric);
    return !value.isEmpty() && numeric && number == 1.0;
}

// Finds the vault: beside the program, else in the user's data folder, which gets its own copy
// of the installed vault on first start. Gives the path of a vault it made, else empty.
QString placeVault() {
    const VaultPlace place =
        findVault(AppFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    VaultFolder = place.folder;
    if (place.templateFile.isEmpty() || !makeVaultFromTemplate(place.templateFile, vaultFilePath()))
        return {};
    return vaultFilePath();
}

// Said once, when the user's vault has just been made.
void tellWhereTheVaultIs(const QString& vaultFile) {
    platform().messageBox(
        QStringLiteral("Your Vault"),
        QStringLiteral("Your entries are kept in this file:\n\n%1\n\nBack it up by copying it "
                       "somewhere safe while Quorlane is closed.")
            .arg(QDir::toNativeSeparators(vaultFile)),
        MsgIcon::Information);
}

} // namespace

void CheckVaultSchema() {
    const QStringList problems = vaultSchemaProblems();
    if (problems.isEmpty()) return;
    refuseVaultWrites(
        QStringLiteral("The vault's tables are not as this program expects; nothing is saved to it"));
    platform().messageBox(
        QStringLiteral("Vault Not Usable"),
        QStringLiteral("The vault %1 is not as this program expects:\n%2\n\n"
                       "What can be read is shown, but nothing will be saved to it.")
            .arg(QDir::toNativeSeparators(vaultFilePath()), problems.join(QLatin1Char('\n'))),
        MsgIcon::Error);
}

void LoginGate() {
    // A copy that a killed re-encryption left beside the vault goes first.
    removeStaleReencryption(vaultFilePath());
    if (vaultEncrypted()) {
        // Nothing of an encrypted vault can be read before the password gives its key: the retry
        // count comes from the copy kept outside it.
        LoginRetries = retryCountCopy();
        RunStartUpLogin();
        CheckVaultSchema();
        LoadLoginSettings();
    } else {
        CheckVaultSchema();
        LoadLoginSettings();
        if (!LoginPassword.trimmed().isEmpty()) RunStartUpLogin();
    }
    // The file as read now is the one later writes check against.
    rememberVaultFile();
}

void StartUp() {
    initQuorlaneResources();
    MaxAttempts = 5;
    LoginPassword.clear();
    LoginAccepted = false;

    MainWindowPort& main = mainWindow();
    main.widget().setWindowTitle(QStringLiteral("Quorlane"));

    AppFolder = appFolderFrom(QCoreApplication::applicationDirPath());

    const QSize screen = platform().screenSizeTwips();
    if (!screenLargeEnough(screen.width(), screen.height())) {
        platform().messageBox(QStringLiteral("Invalid Resolution"),
                              QStringLiteral("QUORLANE does not support your current resolution mode.\n\n"
                                             "Please change your resolution to at least 800x600 pixels."),
                              MsgIcon::Error);
        platform().endProgram();
    }

    PrintFolder = defaultPrintFolder();
    removeStalePrintPages();
    const QString madeVault = placeVault();
    // A second start on the same vault brings the first one's window to the front and ends.
    if (!claimVault(vaultFilePath())) platform().endProgram();

    LoginGate();

    main.fillCategoryFilter();

    // Both preferences are read before either box is ticked: ticking a box saves both values,
    // which would otherwise overwrite a stored "Hide" before it is read.
    const bool discreet = preferenceSet(QStringLiteral("Discreet"));
    const bool hide = preferenceSet(QStringLiteral("Hide"));
    main.applyDisplayPreferences(discreet, hide);

    main.widget().show();

    if (main.entryCount() > 0) {
        main.focusEntryList();
        main.selectEntryRow(0);
    }
    if (!madeVault.isEmpty()) tellWhereTheVaultIs(madeVault);
    idleLock().start();
    // Back in front after the user was in another program: the vault may have changed meanwhile.
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, qApp, [](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            QTimer::singleShot(0, qApp, [] {
                if (mainWindowLoaded() && trayLock().mainShown()) showOutsideChange();
            });
    });
}
