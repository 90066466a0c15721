#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class PictureBox;

// The category editor: lists the categories, shows and edits the six field titles of the
// selected one, creates new categories and deletes unused ones.
class frmEditor final : public QDialog {
    Q_OBJECT
public:
    frmEditor();
    ~frmEditor() override;
    Q_DISABLE_COPY_MOVE(frmEditor)

    QLabel* Label9;         // "Category Listing:"
    QListWidget* List1;     // the category names
    QLabel* Label7;         // "User-Defined Fields:"
    QLabel* Label4;         // "Field (1):"
    QLabel* Label1;         // "Field (2):"
    QLabel* Label2;         // "Field (3):"
    QLabel* Label3;         // "Field (4):"
    QLabel* Label5;         // "Field (5):"
    QLabel* Label6;         // "Field (6): (Multi-Line Field)"
    QLineEdit* Text2;       // title of field 1 (the description); must not be blank
    QLineEdit* Text1;       // title of field 2
    QLineEdit* Text3;       // title of field 3
    QLineEdit* Text4;       // title of field 4
    QLineEdit* Text5;       // title of field 5
    QLineEdit* Text6;       // title of the notes
    QPushButton* Command10; // new category
    QPushButton* Command11; // edit the selected category's titles
    QPushButton* Command8;  // delete the selected category
    QPushButton* Command2;  // close
    QPushButton* Command21; // save the titles (edit mode)
    QPushButton* Command1;  // cancel editing (edit mode)
    // What the window was last asked to do: nothing yet, edit the selected category's titles
    // (the save button saves only then), or create a category.
    enum class Mode { None, EditingTitles, CreatingCategory };
    Mode mode = Mode::None;
    PictureBox* Picture1; // title picture
    PictureBox* Picture2; // banner, copied from the main window's

    // Set while the entry editor shows this window modally.
    bool shownModally = false;

    // The six title boxes in the order of the entry's fields.
    QList<QLineEdit*> titleBoxes() const;

    void Form_Load();
    void List1_Click();
    void List1_KeyDown(int key);
    void Command11_Click(); // edit
    void Command1_Click();  // cancel
    void Command21_Click(); // save
    void Command10_Click(); // create
    void Command8_Click();  // delete
    void Command2_Click();  // close

    void LoadCategoryDefinition();
    void SaveCategoryDefinition();
    void DeleteCategory();

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setViewMode(bool view);
    QStringList titleTexts() const;
    // In edit mode with changed titles: asks whether to drop them; true when they may go.
    bool mayDiscardTitles();
    QStringList startingTitles_; // the titles as edit mode began
    bool viewing_ = true;        // view mode (the list and its commands), not edit mode
};
