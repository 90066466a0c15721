#include "entryview.h"

#include "app/controls.h"
#include "app/forms.h"
#include "app/modmain.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/traylock.h"
#include "app/twips.h"
#include "app/vaultreport.h"
#include "entries/maincommands.h"
#include "frmmain.h"
#include "store/dates.h"
#include "store/fieldmeaning.h"
#include "store/repository.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>
#include <array>
#include <cmath>
#include <utility>

bool isWebAddress(const QString& value) {
    return value.startsWith(QLatin1String("www."), Qt::CaseInsensitive) ||
           value.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           value.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

void ClearShownEntry() {
    frmMain& main = form<frmMain>();
    for (QLineEdit* box : {main.Text1, main.Text2, main.Text3, main.Text4})
        box->clear();
    main.Text5->clear();
    main.Label10->clear();
    main.Label3->clear();
    main.Label13->clear();
    main.shownKey.reset();
    main.shownValues.reset();
    main.shownSecretField = -1;
    main.shownUserField = -1;
    main.shownCodes = {};
    main.showCodes();
    for (QWidget* box :
         std::initializer_list<QWidget*>{main.Text1, main.Text2, main.Text3, main.Text4, main.Text5})
        markUnreadable(box, false);
}

// Shows the entry of the entry list's current row, read by the key the row keeps: its values
// under its category's titles, the category's icon, the last-update date and the attachment
// indicator.
void ShowEntry() {
    frmMain& main = form<frmMain>();
    // Locked, nothing of the vault is shown (a command that ends after the lock may ask).
    if (trayLock().locked() || !main.List1->currentItem()) return;
    main.Picture1->repaint();
    main.Picture9->show();
    main.Picture9->repaint();
    main.Picture5->hide();
    // A show that finds no entry leaves no earlier entry's title or key for the commands.
    ClearShownEntry();
    const std::array<QLineEdit*, 4> boxes = {main.Text1, main.Text2, main.Text3, main.Text4};
    const std::array<QWidget*, 5> values = {main.Text1, main.Text2, main.Text3, main.Text4, main.Text5};

    // A row the vault gave no key (a vault converted by another tool) cannot be read back.
    const std::optional<EntryKey> key = listKey(main.List1);
    if (!key) return main.Picture9->hide();
    const Result<ShownEntry> shown = store::showEntry(*key);
    if (!shown) return showVaultReport(shown.code());

    const Entry& entry = shown->entry;
    for (int i = 0; i < 4; ++i)
        main.placeLaunchButton(i + 1, isWebAddress(entry.fields[std::size_t(i)]));
    for (int i = 0; i < 4; ++i) {
        boxes[std::size_t(i)]->setText(entry.fields[std::size_t(i)]);
        boxes[std::size_t(i)]->setCursorPosition(0);
    }
    main.Text5->setPlainText(entry.notes);
    for (std::size_t i = 0; i < values.size(); ++i)
        markUnreadable(values[i], entry.stored.keepStored[1 + i]);
    main.Label10->setText(entry.category);
    main.Label3->setText(entry.description);
    main.Label13->setText(main.Label3->text());
    main.shownKey = entry.key;
    main.shownValues = entry.stored;
    main.Label29->setText(QCoreApplication::translate("EntryView", "Last Updated: ") +
                          shownUpdateDate(entry.lastUpdate, QCoreApplication::translate(
                                                                "EntryView", "MM/dd/yyyy", "the shown date"))
                              .trimmed());
    std::array<QString, 4> fieldTitles;
    if (const std::optional<CategoryDefinition>& definition = shown->definition) {
        main.Label4->setText(definition->shownTitle(CategoryDefinition::Field1));
        main.Label5->setText(definition->shownTitle(CategoryDefinition::Field2));
        main.Label6->setText(definition->shownTitle(CategoryDefinition::Field3));
        main.Label7->setText(definition->shownTitle(CategoryDefinition::Field4));
        main.Label8->setText(definition->shownTitle(CategoryDefinition::Notes));
        main.Label14->setText(definition->shownTitle(CategoryDefinition::Description));
        main.Picture6->setPicture(categoryPictureFor(definition->image));
        fieldTitles = {definition->titles[1], definition->titles[2], definition->titles[3],
                       definition->titles[4]};
        main.shownSecretField = fieldOfMeaning(fieldTitles, FieldMeaning::Secret);
        main.shownUserField = userNameField(fieldTitles);
    }
    main.Picture17->setVisible(shown->hasAttachments);
    main.shownCodes = codesOf(entry.fields, fieldTitles, entry.notes);
    main.showCodes();

    setPlainToolTip(main.Text1, main.Label4->text());
    setPlainToolTip(main.Text2, main.Label5->text());
    setPlainToolTip(main.Text3, main.Label6->text());
    setPlainToolTip(main.Text4, main.Label7->text());
    setPlainToolTip(main.Text5, main.Label8->text());
    if (main.List1->count() > 0) {
        main.Picture5->show();
        main.Picture5->raise();
    }
    main.Picture9->hide();
}

// Asks the shell to open a web address or a file; says so when it cannot.
void LaunchDocument(const QString& target) {
    if (!platform().openDocument(target))
        platform().messageBox(QCoreApplication::translate("EntryView", "Failed Execution"),
                              QCoreApplication::translate("EntryView", "Failed to open browser."),
                              MsgIcon::Error);
}
