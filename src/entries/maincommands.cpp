#include "mainwindow/frmmain.h"

// Main-window commands of the entries: new, edit, delete, search, copy to clipboard.
void frmMain::Command10_Click() {}
void frmMain::Command11_Click() {}
void frmMain::Command8_Click() {}
void frmMain::Command3_Click() {}
void frmMain::Command1_Click() {}
