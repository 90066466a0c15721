#include "app/forms.h"
#include "app/platform.h"
#include "frmprintconfirm.h"
#include "mainwindow/frmmain.h"

// Print button: the warning window, which prints the shown entry or all entries.
void frmMain::Command4_Click() {
    if (!hasCurrentEntry()) return;
    platform().showModal(form<frmPrintConfirm>());
}
