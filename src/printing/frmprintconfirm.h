#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class PictureBox;

// "W A R N I N G !": warns before printing, prints the shown entry (GO) or, after asking once
// more, every entry (PRINT ALL).
class frmPrintConfirm final : public QDialog {
    Q_OBJECT
public:
    frmPrintConfirm();
    ~frmPrintConfirm() override;
    Q_DISABLE_COPY_MOVE(frmPrintConfirm)

    QLabel* Label1;         // the warning
    QLabel* Label2;         // what the buttons do
    PictureBox* Picture2;   // warning picture
    QPushButton* Command20; // GO: prints the shown entry
    QPushButton* Command1;  // PRINT ALL: prints every entry (Enter)
    QPushButton* Command2;  // cancel (Esc)

    void Form_Load();
    void Command20_Click();
    void Command1_Click();
    void Command2_Click();

    // Esc and the close box: the cancel button.
    void reject() override;
};
