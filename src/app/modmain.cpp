#include "modmain.h"

#include "accessibility.h"
#include "clipboard.h"
#include "controls.h"
#include "forms.h"
#include "frmconflict.h"
#include "hardening.h"
#include "idlelock.h"
#include "loginsession.h"
#include "mainwindowport.h"
#include "modregistry.h"
#include "platform.h"
#include "store/checkahead.h"
#include "store/filecheck.h"
#include "store/globals.h"
#include "store/locations.h"
#include "store/repository.h"
#include "store/vault.h"
#include "store/vaultfile.h"
#include "traylock.h"
#include "twips.h"
#include "vaultclaim.h"
#include "vaultlock.h"
#include "vaultwatch.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

void initQuorlaneResources() {
    Q_INIT_RESOURCE(pictures);
}

void resetGlobals() {
    resetStoreGlobals();
    VaultFolder.clear();
    ChosenVaultFile.clear();
    PrintFolder.clear();
    loginSession() = {};
    resetCopiedValue();
    trayLock().reset();
}

QString appFolderFrom(QString folder) {
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))) {
        folder.chop(1);
        folder = folder.trimmed();
    }
    return folder;
}

namespace {
// The screen the main window needs at the design font, in twips; a larger font needs more.
constexpr int NeededWidthTwips = 11000;
constexpr int NeededHeightTwips = 8000;
} // namespace

bool screenLargeEnough(int widthTwips, int heightTwips) {
    const double scale = twips::fontScale();
    return heightTwips >= NeededHeightTwips * scale && widthTwips >= NeededWidthTwips * scale;
}

namespace {

// A stored preference counts as set when its text is a number equal to 1.
bool preferenceSet(const QString& valueName) {
    const QString value = ReadRegistrySetting(QLatin1String(setting::Key), valueName).trimmed();
    bool numeric = false;
    const double number = value.toDouble(&numeric);
    return !value.isEmpty() && numeric && number == 1.0;
}

// What start-up has to tell about the vault's place, once the main window is up.
struct VaultNews {
    QString made;      // the user's vault, just made from the delivered one
    QString movedFrom; // the earlier version's vault file, just moved into the data folder
    QString keptIn;    // ... or the one that could not be moved, and why (moveProblem)
    QString moveProblem;
};

// Finds the vault: the file named on the command line, else beside the program, else in the
// user's data folder, where an earlier version's vault is moved once and a first start gets its
// own copy of the installed vault.
VaultNews placeVault() {
    if (!ChosenVaultFile.isEmpty()) {
        VaultFolder = QFileInfo(ChosenVaultFile).absolutePath();
        return {};
    }
    const VaultPlace place = findVault(storeState().appFolder, userDataFolder(), oldUserDataFolder());
    VaultFolder = place.folder;
    if (!place.oldFolder.isEmpty()) {
        const QString oldFile = place.oldFolder + QLatin1Char('/') + QLatin1String(VaultFileName);
        const QString problem = moveOldVault(place.oldFolder, place.folder);
        if (problem.isEmpty()) return {{}, oldFile, {}, {}};
        // Another start of the program moved it just now.
        if (!QFileInfo::exists(oldFile) && QFileInfo::exists(vaultFilePath())) return {};
        // The vault stays where it is and is used from there; the next start tries again.
        VaultFolder = place.oldFolder;
        return {{}, {}, oldFile, problem};
    }
    if (place.templateFile.isEmpty() || !makeVaultFromTemplate(place.templateFile, vaultFilePath()))
        return {};
    return {vaultFilePath(), {}, {}, {}};
}

// The vault file as placeVault() will find it, when it is there already (not still to be moved
// or made); empty otherwise.
QString vaultAsFound() {
    if (!ChosenVaultFile.isEmpty()) return QDir::cleanPath(ChosenVaultFile);
    const VaultPlace place = findVault(storeState().appFolder, userDataFolder(), oldUserDataFolder());
    if (!place.oldFolder.isEmpty() || !place.templateFile.isEmpty()) return {};
    return QDir::cleanPath(place.folder + QLatin1Char('/') + QLatin1String(VaultFileName));
}

const QString BackUpAdvice = QCoreApplication::translate(
    "StartUp", "Back it up by copying it somewhere safe while Quorlane is closed.");

// Said once, when the user's vault has just been made or moved, and while it cannot be moved.
void tellWhereTheVaultIs(const VaultNews& news) {
    const auto native = [](const QString& path) { return QDir::toNativeSeparators(path); };
    QString prompt;
    if (!news.made.isEmpty())
        prompt = QCoreApplication::translate("StartUp", "Your entries are kept in this file:\n\n%1\n\n")
                     .arg(native(news.made)) +
                 BackUpAdvice;
    else if (!news.movedFrom.isEmpty())
        prompt =
            QCoreApplication::translate(
                "StartUp", "Your entries are now kept in this file:\n\n%1\n\nIt was moved there from %2. ")
                .arg(native(vaultFilePath()), native(news.movedFrom)) +
            BackUpAdvice;
    else if (!news.keptIn.isEmpty())
        prompt =
            QCoreApplication::translate(
                "StartUp", "Your entries are kept in this file:\n\n%1\n\nIt could not be moved to %2 (%3); "
                           "Quorlane tries again at the next start.")
                .arg(native(news.keptIn),
                     native(userDataFolder() + QLatin1Char('/') + QLatin1String(VaultFileName)),
                     news.moveProblem);
    else
        return;
    platform().messageBox(QCoreApplication::translate("StartUp", "Your Vault"), prompt, MsgIcon::Information);
}

} // namespace

