#include "app/controls.h"
#include "app/forms.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/windowkit.h"
#include "frmattach.h"
#include "mainwindow/frmmain.h"

// Attachments button: lists the shown entry's attachments and opens their window.
void frmMain::Command13_Click() {
    if (!hasCurrentEntry()) return;
    LoadAttachments();
    frmAttach& window = form<frmAttach>();
    windowkit::copyBanner(Picture2, window.Picture1);
    platform().showModal(window);
}

// The attachment indicator opens the same window.
void frmMain::Picture17_Click() {
    Command13_Click();
}
