#include "frmlogin.h"
#include "store/records.h"
#include "store/vaultkey.h"

#include "controls.h"
#include "forms.h"
#include "loginsession.h"
#include "picturebox.h"
#include "platform.h"
#include "twips.h"
#include "vaultlock.h"
#include "windowkit.h"

#include <QLineEdit>

using namespace windowkit;

frmLogin::frmLogin() {
    setUpWindow(this, "frmLogin", tr("Quorlane - Password REQUIRED"));
    // Closing this window never ends the program: only the main window's exit does.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Picture1 = picture(this, "Picture1", QStringLiteral("key"));
    txtPassword = named(new QLineEdit(this), "txtPassword");
    txtPassword->setToolTip(tr("Enter your login password here."));
    txtPassword->setPlaceholderText(tr("Password, then Enter"));
    makePasswordBox(txtPassword, 40);
    Picture2 = picture(this, "Picture2", QStringLiteral("giveup"));
    Picture2->setCursor(Qt::PointingHandCursor);
    Picture2->setAccessibleName(tr("Give up"));
    Picture2->makeCommand();
    txtPassword->setAccessibleName(tr("Password"));

    connect(Picture2, &PictureBox::clicked, this, [this] { Picture2_Click(); });
    onEnterKey(txtPassword, [this] { txtPassword_KeyPress(13); });
}

frmLogin::~frmLogin() = default;

void frmLogin::Form_Load() {
    fixSize(this, 4200, 1100);
    place(Picture1, 120, 120, 1100, 860);
    place(txtPassword, 1400, 390, 2100, 330);
    place(Picture2, 3600, 345, 420, 420);
}

void frmLogin::Form_Activate() {
    if (platform().twipsPerPixel() == 12) {
        fixSize(this, 4100, 1460);
        txtPassword->setGeometry(twips::toPx(1400), twips::toPx(720), twips::toPx(2300),
                                 txtPassword->height());
        Picture2->move(twips::toPx(3760), twips::toPx(690));
    }
    txtPassword->setFocus();
}

void frmLogin::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

void frmLogin::Picture2_Click() {
    loginSession().retries = 0;
    unload<frmLogin>();
}

void frmLogin::reject() {
    unload<frmLogin>();
}

void frmLogin::txtPassword_KeyPress(int key) {
    if (key != 13) return;
    // The box is emptied before the check: the copy taken here is then the only one left to wipe.
    QString typed = txtPassword->text();
    txtPassword->clear();
    const bool accepted = passwordAccepted(typed);
    wipeText(typed);
    // Right: the window closes; the login controller shows the main window.
    if (accepted) {
        loginSession().accepted = true;
        unload<frmLogin>();
        return;
    }
    // Wrong: says so, with the tries left, or why the program ends or stays locked.
    const int left = loginSession().triesLeft();
    QString prompt = tr("The password is not correct.\n\n");
    if (left > 0)
        prompt += tr("You have %n more tries.", nullptr, left);
    else if (loginSession().fromTray)
        prompt += tr("That was the last try: Quorlane stays locked. Click its icon to try again.");
    else
        prompt += tr("That was the last try: Quorlane will now close to protect your entries.");
    platform().messageBox(tr("Wrong Password"), prompt, MsgIcon::Warning);
    if (!loginSession().fromTray) {
        loginSession().accepted = false;
        unload<frmLogin>();
        return;
    }
    ++loginSession().attempts;
    if (loginSession().attempts > loginSession().retries) {
        loginSession().accepted = false;
        unload<frmLogin>();
    }
}
