#pragma once

#include "showncodes.h"
#include "store/records.h"

#include <QFrame>
#include <QString>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;
class PictureBox;

// Whether a value reads as a web address: it begins with "www.", "http://" or "https://" in any
// letter case.
bool isWebAddress(const QString& value);

// The detail pane of the main window: one entry's description, category, values under its
// category's titles, copy pictures and launch buttons. It shows what it is given and holds it,
// so the commands read the entry from here, never from the boxes.
class EntryView final : public QFrame {
    Q_OBJECT
public:
    explicit EntryView(QWidget* parent);
    Q_DISABLE_COPY_MOVE(EntryView)

    using QWidget::show;
    // Shows the entry. A category without titles keeps the titles and icon shown before on
    // screen; the held entry is the one given, without titles.
    void show(const ShownEntry& shown);
    // Empties the values, the heading and the category; the titles stay.
    void clear();
    // The entry shown; none after clear().
    const std::optional<ShownEntry>& shown() const { return shown_; }
    // The shown entry's one-time code settings; their current codes stand in the value boxes and
    // the notes, written again at each new second while the entry is shown.
    const ShownCodes& codes() const { return codes_; }
    // The colours of the palette in force (light, or their dark variants).
    void applyColours();

    // Where the launch buttons go (twips): their left edge, and the value box's width with and
    // without the button beside it.
    void setLaunchPlaces(int buttonLeft, int narrowWidth, int wideWidth);

    // The parts, named as the window's layout and the tests find them.
    QLabel* Label3;        // heading: the entry's description
    QLabel* Label13;       // the heading's light edge, 15 twips up and left
    QLabel* Label10;       // the entry's category
    PictureBox* Picture6;  // the category's icon
    QLabel* Label4;        // title of field 1
    QLabel* Label5;        // title of field 2
    QLabel* Label6;        // title of field 3
    QLabel* Label7;        // title of field 4
    QLabel* Label8;        // title of the notes
    QLineEdit* Text1;      // value of field 1
    QLineEdit* Text2;      // value of field 2
    QLineEdit* Text3;      // value of field 3
    QLineEdit* Text4;      // value of field 4
    QPlainTextEdit* Text5; // notes
    PictureBox* Picture10; // copies field 1
    PictureBox* Picture11; // copies field 2
    PictureBox* Picture12; // copies field 3
    PictureBox* Picture13; // copies field 4
    PictureBox* Picture14; // copies the notes
    QToolButton* web1;     // opens field 1 as a web address
    QToolButton* web2;     // opens field 2 as a web address
    QToolButton* web3;     // opens field 3 as a web address
    QToolButton* web4;     // opens field 4 as a web address

    std::array<QLineEdit*, 4> fieldBoxes() const;
    std::array<QWidget*, 5> valueBoxes() const;
    std::array<PictureBox*, 5> copyPictures() const;
    std::array<QToolButton*, 4> launchButtons() const;

private:
    void placeLaunchButton(int field, bool shown);
    // Writes the current codes into their boxes, and again at the next second; with no codes it
    // stops the refreshing.
    void showCodes();

    std::optional<ShownEntry> shown_;
    ShownCodes codes_;
    int codeRound_ = 0; // the refreshing of the codes in force; an older one stops
    int buttonLeft_ = 0;
    int narrowWidth_ = 0;
    int wideWidth_ = 0;
};
