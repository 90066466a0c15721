#include "maincommands.h"
#include "app/controls.h"
#include "app/forms.h"
#include "app/mainwindowport.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/windowkit.h"
#include "frmattach.h"

// Attachments button: lists the shown entry's attachments and opens their window.
void attachments::Command13_Click(MainWindowPort& main) {
    if (!main.hasCurrentEntry()) return;
    LoadAttachments();
    frmAttach& window = form<frmAttach>();
    windowkit::copyBanner(main.banner(), window.Picture1);
    platform().showModal(window);
}
