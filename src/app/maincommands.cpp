#include "mainwindow/frmmain.h"

// Main-window commands of the application shell: setup, lock to tray, display preferences.
void frmMain::Command5_Click() {}
void frmMain::Command6_Click() {}
void frmMain::Check1_Click() {}
void frmMain::Check2_Click() {}
