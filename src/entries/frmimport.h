#pragma once

#include "transfer/passwordimport.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

// The import summary: before anything is written, how many entries each category would
// receive and which column goes under which of its titles, every row that will be left out
// with its line and reason, and the records already in the vault (left out unless asked). Import writes the
// accepted rows in one go; Cancel writes nothing.
class frmImport final : public QDialog {
    Q_OBJECT
public:
    frmImport();
    ~frmImport() override;
    Q_DISABLE_COPY_MOVE(frmImport)

    QLabel* Label1;         // the file and its format
    QLabel* Label2;         // "Entries to add, by category:"
    QTreeWidget* List1;     // category, number of entries, whether it is new; below it column -> title
    QLabel* Label3;         // "Rows left out:"
    QListWidget* List2;     // every refused row: line and reason
    QCheckBox* Check1;      // import the records already in the vault as well
    QPushButton* Command21; // import
    QPushButton* Command2;  // cancel (Esc)

    void Form_Load();
    // Fills the window from a planned import of the file.
    // replan plans the file again, with or without the records already in the vault.
    using Replan = std::function<transfer::ImportPlan(bool importKnown)>;
    void showPlan(const QString& fileName, transfer::ImportPlan plan, Replan replan = {});
    void Check1_Click();    // plans again with or without the records already in the vault
    void Command21_Click(); // writes the planned entries, closes, says how many
    void Command2_Click();  // closes; nothing is written

    void reject() override;

private:
    void showCurrentPlan();
    transfer::ImportPlan plan_;
    QString fileName_;
    Replan replan_;
};
