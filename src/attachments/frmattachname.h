#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the description of an attachment being added and hands it back through
// descriptionChosen (nothing when cancelled).
class frmAttachName final : public QDialog {
    Q_OBJECT
public:
    frmAttachName();
    ~frmAttachName() override;
    Q_DISABLE_COPY_MOVE(frmAttachName)

    QFrame* Picture1;       // panel behind the prompt and the box
    QLabel* Label4;         // "Enter a Description for this attachment:"
    QLineEdit* Text2;       // the description, 50 characters at most
    QPushButton* Command26; // OK
    QPushButton* Command2;  // Cancel

    void Form_Load();
    void Command26_Click(); // OK
    void Command2_Click();  // Cancel

signals:
    // OK with a description that may be listed: upper case, apostrophes as grave accents.
    void descriptionChosen(const QString& description);

protected:
    void reject() override; // Esc and the close box: Cancel
};
