#pragma once

#include <QDialog>
#include <QStringList>

class QFrame;
class QLabel;
class QLineEdit;
class EntryListView;
class QPushButton;
class PictureBox;

// The search window: finds the entries holding a word or phrase in any of their six values.
class frmSearch final : public QDialog {
    Q_OBJECT
public:
    frmSearch();
    ~frmSearch() override;
    Q_DISABLE_COPY_MOVE(frmSearch)

    QFrame* Shape1;         // header band behind the banner
    PictureBox* Picture2;   // banner: the main window's logo
    PictureBox* Picture1;   // title picture
    QFrame* Picture3;       // panel of the search controls
    PictureBox* Picture4;   // busy picture, shown while a search runs
    QLabel* Label2;         // "Enter Search Word/Phrase:"
    QLineEdit* Text1;       // the search word, at most 30 characters
    QPushButton* Command1;  // runs the search (Enter)
    QLabel* Label1;         // "Record(s) that contain your Search Word/Phrase:"
    EntryListView* List1;   // results, sorted
    QLabel* Label4;         // number of results
    QPushButton* Command15; // closes the window (Esc)

    static constexpr int WordLimit = 30;

    void Form_Load();
    void Command1_Click();  // search
    void List1_Click();     // shows the chosen result in the main window
    void Command15_Click(); // close

    void reject() override;
};
