#include "frmconflict.h"

#include "controls.h"
#include "forms.h"
#include "platform.h"
#include "store/repository.h"
#include "store/vault.h"
#include "store/vaultfile.h"
#include "vaultlock.h"
#include "vaultreport.h"
#include "vaultwatch.h"
#include "windowkit.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTreeView>
#include <QVBoxLayout>

using namespace windowkit;

namespace {

QString shownName(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Offers to move the copy to the trash once nothing more is wanted from it.
void offerTrash(const QString& copyPath, const QString& prompt) {
    if (platform().messageBox(frmConflict::tr("Conflict Copy"), prompt.arg(shownName(copyPath)),
                              MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes) != MsgAnswer::Yes)
        return;
    // The trash lies in the data folder; Qt 6.4 puts the file under the working folder when that
    // folder does not exist yet.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    if (!QFile::moveToTrash(copyPath))
        platform().messageBox(frmConflict::tr("Conflict Copy"),
                              frmConflict::tr("The copy could not be moved to the trash; it stays at %1.")
                                  .arg(shownName(copyPath)),
                              MsgIcon::Warning);
}

// What differs, in the words of the list: the parts of the entry whose values are not the vault's.
QString differenceText(const CopyDifference& difference) {
    if (!difference.vaultKey) return frmConflict::tr("only in the copy");
    const EntryRecord &copy = difference.copy, &vault = difference.vault;
    QStringList parts;
    if (copy.description != vault.description) parts << frmConflict::tr("description");
    for (std::size_t i = 0; i < copy.fields.size(); ++i)
        if (copy.fields[i] != vault.fields[i]) parts << frmConflict::tr("field %1").arg(i + 1);
    if (copy.notes != vault.notes) parts << frmConflict::tr("notes");
    if (upperTrimmed(copy.category) != upperTrimmed(vault.category)) parts << frmConflict::tr("category");
    return parts.join(QStringLiteral(", "));
}

void showComparison(const QString& copyPath, std::optional<VaultKey> key) {
    frmConflict& window = form<frmConflict>();
    if (!window.compare(copyPath, std::move(key))) return unload<frmConflict>();
    if (window.differenceCount() == 0) {
        unload<frmConflict>();
        return offerTrash(copyPath,
                          frmConflict::tr("The conflict copy %1 holds nothing that the vault lacks.\n\n"
                                          "Move the copy to the trash?"));
    }
    platform().showModal(window);
}

// Says that the copy lies beside the vault; on Yes asks its password when it has one, then
// compares. Returns when the user is done with it.
void offerCopy(const QString& copy) {
    if (platform().messageBox(
            frmConflict::tr("Sync Conflict"),
            frmConflict::tr("A sync tool left a conflict copy of the vault beside it:\n%1\n\n"
                            "Compare the copy with the vault now?")
                .arg(shownName(copy)),
            MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes) != MsgAnswer::Yes)
        return;
    if (readVaultHeader(copy).kind == VaultFileKind::Encrypted) {
        frmCopyPassword& password = form<frmCopyPassword>();
        password.setCopy(copy);
        platform().showModal(password);
        return;
    }
    showComparison(copy, std::nullopt);
}

} // namespace

void offerConflictCopy() {
    // One copy per conflict the sync tool met: each is offered in turn.
    for (const QString& copy : conflictCopiesOf(vaultFilePath()))
        offerCopy(copy);
}

frmConflict::frmConflict() {
    setUpWindow(this, "frmConflict", tr("Compare Conflict Copy"));
    auto* layout = new QVBoxLayout(this);
    lblCopy = named(new QLabel(this), "lblCopy");
    lblCopy->setWordWrap(true);
    layout->addWidget(lblCopy);
    lstEntries = named(new QTreeView(this), "lstEntries");
    entryModel = new QStandardItemModel(0, 3, this);
    entryModel->setHorizontalHeaderLabels({tr("Description"), tr("Category"), tr("Differs in")});
    lstEntries->setModel(entryModel);
    lstEntries->setRootIsDecorated(false);
    lstEntries->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstEntries->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    title(lblCopy, lstEntries);
    layout->addWidget(lstEntries);
    auto* buttons = new QDialogButtonBox(this);
    cmdTake = named(buttons->addButton(tr("Take Ticked Entries"), QDialogButtonBox::AcceptRole), "cmdTake");
    cmdClose = named(buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole), "cmdClose");
    cmdTake->setDefault(true);
    layout->addWidget(buttons);
    resize(640, 400);
    connect(cmdTake, &QPushButton::clicked, this, [this] { cmdTake_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

frmConflict::~frmConflict() = default;

void frmConflict::Form_Load() {}

bool frmConflict::compare(const QString& copyPath, std::optional<VaultKey> key) {
    copyPath_ = copyPath;
    key_ = std::move(key);
    const Result<QList<CopyDifference>> found = store::compareWithCopy(copyPath, key_ ? &*key_ : nullptr);
    if (!found) {
        showVaultReport(found.code());
        return false;
    }
    differences_ = *found;
    lblCopy->setText(tr("Entries of the conflict copy %1 that the vault lacks or holds with other values. "
                        "The ticked ones are taken into the vault:")
                         .arg(shownName(copyPath)));
    entryModel->removeRows(0, entryModel->rowCount());
    for (const CopyDifference& difference : std::as_const(differences_)) {
        auto* description = new QStandardItem(difference.copy.description.trimmed());
        description->setCheckable(true);
        description->setCheckState(Qt::Checked);
        entryModel->appendRow({description, new QStandardItem(upperTrimmed(difference.copy.category)),
                               new QStandardItem(differenceText(difference))});
    }
    if (entryModel->rowCount() > 0) lstEntries->setCurrentIndex(entryModel->index(0, 0));
    return true;
}

void frmConflict::cmdTake_Click() {
    QList<CopyDifference> chosen;
    for (int row = 0; row < entryModel->rowCount(); ++row)
        if (entryModel->item(row, 0)->checkState() == Qt::Checked) chosen << differences_[row];
    if (chosen.isEmpty()) {
        platform().messageBox(tr("Conflict Copy"), tr("Tick the entries to take into the vault."),
                              MsgIcon::Information);
        return;
    }
    const Result<RowCheck> taken = store::takeFromCopy(chosen, platform().now());
    if (!taken) {
        // Nothing written: the window stays, so the user can try again.
        showVaultReport(taken.code());
        return;
    }
    if (*taken != RowCheck::Written) {
        platform().messageBox(tr("Vault Changed"),
                              tr("An entry of the vault changed since the comparison; nothing was taken.\n"
                                 "The comparison is shown again."),
                              MsgIcon::Warning);
        showCurrentVault(false);
        if (!compare(copyPath_, std::move(key_))) unload<frmConflict>();
        return;
    }
    const QString copy = copyPath_;
    unload<frmConflict>();
    showCurrentVault(false);
    offerTrash(copy, tr("%n entries taken into the vault.\n\nMove the conflict copy %1 to the trash?",
                        nullptr, int(chosen.size())));
}

void frmConflict::cmdClose_Click() {
    unload<frmConflict>();
}

void frmConflict::reject() {
    cmdClose_Click();
}

frmCopyPassword::frmCopyPassword() {
    setUpWindow(this, "frmCopyPassword", tr("Conflict Copy Password"));
    auto* layout = new QVBoxLayout(this);
    lblPrompt = named(new QLabel(this), "lblPrompt");
    lblPrompt->setWordWrap(true);
    layout->addWidget(lblPrompt);
    txtPassword = named(new QLineEdit(this), "txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    title(lblPrompt, txtPassword);
    layout->addWidget(txtPassword);
    auto* buttons = new QDialogButtonBox(this);
    cmdOK = named(buttons->addButton(QDialogButtonBox::Ok), "cmdOK");
    cmdCancel = named(buttons->addButton(QDialogButtonBox::Cancel), "cmdCancel");
    cmdOK->setDefault(true);
    layout->addWidget(buttons);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { reject(); });
}

frmCopyPassword::~frmCopyPassword() = default;

void frmCopyPassword::setCopy(const QString& copyPath) {
    copyPath_ = copyPath;
    lblPrompt->setText(tr("The conflict copy %1 is encrypted. Its password:").arg(shownName(copyPath)));
}

void frmCopyPassword::cmdOK_Click() {
    QString typed = txtPassword->text();
    txtPassword->clear();
    std::optional<VaultKey> key;
    if (!typed.trimmed().isEmpty()) key = deriveLoginKey(typed, readVaultHeader(copyPath_).salt);
    wipeText(typed);
    if (!key || !keyOpensVault(copyPath_, *key)) {
        platform().messageBox(tr("Conflict Copy Password"), tr("This password does not open the copy."),
                              MsgIcon::Warning);
        txtPassword->setFocus();
        return;
    }
    const QString copy = copyPath_;
    unload<frmCopyPassword>();
    showComparison(copy, std::move(key));
}

void frmCopyPassword::reject() {
    unload<frmCopyPassword>();
}
