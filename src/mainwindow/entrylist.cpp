#include "app/categorybox.h"
#include "app/controls.h"
#include "app/entrylistmodel.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/traylock.h"
#include "app/vaultreport.h"
#include "entryview.h"
#include "frmmain.h"
#include "store/dates.h"
#include "store/repository.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

// The category filter from the categories in name order. Selecting every category in the filter
// fills the entry list before the categories are read.
void frmMain::fillCategoryFilter() {
    {
        const QSignalBlocker blocker(Combo1);
        Combo1->clear();
        Combo1->addItem(tr("ALL CATEGORIES"));
    }
    // Runs the entry list fill, whose failed attempts this fill's count goes on from.
    setComboIndex(Combo1, 0);
    appendCategoryNames(Combo1, true);
}

void frmMain::fillEntryList(const QString& selecting) {
    // Locked, the list stays empty (a command that ends after the lock may ask for a fill).
    if (trayLock().locked()) return;
    List1->hide();
    {
        const QSignalBlocker blocker(List1);
        List1->clear();
    }
    Label29->setText(QString());
    Result<QList<ListedEntry>> listed = store::listEntries(filterText());
    if (!listed) {
        List1->show();
        return showVaultReport(listed.code());
    }
    List1->entries().setEntries(std::move(*listed));
    // A find in the box narrows the new list too.
    if (!txtFind->text().trimmed().isEmpty()) applyFind();
    showEntryCount();
    if (List1->entries().total() == 0) {
        Picture5->hide();
        Picture7->show();
        Picture17->hide();
    }
    List1->show();
    if (selecting.isEmpty()) return;
    if (const int row = List1->entries().rowOfText(selecting, Qt::CaseInsensitive); row >= 0)
        setListIndex(List1, row);
}

void frmMain::clearShownEntry() {
    Picture5->clear();
}

void frmMain::showCurrentEntry() {
    // Locked, nothing of the vault is shown (a command that ends after the lock may ask).
    if (trayLock().locked() || List1->currentRow() < 0) return;
    Picture1->repaint();
    Picture9->show();
    Picture9->repaint();
    Picture5->hide();
    // A show that finds no entry leaves no earlier entry's title or key for the commands.
    clearShownEntry();
    // A row the vault gave no key (a vault converted by another tool) cannot be read back.
    const std::optional<EntryKey> key = listKey(List1);
    if (!key) return Picture9->hide();
    const Result<ShownEntry> shown = store::showEntry(*key);
    if (!shown) return showVaultReport(shown.code());

    Picture5->show(*shown);
    Label29->setText(QCoreApplication::translate("EntryView", "Last Updated: ") +
                     shownUpdateDate(shown->entry.lastUpdate,
                                     QCoreApplication::translate("EntryView", "MM/dd/yyyy", "the shown date"))
                         .trimmed());
    Picture17->setVisible(shown->hasAttachments);
    if (List1->count() > 0) {
        Picture5->show();
        Picture5->raise();
    }
    Picture9->hide();
}

// Asks the shell to open a web address or a file; says so when it cannot.
void LaunchDocument(const QString& target) {
    if (!platform().openDocument(target))
        platform().messageBox(QCoreApplication::translate("EntryView", "Failed Execution"),
                              QCoreApplication::translate("EntryView", "Failed to open browser."),
                              MsgIcon::Error);
}
