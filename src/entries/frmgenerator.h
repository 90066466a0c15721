#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The password generator: a length and character classes, a fresh random password on every
// change; "use" hands the password to whoever opened the window.
class frmGenerator final : public QDialog {
    Q_OBJECT
public:
    frmGenerator();
    ~frmGenerator() override;
    Q_DISABLE_COPY_MOVE(frmGenerator)

    QFrame* Picture1;       // panel behind the choices
    QLabel* Label1;         // "Length:"
    QSpinBox* Spin1;        // the password's length
    QCheckBox* Check1;      // upper-case letters
    QCheckBox* Check2;      // lower-case letters
    QCheckBox* Check3;      // digits
    QCheckBox* Check4;      // symbols
    QLineEdit* Text1;       // the password made
    QPushButton* Command1;  // makes another password
    QPushButton* Command21; // uses the password
    QPushButton* Command2;  // closes without using it (Esc)

    // Receives the password when the user takes it.
    std::function<void(const QString&)> use;

    void Form_Load();
    void Generate();        // a new password from the current choices
    void Command21_Click(); // hand the password over and close
    void Command2_Click();  // close

    void reject() override;
};