void CheckVaultFile() {
    const QString path = QDir::cleanPath(vaultFilePath());
    const VaultFileVerdict verdict = vaultFileVerdict(path, heldVaultKey());
    // A file that cannot be read at all is reported by the operations, as a missing one is.
    if (verdict.kind != VaultFileVerdict::Kind::Rejected && verdict.kind != VaultFileVerdict::Kind::Unchecked)
        return;
    platform().messageBox(
        QCoreApplication::translate("StartUp", "Vault Not Usable"),
        verdict.report(path) +
            QCoreApplication::translate("StartUp", "\n\nNothing is read from it or written to it."),
        MsgIcon::Error);
}

void LoginGate() {
    // A copy that a killed re-encryption left beside the vault goes first.
    removeStaleReencryption(vaultFilePath());
    if (vaultEncrypted()) {
        // Nothing of an encrypted vault can be read before the password gives its key: the retry
        // count comes from the copy kept outside it.
        loginSession().retries = retryCountCopy();
        RunStartUpLogin();
        CheckVaultFile();
        LoadLoginSettings();
    } else {
        CheckVaultFile();
        LoadLoginSettings();
        if (loginSession().passwordSet()) {
            RunStartUpLogin();
            offerVaultEncryption();
        }
    }
    // A plain vault made with small pages moves to large ones, once: a search then reads fewer,
    // larger pages. Failing only leaves it as it was.
    static_cast<void>(store::compactVault());
    // The file as read now is the one later writes check against.
    rememberVaultFile();
}

void StartUp() {
    initQuorlaneResources();
    storeState().maxAttempts = 5;
    loginSession().password.clear();
    loginSession().accepted = false;

    storeState().appFolder = appFolderFrom(QCoreApplication::applicationDirPath());
    // The vault's check runs while the windows are built.
    if (const QString found = vaultAsFound(); !found.isEmpty()) checkVaultFileAhead(found);

    MainWindowPort& main = mainWindow();
    main.widget().setWindowTitle(QStringLiteral("Quorlane"));

    protectSettingsFile();
    keepPasswordsOffAccessibility();

    const QSize screen = platform().screenSizeTwips();
    if (!screenLargeEnough(screen.width(), screen.height())) {
        // Said in the screen's own pixels: with display scaling they are fewer than the device's.
        const int tpp = platform().twipsPerPixel();
        platform().messageBox(
            QCoreApplication::translate("StartUp", "Invalid Resolution"),
            QCoreApplication::translate(
                "StartUp", "QUORLANE does not support your current resolution mode.\n\n"
                           "At the current display scaling and font size it needs a screen of at least "
                           "%1x%2 pixels; this screen has %3x%4. Please lower the display scaling or "
                           "the font size, or raise the resolution.")
                .arg(twips::toPx(NeededWidthTwips))
                .arg(twips::toPx(NeededHeightTwips))
                .arg(screen.width() / tpp)
                .arg(screen.height() / tpp),
            MsgIcon::Error);
        platform().endProgram();
    }

    restoreWindowGeometry(main.widget());

    PrintFolder = defaultPrintFolder();
    removeStalePrintPages();
    const VaultNews vaultNews = placeVault();
    // A second start on the same vault brings the first one's window to the front and ends.
    if (!claimVault(vaultFilePath())) platform().endProgram();

    LoginGate();

    main.fillCategoryFilter();

    // Both preferences are read before either box is ticked: ticking a box saves both values,
    // which would otherwise overwrite a stored "Hide" before it is read.
    const bool discreet = preferenceSet(QLatin1String(setting::Discreet));
    const bool hide = preferenceSet(QLatin1String(setting::Hide));
    main.applyDisplayPreferences(discreet, hide);

    main.widget().show();

    if (main.entryCount() > 0) {
        main.focusEntryList();
        main.selectEntryRow(0);
    }
    tellWhereTheVaultIs(vaultNews);
    // A sync tool's conflict copy beside the vault: offered for comparison once the window shows.
    offerConflictCopy();
    idleLock().start();
    // Back in front after the user was in another program: the vault may have changed meanwhile.
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, qApp, [](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            QTimer::singleShot(0, qApp, [] {
                if (mainWindowLoaded() && trayLock().mainShown()) showOutsideChange();
            });
    });
}
