#pragma once

#include <QDialog>

class QLineEdit;
class PictureBox;

// The login window: asks for the login password at start and on the way back from the tray.
// Enter in the password box submits; there is no OK button.
class frmLogin final : public QDialog {
    Q_OBJECT
public:
    frmLogin();
    ~frmLogin() override;
    Q_DISABLE_COPY_MOVE(frmLogin)

    PictureBox* Picture1;   // the window's picture (a key)
    PictureBox* Picture2;   // give up: ends the login
    QLineEdit* txtPassword; // the typed password, shown as "X"s

    void Form_Load();
    // Sizes for 120-dpi screens, then the focus into the password box.
    void Form_Activate();
    // Give-up picture: no more retries for the rest of the run; the window closes.
    void Picture2_Click();
    // Only Enter (13) acts: checks the typed password.
    void txtPassword_KeyPress(int key);

    // Esc and the close box close the window: a refusal like any other.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
};
