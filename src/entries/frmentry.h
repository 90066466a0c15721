#pragma once

#include "store/records.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class PictureBox;
class StrengthBar;

// The entry editor: adds a new entry or edits the shown one.
class frmEntry final : public QDialog {
    Q_OBJECT
public:
    frmEntry();
    ~frmEntry() override;
    Q_DISABLE_COPY_MOVE(frmEntry)

    QFrame* Shape1;        // header band behind the banner
    PictureBox* Picture2;  // banner: the main window's logo
    PictureBox* Picture10; // title picture while adding
    PictureBox* Picture9;  // title picture while editing

    // Field panel
    QFrame* Picture7;      // panel holding the titles, the boxes and the category
    QLabel* Label9;        // "Category:"
    QComboBox* Combo1;     // category of the entry
    QPushButton* Command6; // opens the category editor
    QPushButton* Command7; // opens the password generator (also Ctrl+G)
    PictureBox* Picture8;  // the chosen category's image
    QLabel* Label1;        // title of the description
    QLineEdit* Text2;      // description
    QLabel* Label4;        // title of field 1
    QLineEdit* Text1;      // field 1
    QLabel* Label2;        // title of field 2
    QLineEdit* Text3;      // field 2
    QLabel* Label3;        // title of field 3
    QLineEdit* Text4;      // field 3
    QLabel* Label5;        // title of field 4
    QLineEdit* Text5;      // field 4
    QLabel* Label8;        // title of the notes
    QPlainTextEdit* Text6; // notes, several lines
    StrengthBar* strength; // how strong the password field's value is, on its title's line

    QCheckBox* Check1;       // "&Display information discreetly."
    QPushButton* cmdOneTime; // "One-&time code...": sets up a one-time code
    QPushButton* Command21;  // save
    QPushButton* Command2;   // close without saving (Esc)

    // Whether the editor adds a new entry or edits the shown one, and the description the
    // edited entry had when editing began (a description may be kept without being a duplicate).
    enum class Mode { Adding, Editing };
    Mode mode = Mode::Adding;
    QString startingDescription;
    // The entry being edited: an update writes to it, whichever entry the main window shows by then.
    std::optional<EntryKey> editedKey;

    // Notes what the boxes and the category hold as the editor opens, and, when editing, the
    // stored values they were filled from.
    void rememberStartingValues(const std::optional<EntryValues>& stored);
    // Whether the user changed a box or the category since the editor opened.
    bool hasChanges() const;

    // Most characters the notes box takes from the keyboard; the other boxes take 1,000.
    static constexpr int NotesLimit = 1500;
    static constexpr int FieldLimit = 1000;

    void Form_Load();
    void Combo1_Click();         // category chosen: titles, tooltips and image
    void Check1_Click();         // discreet display of the six boxes
    void showPasswordStrength(); // the strength bar under the category's password field
    void Command6_Click();       // opens the category editor
    void Command21_Click();      // save
    void Command2_Click();       // close without saving
    // Password generator: its password goes into the category's password field (the field whose
    // title says password, PIN or code), whatever has the focus; without one, into the field
    // the user chooses in the generator.
    void Command7_Click();
    // One-time code: the setting pasted into its window goes into the category's one-time code
    // field, or the field the user chooses, or a line of the notes.
    void cmdOneTime_Click();

    // Esc and the close box close without saving (asking first when something was changed).
    void reject() override;

protected:
    // Letters typed in the category box choose the category without moving the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool typingCategory_ = false; // letters are being typed in the category box
    QTimer* typingPause_;         // the typing has paused: the choice is made
    friend EntryValues editorValues(const frmEntry& editor);
    std::array<QString, 6> typedTexts() const; // description, fields 1..4, notes as the boxes hold them
    std::array<QString, 6> startingTexts_;
    QString startingCategory_;
    std::optional<EntryValues> stored_;
    bool remembered_ = false;
};

// Writes the editor's entry as a new row, closes the editor and says so.
void AddEntry();
// Rewrites the row of the shown entry from the editor, closes the editor and says so. Whether the
// row was written: not when the vault failed, nor when another program changed or deleted the
// entry meanwhile (the editor closes unsaved then).
bool UpdateEntry();
// Whether another stored entry already has the editor's description (compared upper-cased and
// trimmed); also yes when the vault cannot be read (after its report).
bool IsDuplicateDescription();

// The entry as the editor's boxes hold it.
EntryValues editorValues(const frmEntry& editor);
