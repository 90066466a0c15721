// The find box above the entry list: the list narrows to the entries whose description holds the
// typed text (or, with "All values", any of whose values does), within the chosen category.
#include "app/entrylistmodel.h"
#include "app/picturebox.h"
#include "app/shortcuts.h"
#include "app/twips.h"
#include "app/vaultreport.h"
#include "app/windowkit.h"
#include "frmmain.h"
#include "store/repository.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTimer>
#include <QToolButton>

using namespace windowkit;

void frmMain::setUpFind() {
    using namespace mainlayout::design;
    txtFind = named(new QLineEdit(Picture1), "txtFind");
    txtFind->setPlaceholderText(tr("Find"));
    txtFind->setToolTip(tr("Show only the entries whose description holds this text."));
    txtFind->setAccessibleName(tr("Find entries"));
    txtFind->setClearButtonEnabled(true);
    for (QToolButton* clear : txtFind->findChildren<QToolButton*>())
        clear->setAccessibleName(tr("Clear the find"));
    place(txtFind, Picture4Left, Picture4Top, 2991 - FindToggleWidth, 330);
    chkFindAll = named(new QCheckBox(tr("All &values"), Picture1), "chkFindAll");
    chkFindAll->setToolTip(tr("Find the text in every value, as the Search window does."));
    place(chkFindAll, Picture4Left + 2991 - FindToggleWidth + 60, Picture4Top + 30, FindToggleWidth - 60,
          270);

    // Each keystroke restarts the wait: the list follows once typing pauses, and a keystroke
    // within the wait drops the update it would have made.
    findTimer_ = new QTimer(this);
    findTimer_->setSingleShot(true);
    findTimer_->setInterval(FindDelayMs);
    connect(txtFind, &QLineEdit::textChanged, findTimer_, qOverload<>(&QTimer::start));
    connect(findTimer_, &QTimer::timeout, this, [this] { applyFind(); });
    connect(chkFindAll, &QCheckBox::toggled, this, [this] { applyFind(); });
    shortcut(txtFind, keysOf(Shortcut::Find), [this] {
        txtFind->setFocus();
        txtFind->selectAll();
    });
    txtFind->installEventFilter(this);
}

void frmMain::applyFind() {
    findTimer_->stop();
    EntryListModel& entries = List1->entries();
    const std::optional<EntryKey> current = listKey(List1);
    const QString word = upperTrimmed(txtFind->text());
    const bool everyValue = chkFindAll->isChecked();
    if (word.isEmpty()) {
        entries.showAll();
    } else if (!everyValue) {
        // A longer text only narrows what a shorter one let through.
        const bool narrowing = !foundInValues_ && !foundWord_.isEmpty() && word.contains(foundWord_);
        entries.showOnly(
            [&word](const QString& description, const auto&) { return description.contains(word); },
            narrowing);
    } else {
        const Result<QList<ListedEntry>> found = store::findEntries(word);
        if (!found) return showVaultReport(found.code());
        QSet<EntryKey> keys;
        for (const ListedEntry& entry : *found)
            if (entry.key) keys.insert(*entry.key);
        entries.showOnly([&keys](const QString&,
                                 const std::optional<EntryKey>& key) { return key && keys.contains(*key); },
                         false);
    }
    foundWord_ = word;
    foundInValues_ = everyValue;
    showEntryCount();
    // The shown entry stays while it is listed; otherwise the first listed one is shown.
    if (const int row = current ? entries.rowOf(*current) : -1; row >= 0) {
        const QSignalBlocker blocker(List1);
        List1->setCurrentRow(row);
        List1->scrollTo(List1->currentIndex());
    } else if (entries.count() > 0) {
        setListIndex(List1, 0);
    } else {
        clearShownEntry();
        Picture5->hide();
        Picture17->hide();
        Label29->clear();
    }
}

void frmMain::showEntryCount() {
    const EntryListModel& entries = List1->entries();
    Label35->setText(entries.filtered() ? tr("%1 of %2").arg(entries.count()).arg(entries.total())
                                        : QString::number(entries.total()));
    // "N of M" may need more room than a count: the date beside it moves along.
    Label35->resize(std::max(twips::toPx(780), Label35->sizeHint().width()), Label35->height());
    Label29->move(std::max(twips::toPx(900), Label35->x() + Label35->width() + twips::toPx(30)),
                  Label29->y());
}

// Esc empties the find box; Return and Down go on to the list.
bool frmMain::findKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !txtFind->text().isEmpty()) {
        txtFind->clear();
        applyFind();
        return true;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Down) {
        if (findTimer_->isActive()) applyFind();
        List1->setFocus();
        return true;
    }
    return false;
}

// Typing on the list starts the find with that text; Esc there empties it.
bool frmMain::listKeyStartsFind(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !txtFind->text().isEmpty()) {
        txtFind->clear();
        applyFind();
        return true;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || !typed.at(0).isPrint() || typed.at(0).isSpace() ||
        (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::NoModifier)
        return false;
    txtFind->setFocus();
    txtFind->insert(typed);
    return true;
}
