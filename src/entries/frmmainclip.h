#pragma once

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class PictureBox;

// The copy window: puts chosen fields of the shown entry on the clipboard, one line each.
class frmMainClip final : public QDialog {
    Q_OBJECT
public:
    frmMainClip();
    ~frmMainClip() override;
    Q_DISABLE_COPY_MOVE(frmMainClip)

    QFrame* Shape1;         // header band behind the banner
    PictureBox* Picture1;   // banner: the main window's logo
    PictureBox* Picture2;   // title picture
    QFrame* Picture3;       // panel of the check boxes
    QLabel* Label2;         // "Select the fields you want to copy:"
    QCheckBox* Check1;      // description
    QCheckBox* Check17;     // field 1
    QCheckBox* Check2;      // field 2
    QCheckBox* Check3;      // field 3
    QCheckBox* Check4;      // field 4
    QCheckBox* Check5;      // notes
    QCheckBox* Check6;      // category
    QPushButton* Command20; // copies (Enter)
    QPushButton* Command4;  // ticks every box
    QPushButton* Command3;  // unticks every box
    QPushButton* Command5;  // closes the window (Esc)

    void Form_Load();
    void Command20_Click(); // copy
    void Command4_Click();  // select all
    void Command3_Click();  // select none
    void Command5_Click();  // close

    void reject() override;
};
