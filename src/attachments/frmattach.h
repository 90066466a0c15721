#pragma once

#include "store/records.h"

#include <QDialog>
#include <QIcon>
#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class PictureBox;

// The attachments of the shown entry: a working list of file references that the user extends,
// thins out and saves back to the vault, or whose files he opens.
class frmAttach final : public QDialog {
    Q_OBJECT
public:
    frmAttach();
    ~frmAttach() override;
    Q_DISABLE_COPY_MOVE(frmAttach)

    PictureBox* Picture1;   // banner, filled from the main window's before showing
    PictureBox* Picture3;   // title picture at the top right
    QLabel* Label4;         // "Associated Attachments:"
    QLabel* Label1;         // the note that attachments are not encrypted
    QFrame* Picture2;       // frame around the list
    QTreeWidget* TV1;       // one line per attachment, with its file-type picture
    QPushButton* Command26; // save the list and close
    QPushButton* Command5;  // add an attachment
    QPushButton* Command3;  // delete the selected attachment
    QPushButton* Command25; // close without saving

    // The five file-type pictures, numbers 1 to 5 at places 0 to 4.
    std::array<QIcon, 5> ImageList1;

    void Form_Load();
    void Command5_Click();  // add
    void Command3_Click();  // delete
    void Command26_Click(); // save
    void Command25_Click(); // close
    void TV1_DblClick();    // open the file

    // Appends a line for an attachment: its description, the separator and its path, with its
    // file-type picture.
    void addLine(const Attachment& attachment);
    // The attachments as the list holds them, in its order.
    QList<Attachment> listedAttachments() const;
    // The picture number of a line.
    static int pictureOf(const QTreeWidgetItem* node);
    // The selected line, or none.
    QTreeWidgetItem* selectedNode() const;
    // Notes the list as loaded from the vault; whether it changed since.
    void rememberStartingList();
    bool hasChanges() const;

protected:
    void reject() override; // Esc and the close box: the close button

private:
    QStringList startingLines_; // the lines as loaded, each with its path and picture
    QStringList lineKeys() const;
};

// Fills the attachments window's list with the attachments of the entry the main window shows.
void LoadAttachments();
