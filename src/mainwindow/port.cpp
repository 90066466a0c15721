#include "app/colours.h"
#include "app/controls.h"
#include "app/entrylistmodel.h"
#include "app/forms.h"
#include "app/logincontroller.h"
#include "app/picturebox.h"
#include "app/traylock.h"
#include "attachments/maincommands.h"
#include "categories/maincommands.h"
#include "entries/maincommands.h"
#include "frmmain.h"
#include "printing/maincommands.h"
#include "wiring.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>

// The main window as the other windows see it, and its commands that belong to other folders.

QString frmMain::filterText() const {
    return Combo1->currentIndex() > 0 ? Combo1->currentText() : QString();
}

bool frmMain::chooseFilter(const QString& category) {
    if (category.isEmpty()) {
        if (Combo1->count() == 0) return false;
        setComboIndex(Combo1, 0);
        return true;
    }
    // Never the first item, whatever a category is called.
    for (int index = 1; index < Combo1->count(); ++index)
        if (Combo1->itemText(index).compare(category, Qt::CaseInsensitive) == 0) {
            setComboIndex(Combo1, index);
            return true;
        }
    return false;
}

void frmMain::refillCategoryFilter() {
    const QString category = filterText();
    fillCategoryFilter();
    // The filter showed a deleted category and now shows every category: the list follows it,
    // as a choice in the filter would refill it.
    if (!category.isEmpty() && !chooseFilter(category)) {
        fillEntryList();
        setListIndex(List1, 0);
    }
}

int frmMain::entryCount() const {
    return List1->count();
}

int frmMain::currentEntryRow() const {
    return List1->currentRow();
}

bool frmMain::selectEntryRow(int row) {
    return setListIndex(List1, row);
}

bool frmMain::selectEntry(const QString& description, bool exactCase) {
    return setListIndex(
        List1, List1->entries().rowOfText(description, exactCase ? Qt::CaseSensitive : Qt::CaseInsensitive));
}

bool frmMain::selectEntryKey(EntryKey key) {
    return setListKey(List1, key);
}

void frmMain::showEntryOfAnyCategory(EntryKey key) {
    setPanelVisible(false);
    if (!filterText().isEmpty()) chooseFilter(QString());
    // An entry the find leaves out is shown with the whole list.
    if (!selectEntryKey(key) && List1->entries().filtered()) {
        txtFind->clear();
        applyFind();
        selectEntryKey(key);
    }
    setPanelVisible(true);
}

void frmMain::focusEntryList() {
    List1->setFocus();
}

void frmMain::setPanelVisible(bool visible) {
    Picture1->setVisible(visible);
}

QString frmMain::currentEntryText() const {
    return listText(List1);
}

std::optional<EntryKey> frmMain::shownEntryKey() const {
    if (const std::optional<ShownEntry>& shown = Picture5->shown()) return shown->entry.key;
    return std::nullopt;
}

void frmMain::emptyForLock() {
    lockedFilter_ = filterText();
    lockedKey_ = shownEntryKey();
    {
        const QSignalBlocker blocker(List1);
        List1->clear();
    }
    clearShownEntry();
    Label29->clear();
    Label35->clear();
    Picture5->hide();
    Picture17->hide();
    // What was being looked for goes with the list.
    {
        const QSignalBlocker blocker(txtFind);
        txtFind->clear();
    }
    findTimer_->stop();
    foundWord_.clear();
}

void frmMain::refillAfterLock() {
    // The filter as it was; a category gone meanwhile gives the whole list.
    if (!chooseFilter(lockedFilter_)) fillCategoryFilter();
    if (!(lockedKey_ && setListKey(List1, *lockedKey_)) && List1->count() > 0) setListIndex(List1, 0);
    lockedKey_.reset();
}

bool frmMain::valuesDiscreet() const {
    return Check1->isChecked() || Check2->isChecked();
}

void frmMain::applyDisplayPreferences(bool discreet, bool hide) {
    Check1->setChecked(discreet);
    Check2->setChecked(hide);
    if (!Check1->isChecked() && !Check2->isChecked()) setValueColour(colours::valueText());
}

void frmMain::Command10_Click() {
    entries::Command10_Click(*this);
}

void frmMain::Command11_Click() {
    entries::Command11_Click(*this);
}

void frmMain::Command8_Click() {
    entries::Command8_Click(*this);
}

void frmMain::Command3_Click() {
    entries::Command3_Click(*this);
}

void frmMain::Command1_Click() {
    entries::Command1_Click(*this);
}

void frmMain::cmdImport_Click() {
    entries::cmdImport_Click(*this);
}

void frmMain::cmdExport_Click() {
    entries::cmdExport_Click(*this);
}

void frmMain::cmdHealth_Click() {
    entries::cmdHealth_Click(*this);
}

void frmMain::Command4_Click() {
    printing::Command4_Click(*this);
}

void frmMain::Command13_Click() {
    attachments::Command13_Click(*this);
}

// The attachment indicator opens the same window.
void frmMain::Picture17_Click() {
    Command13_Click();
}

void frmMain::Label35_Click() {
    categories::Label35_Click();
}

void registerMainWindow() {
    setMainWindowFactory([]() -> MainWindowPort& { return form<frmMain>(); },
                         [] { return isLoaded<frmMain>(); });
    setEntryEditorCategoriesHook(&RefillEditorCategoryBox);
    trayLock().setDiscardedWorkProbe(&unsavedEditorNote);
    // From now on the tray, the idle lock and the login window are answered.
    loginController();
}
