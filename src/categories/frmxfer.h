#pragma once

#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class PictureBox;

// The category transfer: moves every entry of one category into another.
class frmXFer final : public QDialog {
    Q_OBJECT
public:
    frmXFer();
    ~frmXFer() override;
    Q_DISABLE_COPY_MOVE(frmXFer)

    PictureBox* Picture1;  // banner, copied from the breakdown window's
    PictureBox* Picture2;  // title picture
    QFrame* Picture3;      // panel behind the prompts and the lists
    QLabel* Label2;        // prompt above the FROM list
    QComboBox* Combo1;     // FROM category
    QLabel* Label1;        // prompt above the TO list
    QComboBox* Combo2;     // TO category
    QPushButton* Command2; // transfer
    QPushButton* Command5; // close

    void Form_Load();
    void Command2_Click(); // transfer
    void Command5_Click(); // close

    void FillTransferLists();
    void TransferEntries();

    void reject() override;
};
