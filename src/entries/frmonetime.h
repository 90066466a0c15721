#pragma once

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Setting up a one-time code: the otpauth:// address or the secret a service shows, checked as
// it is typed or pasted; "use" hands the checked setting, and the field chosen for it, to the
// entry editor. The setting can be shown as a QR code for a phone, after a warning.
class frmOneTime final : public QDialog {
    Q_OBJECT
public:
    frmOneTime();
    ~frmOneTime() override;
    Q_DISABLE_COPY_MOVE(frmOneTime)

    QLabel* Label1;        // "&Address or secret:"
    QLineEdit* Text1;      // the address or secret
    QLabel* Label2;        // the code the setting gives now (refreshed each second), or why it cannot be used
    QLabel* Label3;        // "&Put it into:"
    QComboBox* Combo1;     // the field that receives the setting: fields 1..4, then the notes
    QLabel* Picture1;      // the QR code, once asked for
    QPushButton* Command1; // shows the QR code
    QPushButton* Command21; // uses the setting
    QPushButton* Command2;  // closes without using it (Esc)

    // The field that stands for the notes in Combo1 and in use().
    static constexpr int NotesField = 4;

    // Receives the value to store (the address) and the field (0..3, or NotesField).
    std::function<void(const QString& value, int field)> use;

    // The entry's four field titles, the field a one-time code goes into (-1: the user chooses),
    // and the setting the entry holds already, or empty.
    void offer(const QStringList& titles, int preferred, const QString& current);

    void Form_Load() {}
    void Text1_Change();    // checks the text, shows the code it gives
    void Command1_Click();  // QR code, after the warning
    void Command21_Click(); // checks, hands the setting over and closes; refuses bad input
    void Command2_Click();  // close

    void reject() override;

private:
    void showCheck();
    int checkRound_ = 0; // the refreshing of the code shown in force; an older one stops
};
