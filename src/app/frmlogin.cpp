#include "frmlogin.h"

#include "controls.h"
#include "forms.h"
#include "modmain.h"
#include "picturebox.h"
#include "platform.h"
#include "traylock.h"
#include "twips.h"

#include <QLineEdit>

frmLogin::frmLogin() {
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Quorlane - Password REQUIRED"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/appicon.svg")));
    // Closing this window never ends the program: only the main window's exit does.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Picture1 = new PictureBox(this, QStringLiteral("key"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setToolTip(QStringLiteral("Enter your login password here."));
    makePasswordBox(txtPassword, 40);
    Picture2 = new PictureBox(this, QStringLiteral("giveup"));
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setCursor(Qt::PointingHandCursor);

    connect(Picture2, &PictureBox::clicked, this, [this] { Picture2_Click(); });
    onEnterKey(txtPassword, [this] { txtPassword_KeyPress(13); });
}

frmLogin::~frmLogin() = default;

void frmLogin::Form_Load() {
    setFixedSize(twips::toPx(4200), twips::toPx(1100));
    Picture1->setGeometry(twips::toPx(120, 120, 1100, 860));
    txtPassword->setGeometry(twips::toPx(1400, 390, 2100, 330));
    Picture2->setGeometry(twips::toPx(3600, 345, 420, 420));
}

void frmLogin::Form_Activate() {
    if (platform().twipsPerPixel() == 12) {
        setFixedSize(twips::toPx(4100), twips::toPx(1460));
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
    LoginRetries = 0;
    unload<frmLogin>();
}

void frmLogin::reject() {
    unload<frmLogin>();
}

void frmLogin::txtPassword_KeyPress(int key) {
    if (key != 13) return;
    if (txtPassword->text().toUpper().trimmed() == LoginPassword) {
        unload<frmLogin>();
        LoginAccepted = true;
        platform().trayHide();
        trayLock().showMainWindow();
        return;
    }
    if (!LoginFromTray) {
        LoginAccepted = false;
        unload<frmLogin>();
        return;
    }
    ++LoginAttempts;
    if (LoginAttempts > LoginRetries) {
        LoginAccepted = false;
        unload<frmLogin>();
    } else {
        txtPassword->clear();
    }
}
