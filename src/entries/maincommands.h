#pragma once

#include <QString>

class MainWindowPort;

// The main window's entry commands; its handlers of the same names call them.
namespace entries {
void Command10_Click(MainWindowPort& main); // new entry
void Command11_Click(MainWindowPort& main); // edit entry
void Command8_Click(MainWindowPort& main);  // delete entry
void Command3_Click(MainWindowPort& main);  // search
void Command1_Click(MainWindowPort& main);  // copy to clipboard
void cmdImport_Click(MainWindowPort& main); // import from CSV
void cmdExport_Click(MainWindowPort& main); // export to CSV
void cmdHealth_Click(MainWindowPort& main); // password health report
} // namespace entries

// Fills the entry editor's category box from the categories in name order, nothing chosen.
void FillEditorCategories();

// What closing the entry editor now would lose, as the user is told after an unlock: empty when
// the editor is not open or holds no change.
QString unsavedEditorNote();

// Refills the entry editor's category box, when it is open, choosing again what it showed.
void RefillEditorCategoryBox();
