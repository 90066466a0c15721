#include "maincommands.h"
#include "app/forms.h"
#include "app/mainwindowport.h"
#include "app/platform.h"
#include "frmprintconfirm.h"

// Print button: the warning window, which prints the shown entry or all entries.
void printing::Command4_Click(MainWindowPort& main) {
    if (!main.hasCurrentEntry()) return;
    platform().showModal(form<frmPrintConfirm>());
}
