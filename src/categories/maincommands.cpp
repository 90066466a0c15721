#include "app/modmain.h"
#include "entries/frmentry.h"
#include "mainwindow/frmmain.h"

// Main-window and entry-editor commands of the categories.
void frmMain::Label35_Click() {}
void frmEntry::Command6_Click() {}

bool CategoryEditorShowing() { return false; }
void RefreshEditorCategories() {}
void BuildCategoryBreakdown() {}
