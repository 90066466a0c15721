#pragma once

#include "store/conflictcopy.h"
#include "store/vaultkey.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTreeView;

// A sync tool's conflict copies of the vault: at start the program says of each copy beside the
// vault in turn that it lies there, and offers to compare it. Asks the copy's password when the copy is
// encrypted, then shows the comparison window; a copy that holds nothing the vault lacks is only offered for
// the trash.
void offerConflictCopy();

// The comparison: the entries of the copy that the vault lacks or holds otherwise, each with a
// tick box; the ticked ones are taken into the vault, and the copy may then go to the trash.
class frmConflict final : public QDialog {
    Q_OBJECT
public:
    frmConflict();
    ~frmConflict() override;
    Q_DISABLE_COPY_MOVE(frmConflict)

    QLabel* lblCopy;                // names the copy
    QTreeView* lstEntries;          // the differing entries: description, category, how they differ
    QPushButton* cmdTake;           // takes the ticked entries into the vault
    QPushButton* cmdClose;          // closes, nothing taken
    QStandardItemModel* entryModel; // the rows of lstEntries

    void Form_Load();
    // Compares the copy at copyPath (key: its key, none when plain) with the vault and lists what
    // differs, every row ticked. Answers false after a failure was reported.
    bool compare(const QString& copyPath, std::optional<VaultKey> key);
    // How many entries differ.
    qsizetype differenceCount() const { return differences_.size(); }

    // Takes the ticked entries; a vault entry changed meanwhile makes it compare again instead.
    void cmdTake_Click();
    void cmdClose_Click();
    void reject() override;

private:
    QString copyPath_;
    std::optional<VaultKey> key_;
    QList<CopyDifference> differences_;
};

// The password of an encrypted conflict copy (which may differ from the vault's).
class frmCopyPassword final : public QDialog {
    Q_OBJECT
public:
    frmCopyPassword();
    ~frmCopyPassword() override;
    Q_DISABLE_COPY_MOVE(frmCopyPassword)

    QLabel* lblPrompt;      // names the copy
    QLineEdit* txtPassword; // the copy's password, hidden
    QPushButton* cmdOK;     // opens the copy with it and compares
    QPushButton* cmdCancel; // leaves the copy alone

    void Form_Load() {}
    void setCopy(const QString& copyPath);
    void cmdOK_Click();
    void reject() override;

private:
    QString copyPath_;
};
