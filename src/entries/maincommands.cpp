#include "app/controls.h"
#include "app/forms.h"
#include "app/modmain.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/vaultreport.h"
#include "app/windowkit.h"
#include "deleteentry.h"
#include "frmentry.h"
#include "frmmainclip.h"
#include "frmsearch.h"
#include "mainwindow/frmmain.h"
#include "store/repository.h"

#include <QCheckBox>
#include <QComboBox>
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
void applyDiscreetRule(const frmMain& main, frmEntry& editor) {
    if (main.Check1->isChecked() || main.Check2->isChecked()) editor.Check1->setChecked(true);
}

} // namespace

// New entry: an empty editor with the category list filled and nothing chosen.
void frmMain::Command10_Click() {
    frmEntry& editor = form<frmEntry>();
    editor.mode = frmEntry::Mode::Adding;
    FillCategoryFilter(1);
    for (QLabel* title :
         {editor.Label1, editor.Label2, editor.Label3, editor.Label4, editor.Label5, editor.Label8})
        title->clear();
    editor.Text6->clear();
    editor.startingDescription.clear();
    editor.Picture8->setPicture(editor.Picture6->picture());
    windowkit::copyBanner(Picture2, editor.Picture2);
    editor.Picture9->hide();
    editor.Picture10->show();
    editor.setWindowTitle(QStringLiteral("Add Entry"));
    applyDiscreetRule(*this, editor);
    editor.rememberStartingValues(std::nullopt);
    platform().showModal(editor);
}

// Edit entry: the editor filled from the shown entry, its category chosen.
void frmMain::Command11_Click() {
    if (!hasCurrentEntry()) return;
    frmEntry& editor = form<frmEntry>();
    editor.mode = frmEntry::Mode::Editing;
    FillCategoryFilter(1);
    // The stored values, not the detail view's trimmed and upper-cased ones.
    const EntryValues stored =
        shownValues.value_or(EntryValues{Label3->text(),
                                         {Text1->text(), Text2->text(), Text3->text(), Text4->text()},
                                         Text5->toPlainText(),
                                         Label10->text()});
    copyInto(editor.Text2, stored.description);
    copyInto(editor.Text1, stored.fields[0]);
    copyInto(editor.Text3, stored.fields[1]);
    copyInto(editor.Text4, stored.fields[2]);
    copyInto(editor.Text5, stored.fields[3]);
    editor.Text6->setPlainText(stored.notes);
    const std::array<QWidget*, 5> values = {editor.Text1, editor.Text3, editor.Text4, editor.Text5, editor.Text6};
    for (std::size_t i = 0; i < values.size(); ++i)
        markUnreadable(values[i], stored.keepStored[i]);
    editor.Picture8->setPicture(editor.Picture6->picture());
    setComboText(editor.Combo1, Label10->text());
    windowkit::copyBanner(Picture2, editor.Picture2);
    editor.Picture9->show();
    editor.Picture10->hide();
    editor.setWindowTitle(QStringLiteral("Edit Entry"));
    applyDiscreetRule(*this, editor);
    editor.startingDescription = Label3->text();
    editor.rememberStartingValues(shownValues);
    platform().showModal(editor);
}

// Delete entry: asks first, No being the default.
void frmMain::Command8_Click() {
    const QString selected = listText(List1);
    // Without a key (an entry the vault gave none) there is nothing that could be deleted.
    if (selected.trimmed().isEmpty() || !shownKey) return;
    const MsgAnswer answer = platform().messageBox(
        QStringLiteral("Delete Entry?"), QStringLiteral("Are you sure you want to delete %1?").arg(selected),
        MsgIcon::Warning, MsgButtons::YesNo, MsgAnswer::No);
    if (answer == MsgAnswer::Yes) DeleteEntry();
}

// Removes the shown entry and its attachment rows in one transaction, refills the list under
// the same filter and selects the entry that followed the deleted one.
void DeleteEntry() {
    frmMain& main = form<frmMain>();
    const QString filter = main.Combo1->currentText();
    const int row = main.List1->currentRow();
    if (const Result<> deleted = store::deleteEntry(main.shownKey); !deleted)
        return showVaultReport(deleted.code());
    if (!setComboText(main.Combo1, filter)) FillEntryList();
    platform().messageBox(QStringLiteral("Success"), QStringLiteral("Entry successfully deleted."),
                          MsgIcon::Information);
    // The entry that followed the deleted one; after the last row, the new last row, so that the
    // detail view never goes on showing the deleted entry.
    if (!setListIndex(main.List1, row) && row >= main.List1->count() && main.List1->count() > 0)
        setListIndex(main.List1, main.List1->count() - 1);
}

// Search: needs no current entry.
void frmMain::Command3_Click() {
    frmSearch& search = form<frmSearch>();
    windowkit::copyBanner(Picture2, search.Picture2);
    platform().showModal(search);
}

// Copy to clipboard: the check boxes take the shown entry's field titles.
void frmMain::Command1_Click() {
    if (!hasCurrentEntry()) return;
    frmMainClip& clip = form<frmMainClip>();
    setCheckTitle(clip.Check1, withoutLastCharacter(Label14->text()));
    setCheckTitle(clip.Check17, withoutLastCharacter(Label4->text()));
    setCheckTitle(clip.Check2, withoutLastCharacter(Label5->text()));
    setCheckTitle(clip.Check3, withoutLastCharacter(Label6->text()));
    setCheckTitle(clip.Check4, withoutLastCharacter(Label7->text()));
    setCheckTitle(clip.Check5, withoutLastCharacter(Label8->text()));
    clip.Check6->setText(QStringLiteral("Category"));
    windowkit::copyBanner(Picture2, clip.Picture1);
    platform().showModal(clip);
}
