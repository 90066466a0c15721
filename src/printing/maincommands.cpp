#include "mainwindow/frmmain.h"

// Main-window command of printing.
void frmMain::Command4_Click() {}
