#include "forms.h"
#include "frmsetup.h"
#include "mainwindow/frmmain.h"
#include "modmain.h"
#include "modregistry.h"
#include "picturebox.h"
#include "platform.h"
#include "traylock.h"

#include <QCheckBox>

// Main-window commands of the application shell: setup, lock to tray, display preferences.

namespace {

const QColor DiscreetColour(208, 208, 208);
const QColor HiddenColour(176, 176, 176);

// Both display preferences go to the settings store on every click of either box.
void savePreferences(const frmMain& main) {
    SettingKeyName = QStringLiteral("Quorlane");
    SettingValueName = QStringLiteral("Discreet");
    SettingValueData = QString::number(main.Check1->isChecked() ? 1 : 0);
    SavePreference();
    SettingKeyName = QStringLiteral("Quorlane");
    SettingValueName = QStringLiteral("Hide");
    SettingValueData = QString::number(main.Check2->isChecked() ? 1 : 0);
    SavePreference();
}

} // namespace

// Setup: the login settings as stored, the banner, then the setup window.
void frmMain::Command5_Click() {
    LoadLoginSettings();
    frmSetup& setup = form<frmSetup>();
    setup.Picture2->setPicture(Picture2->picture());
    platform().showModal(setup);
}

// Lock to the system tray.
void frmMain::Command6_Click() {
    trayLock().lock();
}

// Discreet box: unticks the hide box, draws the values faintly (or black) and saves both.
void frmMain::Check1_Click() {
    if (PreferenceToggleGuard == 2) return;
    PreferenceToggleGuard = 1;
    Check2->setChecked(false);
    setValueColour(Check1->isChecked() ? DiscreetColour : QColor(Qt::black));
    PreferenceToggleGuard = 0;
    savePreferences(*this);
}

// Hide box: the mirror image, drawing the values in the background colour.
void frmMain::Check2_Click() {
    if (PreferenceToggleGuard == 1) return;
    PreferenceToggleGuard = 2;
    Check1->setChecked(false);
    setValueColour(Check2->isChecked() ? HiddenColour : QColor(Qt::black));
    PreferenceToggleGuard = 0;
    savePreferences(*this);
}
