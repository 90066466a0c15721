#pragma once

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class PictureBox;
class StrengthBar;

#include "store/records.h"

// The setup window: whether a login password is asked, the password and the retry count.
class frmSetup final : public QDialog {
    Q_OBJECT
public:
    frmSetup();
    ~frmSetup() override;
    Q_DISABLE_COPY_MOVE(frmSetup)

    QFrame* Shape1;         // header band
    PictureBox* Picture2;   // banner, copied from the main window's
    PictureBox* Picture4;   // small picture at the top right
    PictureBox* picTitle1;  // title picture above the panel
    QFrame* Picture1;       // panel holding the settings
    QCheckBox* Check1;      // "Require Password Login"
    QFrame* Picture3;       // inner panel with the two password boxes
    QLabel* Label2;         // "Enter Password:"
    QLineEdit* Text2;       // the password
    StrengthBar* strength;  // how strong the password is; warns when weak for the vault key
    QLabel* Label1;         // "Re-Type Password:"
    QLineEdit* Text1;       // the password again
    QLabel* Label3;         // "Number of retries:"
    QLineEdit* Text3;       // the retry count, one typed character
    QPushButton* Command1;  // "&Reset Password"
    QFrame* Picture5;       // panel of the clipboard and idle settings
    QLabel* Label4;         // "Clear copied values after:"
    QSpinBox* clearSeconds; // seconds a copied value stays on the clipboard; 0 "Never"
    QLabel* Label5;         // "Lock when idle for:"
    QSpinBox* idleMinutes;  // minutes without input before the program locks; 0 "Never"
    QPushButton* Command21; // save
    QPushButton* Command2;  // close without saving

    void Form_Load();
    // Shows stored settings in the boxes.
    void showSettings(const LoginSettings& settings);
    void Command1_Click();  // empties both password boxes
    void Command2_Click();  // closes, saving nothing
    void Command21_Click(); // validates, then saves

    // Esc and the close box: the close button.
    void reject() override;
};

// Writes the settings of the setup window to the vault and to the login settings in memory, and
// the clipboard and idle settings to the settings store; confirms and closes the window. A failed
// save is reported and changes nothing.
void SaveSetup();

// The number at the start of a retry count's text: optional blanks, an optional minus sign and
// decimal digits; 0 when the text does not begin with a number.
short retryCountOf(const QString& text);
