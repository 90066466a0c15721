#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

// The new-category window: asks for a name and creates the category with default titles.
class frmCatAdd final : public QDialog {
    Q_OBJECT
public:
    frmCatAdd();
    ~frmCatAdd() override;
    Q_DISABLE_COPY_MOVE(frmCatAdd)

    QFrame* Picture1;       // panel behind the prompt and the box
    PictureBox* picTitle;   // title picture
    QLabel* Label9;         // "Enter the name of the new Category:"
    QLineEdit* Text2;       // the name, at most 50 characters
    QPushButton* Command21; // create
    QPushButton* Command1;  // cancel

    void Form_Load();
    void Command21_Click(); // create
    void Command1_Click();  // cancel

    // The name as it is stored: the typed text upper-cased and trimmed.
    QString categoryName() const;
    // Whether CatDef already holds the name; a failed lookup answers yes.
    bool CategoryExists();
    void CreateCategory();

    void reject() override;
};
