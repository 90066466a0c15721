#pragma once

#include <QFrame>
#include <QString>
#include <functional>
#include <initializer_list>

class QAbstractButton;
class QKeySequence;
class QLabel;
class QPushButton;
class QWidget;
class PictureBox;

// The builders every window is made with. Every position and size is in twips; every control
// gets the name the program knows it by as its objectName.
namespace windowkit {

// A picture button of the command rows.
inline constexpr int ButtonWidth = 580;
inline constexpr int ButtonHeight = 480;

template <class T> T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A window's name, caption and the program's icon.
void setUpWindow(QWidget* window, const char* name, const QString& caption);
// A window that keeps its design size.
void fixSize(QWidget* window, int widthTwips, int heightTwips);

// Positions a control relative to its parent.
void place(QWidget* widget, int left, int top, int width, int height);
// Tab goes from each control to the next one in chain.
void tabOrder(std::initializer_list<QWidget*> chain);

QLabel* label(QWidget* parent, const char* name, const QString& caption);
PictureBox* picture(QWidget* parent, const char* name, const QString& picture = {});
QFrame* panel(QWidget* parent, const char* name, QFrame::Shadow shadow = QFrame::Plain);

// The light band behind a window's banner ("Shape1"); the caller places it.
QFrame* headerBand(QWidget* parent);
// The band across the top of a window widthTwips wide, 990 twips high, under every other control.
QFrame* topBand(QWidget* parent, int widthTwips);

// A button that shows one of the program's pictures and no caption (ButtonWidth x ButtonHeight);
// it never becomes the default button by taking the focus, Enter presses it while it has the
// focus, and assistive technology reads its tooltip's words as its name.
QPushButton* pictureButton(QWidget* parent, const char* name, const char* picture, const QString& tip);
// A button with a caption beside a square picture iconTwips wide; never the default by focus,
// pressed by Enter while it has the focus.
QPushButton* captionButton(QWidget* parent, const char* name, const QString& caption, const char* picture,
                           int iconTwips, const QString& tip);

// Keys that run a control's command anywhere in its window while the control is shown and
// enabled; the control's tooltip names them ("Create a new password entry. (Ctrl+N)").
void shortcut(QWidget* control, const QKeySequence& keys, std::function<void()> action);
// The same for a button: the keys press it.
void shortcut(QAbstractButton* button, const QKeySequence& keys);

// A label that titles a control: the label is the control's buddy, and assistive technology
// reads the title, without its colon, as the control's name.
void title(QLabel* label, QWidget* control);

// A box whose title is the person's own text (a category's field title, which the program also
// puts in the box's tooltip) is named for assistive technology by its tooltip, without the
// title's colon, or by untitled while the title is empty. A label buddy would take an '&' in
// such a title for a shortcut marker.
void nameByTooltip(QWidget* box, const QString& untitled);

// A title as a name: trimmed, without its colon.
QString titleWords(const QString& title);

// Keeps a title picture 200 twips from the window's right edge, reckoned in twips.
void keepAtRightEdge(QWidget* window, QWidget* picture);
// The same with the 200-twip gap rounded to pixels on its own, as the category windows place
// their titles: at 16 twips a pixel this stands one pixel left of keepAtRightEdge.
void keepAtRightEdgePixelGap(QWidget* window, QWidget* picture);

// Shows another window's banner picture.
void copyBanner(const PictureBox* from, PictureBox* to);

} // namespace windowkit
