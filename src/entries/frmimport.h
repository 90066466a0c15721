#pragma once

#include "transfer/passwordimport.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

// The import summary: before anything is written, how many entries each category would
// receive and every row that will be left out, with its line and reason. Import writes the
// accepted rows in one go; Cancel writes nothing.
class frmImport final : public QDialog {
    Q_OBJECT
public:
    frmImport();
    ~frmImport() override;
    Q_DISABLE_COPY_MOVE(frmImport)

    QLabel* Label1;         // the file and its format
    QLabel* Label2;         // "Entries to add, by category:"
    QTreeWidget* List1;     // category, number of entries, whether it is new
    QLabel* Label3;         // "Rows left out:"
    QListWidget* List2;     // every refused row: line and reason
    QPushButton* Command21; // import
    QPushButton* Command2;  // cancel (Esc)

    void Form_Load();
    // Fills the window from a planned import of the file.
    void showPlan(const QString& fileName, transfer::ImportPlan plan);
    void Command21_Click(); // writes the planned entries, closes, says how many
    void Command2_Click();  // closes; nothing is written

    void reject() override;

private:
    transfer::ImportPlan plan_;
};
