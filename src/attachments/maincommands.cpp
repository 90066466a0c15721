#include "mainwindow/frmmain.h"

// Main-window commands of the attachments.
void frmMain::Command13_Click() {}
void frmMain::Picture17_Click() {}
