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

// A click of the discreet box (1) or the hide box (2): unticks the other box, whose own click
// then does nothing, draws the values in colour while the box is ticked (black when not) and
// saves both preferences.
void showValuesIn(frmMain& main, std::uint8_t box, const QColor& colour) {
    if (PreferenceToggleGuard == 3 - box) return;
    PreferenceToggleGuard = box;
    QCheckBox* clicked = box == 1 ? main.Check1 : main.Check2;
    QCheckBox* other = box == 1 ? main.Check2 : main.Check1;
    other->setChecked(false);
    main.setValueColour(clicked->isChecked() ? colour : colours::valueText());
    PreferenceToggleGuard = 0;
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
    showValuesIn(*this, 1, colours::discreetText());
}

// Hide box: the mirror image, drawing the values in the background colour.
void frmMain::Check2_Click() {
    showValuesIn(*this, 2, colours::valueBackground());
}
