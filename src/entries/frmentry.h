#pragma once

#include <QDialog>

class QComboBox;
class PictureBox;

// The entry editor: adds a new entry or edits the shown one.
class frmEntry final : public QDialog {
    Q_OBJECT
public:
    frmEntry();
    ~frmEntry() override;
    Q_DISABLE_COPY_MOVE(frmEntry)

    QComboBox* Combo1;     // category of the entry
    PictureBox* Picture6;  // image source: the default category image
    PictureBox* Picture1;  // image source: "CREDIT CARD"
    PictureBox* Picture3;  // image source: "WEB SITE"
    PictureBox* Picture4;  // image source: "HOME"

    void Form_Load();
    void Combo1_Click();
    void Command6_Click(); // opens the category editor
};
