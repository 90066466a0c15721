#pragma once

#include "app/entrylistmodel.h"
#include "app/mainwindowport.h"
#include "entryview.h"
#include "layout.h"
#include "store/records.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QKeyEvent;
class QTimer;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

class QMenu;
class QAction;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class PictureBox;

// The main window: the category filter and the entry list on the left, the shown entry on the
// right, the display preferences and the status row below, the command bar along the bottom.
class frmMain final : public QWidget, public MainWindowPort {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;
    Q_DISABLE_COPY_MOVE(frmMain)

    // Header band
    QFrame* Shape1;       // header band behind the top of the window
    PictureBox* Picture2; // banner: the program's logo
    QLabel* Label12;      // " Category:"
    QComboBox* Combo1;    // category filter

    // Main panel
    QFrame* Picture1;      // framed panel holding everything below the header
    QFrame* Picture4;      // list pane
    QLineEdit* txtFind;    // find as you type (Ctrl+K)
    QCheckBox* chkFindAll; // the find matches every value, not only the description
    EntryListView* List1;  // entry list, sorted, descriptions in upper case
    PictureBox* picTitle1; // title picture above the list
    PictureBox* picTitle2; // title picture above the detail pane

    // Detail pane, hidden while an entry is read: the shown entry's heading, titles, values, copy
    // pictures and launch buttons
    EntryView* Picture5;

    // Empty-category panel
    QFrame* Picture7;     // shown in the detail pane's place when the list is empty
    PictureBox* Picture8; // its centred picture

    // Status row
    QLabel* Label35;       // number of entries listed; click for the breakdown chart
    QLabel* Label29;       // "Last Updated: " and the shown entry's date
    QCheckBox* Check1;     // "&Display information discreetly."
    QCheckBox* Check2;     // "&Hide information."
    PictureBox* Picture9;  // busy indicator while an entry is decoded
    PictureBox* Picture17; // attachment indicator

    // Command bar, left to right
    QPushButton* Command2;  // Exit
    QPushButton* Command10; // new entry
    QPushButton* Command11; // edit entry
    QPushButton* Command8;  // delete entry
    QPushButton* Command6;  // lock to the system tray
    QPushButton* Command5;  // setup
    QPushButton* cmdImport; // import entries from a CSV file
    QPushButton* cmdExport; // export every entry to a CSV file
    QPushButton* cmdHealth; // the password health report
    QPushButton* Command13; // attachments
    QPushButton* Command1;  // copy to clipboard
    QPushButton* Command4;  // print
    QPushButton* Command3;  // search
    QPushButton* Command22; // help

    // The tray's pop-up menu
    QMenu* menPopup;  // "Shutdown"
    QAction* menShut; // "Shutdown Quorlane"

    // The value boxes' context menu; its copy goes through the clipboard like the copy pictures
    QMenu* valueMenu;
    QAction* valueCopy;      // "&Copy": the selected part of the box
    QAction* valueSelectAll; // "Select &All"

    // Load step: value colours hidden until the preferences apply, 120-dpi adjustments.
    void Form_Load();

    // The text colour of Text1 .. Text5. In their background colour the values are hidden: then
    // no focus, selection, drag or menu shows them either.
    void setValueColour(const QColor& colour);
    // The colours of the palette in force (light, or their dark variants).
    void applyColours();

    // Whether an entry is current: the list's current text, trimmed, is not empty.
    bool hasCurrentEntry() const override;
    // Shows the entry of the entry list's current row, read by the row's key: the detail view,
    // the last-update date and the attachment indicator. A failed read leaves the pane hidden.
    void showCurrentEntry();
    // Empties the detail view: no value, description, category or key of any entry.
    void clearShownEntry();

    // Narrows the list to the find box's text now (typing waits for a pause first), keeping the
    // shown entry when it stays listed; the count reads "N of M" while the list is narrowed.
    void applyFind();
    // The entry count under the list, for the entries the list holds and shows.
    void showEntryCount();

    // Handlers
    void Combo1_Click();
    void List1_Click();
    void List1_KeyDown(int key);
    void copyField(int field);   // Picture10_Click .. Picture14_Click
    void copySecret();           // Ctrl+Shift+C, and Ctrl+C on the list: the password field
    void copyUserName();         // Ctrl+B: the user-name field
    void copyOneTimeCode();      // Ctrl+T: the current one-time code
    void launchField(int field); // web1_Click .. web4_Click
    void Command2_Click();       // Exit
    void Command22_Click();      // Help
    void menShut_Click();
    void Command10_Click(); // new entry
    void Command11_Click(); // edit entry
    void Command8_Click();  // delete entry
    void Command6_Click();  // lock to tray
    void Command5_Click();  // setup
    void cmdImport_Click(); // import from CSV
    void cmdExport_Click(); // export to CSV
    void cmdHealth_Click(); // password health report
    void Command13_Click(); // attachments
    void Picture17_Click(); // attachments, from the indicator
    void Command1_Click();  // copy to clipboard
    void Command4_Click();  // print
    void Command3_Click();  // search
    void Label35_Click();   // category breakdown
    void Check1_Click();    // discreet preference
    void Check2_Click();    // hide preference
    void Form_Resize();     // lays the window out for its size

    // The arrangement in force, in twips.
    const mainlayout::MainLayout& layoutInForce() const { return layout_; }
    // The design size of the client area, in pixels.
    QSize designSize() const;

    // What the other windows see of this one (mainwindowport.h).
    QWidget& widget() override { return *this; }
    QMenu& trayMenu() override { return *menPopup; }
    const PictureBox* banner() const override { return Picture2; }
    QString filterText() const override;
    bool chooseFilter(const QString& category) override;
    void fillCategoryFilter() override;
    void refillCategoryFilter() override;
    void fillEntryList(const QString& selecting = QString()) override;
    int entryCount() const override;
    int currentEntryRow() const override;
    bool selectEntryRow(int row) override;
    bool selectEntry(const QString& description, bool exactCase) override;
    bool selectEntryKey(EntryKey key) override;
    void showEntryOfAnyCategory(EntryKey key) override;
    void focusEntryList() override;
    void setPanelVisible(bool visible) override;
    QString currentEntryText() const override;
    std::optional<EntryKey> shownEntryKey() const override;
    const std::optional<ShownEntry>& shownEntry() const override { return Picture5->shown(); }
    void emptyForLock() override;
    void refillAfterLock() override;
    bool valuesDiscreet() const override;
    void applyDisplayPreferences(bool discreet, bool hide) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLayout(const mainlayout::MainLayout& layout);
    void setUpFind();
    bool findKey(QKeyEvent* event);
    bool listKeyStartsFind(QKeyEvent* event);
    QTimer* findTimer_ = nullptr;
    QString foundWord_;          // the text the list was last narrowed to, upper case
    bool foundInValues_ = false; // and whether it was matched in every value
    void openValueMenu(QWidget* box);

    mainlayout::MainLayout layout_;
    int listRowHeight_ = 0; // pixels
    bool valuesHidden_ = false;
    QWidget* menuBox_ = nullptr;        // the value box valueMenu was opened on
    QString lockedFilter_;              // the filter's category when the program locked
    std::optional<EntryKey> lockedKey_; // the entry shown when the program locked
};

// Asks the shell to open a web address or a file; says so when it cannot.
void LaunchDocument(const QString& target);
