#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The password generator: a length and character classes, a fresh random password on every
// change; "use" hands the password shown, and the field chosen for it, to whoever opened the
// window.
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
    QLabel* Label2;         // "Put it into:"
    QComboBox* Combo1;      // the field that receives the password
    QPushButton* Command1;  // makes another password
    QPushButton* Command21; // uses the password
    QPushButton* Command2;  // closes without using it (Esc)

    // Receives the password and the chosen field (0..3) when the user takes it.
    std::function<void(const QString& password, int field)> use;

    // The fields the password may go into, by title; preferred is the category's password
    // field, or -1 when it has none and the user has to choose.
    void offerFields(const QStringList& titles, int preferred);

    void Form_Load();
    void Generate();        // a new password from the current choices
    void Command21_Click(); // hand the password over and close
    void Command2_Click();  // close

    void reject() override;

private:
    int madeLength_ = -1; // the length of the password shown
};
