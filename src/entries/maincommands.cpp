#include "categories/maincommands.h"
#include "app/categorybox.h"
#include "app/controls.h"
#include "app/forms.h"
#include "app/mainwindowport.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/vaultreport.h"
#include "app/vaultwatch.h"
#include "app/windowkit.h"
#include "deleteentry.h"
#include "frmentry.h"
#include "frmhealth.h"
#include "frmmainclip.h"
#include "frmsearch.h"
#include "maincommands.h"
#include "store/repository.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

// Main-window commands of the entries: new, edit, delete, search, copy to clipboard.

namespace {

// A caption without its last character: a field title without its colon.
QString withoutLastCharacter(QString text) {
    text.chop(1);
    return text;
}

// Puts a shown value into an editor box whole: a value longer than the box's limit (which only
// governs typing) widens the limit rather than being cut.
void copyInto(QLineEdit* box, const QString& value) {
    if (value.size() > box->maxLength()) box->setMaxLength(int(value.size()));
    box->setText(value);
    box->setCursorPosition(0);
}

// The editor opens with its discreet box ticked when the main window shows values discreetly or
// hides them; otherwise the box is left as it is.
void applyDiscreetRule(const MainWindowPort& main, frmEntry& editor) {
    if (main.valuesDiscreet()) editor.Check1->setChecked(true);
}

} // namespace

namespace entries {

// New entry: an empty editor with the category list filled and nothing chosen.
void Command10_Click(MainWindowPort& main) {
    frmEntry& editor = form<frmEntry>();
    editor.mode = frmEntry::Mode::Adding;
    FillEditorCategories();
    for (QLabel* title :
         {editor.Label1, editor.Label2, editor.Label3, editor.Label4, editor.Label5, editor.Label8})
        title->clear();
    editor.Text6->clear();
    editor.startingDescription.clear();
    editor.Picture8->setPicture(categoryPicture(-1));
    windowkit::copyBanner(main.banner(), editor.Picture2);
    editor.Picture9->hide();
    editor.Picture10->show();
    editor.setWindowTitle(QCoreApplication::translate("EntryCommands", "Add Entry"));
    applyDiscreetRule(main, editor);
    editor.rememberStartingValues(std::nullopt);
    platform().showModal(editor);
}

// Edit entry: the editor filled from the shown entry, its category chosen. Nothing opens when
// no entry could be read: an editor started from empty boxes would save them over the entry.
void Command11_Click(MainWindowPort& main) {
    const std::optional<ShownEntry>& shown = main.shownEntry();
    if (!main.hasCurrentEntry() || !shown) return;
    frmEntry& editor = form<frmEntry>();
    editor.mode = frmEntry::Mode::Editing;
    editor.editedKey = main.shownEntryKey();
    FillEditorCategories();
    // The stored values, not the detail view's trimmed and upper-cased ones.
    const EntryValues& stored = shown->entry.stored;
    copyInto(editor.Text2, stored.description);
    copyInto(editor.Text1, stored.fields[0]);
    copyInto(editor.Text3, stored.fields[1]);
    copyInto(editor.Text4, stored.fields[2]);
    copyInto(editor.Text5, stored.fields[3]);
    editor.Text6->setPlainText(stored.notes);
    const std::array<QWidget*, 5> values = {editor.Text1, editor.Text3, editor.Text4, editor.Text5,
                                            editor.Text6};
    for (std::size_t i = 0; i < values.size(); ++i)
        markUnreadable(values[i], stored.keepStored[1 + i]);
    editor.Picture8->setPicture(categoryPicture(-1));
    setComboText(editor.Combo1, shown->entry.category);
    windowkit::copyBanner(main.banner(), editor.Picture2);
    editor.Picture9->show();
    editor.Picture10->hide();
    editor.setWindowTitle(QCoreApplication::translate("EntryCommands", "Edit Entry"));
    applyDiscreetRule(main, editor);
    editor.startingDescription = shown->entry.description;
    editor.rememberStartingValues(stored);
    platform().showModal(editor);
}

// Delete entry: asks first, No being the default.
void Command8_Click(MainWindowPort& main) {
    const QString selected = main.currentEntryText();
    // Without a key (an entry the vault gave none) there is nothing that could be deleted.
    if (selected.trimmed().isEmpty() || !main.shownEntryKey()) return;
    // Another program changed the vault: the window shows it as it now is rather than asking about
    // an entry that may no longer be the one shown.
    if (showOutsideChange()) return;
    const MsgAnswer answer = platform().messageBox(
        QCoreApplication::translate("EntryCommands", "Delete Entry?"),
        QCoreApplication::translate("EntryCommands", "Are you sure you want to delete %1?").arg(selected),
        MsgIcon::Warning, MsgButtons::YesNo, MsgAnswer::No);
    if (answer == MsgAnswer::Yes) DeleteEntry();
}

// Removes the shown entry and its attachment rows in one transaction, refills the list under
// the same filter and selects the entry that followed the deleted one.
} // namespace entries

