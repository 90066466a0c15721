#include "app/colours.h"
#include "app/modmain.h"
#include "app/modregistry.h"
#include "app/traylock.h"
#include "frmmain.h"

#include <QCheckBox>

// Main-window commands of the application shell: setup, lock to tray, display preferences.

namespace {

// Both display preferences go to the settings store on every click of either box.
void savePreferences(const frmMain& main) {
    SavePreference(QStringLiteral("Quorlane"), QLatin1String(setting::Discreet),
                   QString::number(main.Check1->isChecked() ? 1 : 0));
    SavePreference(QStringLiteral("Quorlane"), QLatin1String(setting::Hide),
                   QString::number(main.Check2->isChecked() ? 1 : 0));
}

// A click of one display box: unticks the other box without running its click, draws the
// values in colour while the box is ticked (black when not) and saves both preferences.
void showValuesIn(frmMain& main, const QCheckBox* clicked, QCheckBox* other, const QColor& colour) {
    {
        const QSignalBlocker blocker(other);
        other->setChecked(false);
    }
    main.setValueColour(clicked->isChecked() ? colour : colours::valueText());
    savePreferences(main);
}

} // namespace

// Setup: the login settings as stored, the banner, then the setup window.
void frmMain::Command5_Click() {
    ShowSetup(Picture2);
}

// Lock to the system tray.
void frmMain::Command6_Click() {
    trayLock().lock();
}

// Discreet box: unticks the hide box, draws the values faintly (or black) and saves both.
void frmMain::Check1_Click() {
    showValuesIn(*this, Check1, Check2, colours::discreetText());
}

// Hide box: the mirror image, drawing the values in the background colour.
void frmMain::Check2_Click() {
    showValuesIn(*this, Check2, Check1, colours::valueBackground());
}