void DeleteEntry() {
    MainWindowPort& main = mainWindow();
    const QString filter = main.filterText();
    const int row = main.currentEntryRow();
    const std::optional<ShownEntry>& seen = main.shownEntry();
    const Result<RowCheck> deleted =
        store::deleteEntry(main.shownEntryKey(), seen ? seen->entry.stored.asRead : QByteArray());
    if (!deleted) return showVaultReport(deleted.code());
    if (*deleted != RowCheck::Written) return showEntryChanged(*deleted == RowCheck::Gone);
    if (!main.chooseFilter(filter)) main.fillEntryList();
    platform().messageBox(QCoreApplication::translate("EntryCommands", "Success"),
                          QCoreApplication::translate("EntryCommands", "Entry successfully deleted."),
                          MsgIcon::Information);
    // The entry that followed the deleted one; after the last row, the new last row, so that the
    // detail view never goes on showing the deleted entry.
    if (!main.selectEntryRow(row) && row >= main.entryCount() && main.entryCount() > 0)
        main.selectEntryRow(main.entryCount() - 1);
}

namespace entries {

// Search: needs no current entry.
void Command3_Click(MainWindowPort& main) {
    frmSearch& search = form<frmSearch>();
    windowkit::copyBanner(main.banner(), search.Picture2);
    platform().showModal(search);
}

// The password health report: rated while its window shows; a vault that cannot be read gets
// its report instead of the window.
void cmdHealth_Click(MainWindowPort& main) {
    frmHealth& health = form<frmHealth>();
    windowkit::copyBanner(main.banner(), health.Picture2);
    if (!health.startReport()) return unload<frmHealth>();
    platform().showModal(health);
}

// Copy to clipboard: the check boxes take the shown entry's field titles.
void Command1_Click(MainWindowPort& main) {
    const std::optional<ShownEntry>& shown = main.shownEntry();
    if (!main.hasCurrentEntry() || !shown) return;
    const std::array<QString, 6> titles = shownTitles(*shown);
    frmMainClip& clip = form<frmMainClip>();
    setCheckTitle(clip.Check1, withoutLastCharacter(titles[0]));
    setCheckTitle(clip.Check17, withoutLastCharacter(titles[1]));
    setCheckTitle(clip.Check2, withoutLastCharacter(titles[2]));
    setCheckTitle(clip.Check3, withoutLastCharacter(titles[3]));
    setCheckTitle(clip.Check4, withoutLastCharacter(titles[4]));
    setCheckTitle(clip.Check5, withoutLastCharacter(titles[5]));
    clip.Check6->setText(QCoreApplication::translate("EntryCommands", "Category"));
    windowkit::copyBanner(main.banner(), clip.Picture1);
    platform().showModal(clip);
}

} // namespace entries

void FillEditorCategories() {
    QComboBox* box = form<frmEntry>().Combo1;
    {
        const QSignalBlocker blocker(box);
        box->clear();
        box->setCurrentIndex(-1);
    }
    appendCategoryNames(box, false);
}

// The category button of the entry editor: the category editor, on the entry's category.
void frmEntry::Command6_Click() {
    ShowCategoryEditorFor(Combo1->currentText().trimmed(), mainWindow().banner());
}

// After the categories changed: the open entry editor's box is refilled and keeps its choice.
void RefillEditorCategoryBox() {
    if (!isLoaded<frmEntry>()) return;
    QComboBox* entryBox = form<frmEntry>().Combo1;
    const QString entryText = entryBox->currentText();
    FillEditorCategories();
    if (!entryText.isEmpty()) setComboText(entryBox, entryText);
}
