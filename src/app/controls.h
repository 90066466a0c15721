#pragma once

#include "store/records.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QComboBox;
class QListWidget;
class QWidget;
class QAbstractButton;

// Windows here follow "click" semantics: setting a list's or combo's selection from code runs
// its click handler, even when the selection does not change. Each window connects its handler
// to the control's activated signal (combo) or currentRowChanged signal (list); these helpers
// set the selection and then raise that signal once.

// Selects the row whose text equals text (case-blind) and runs the click handler. Answers false,
// and changes nothing, when no row matches.
bool setComboText(QComboBox* box, const QString& text);
void setComboIndex(QComboBox* box, int index);

// Selects the row and runs the click handler; an index outside the list is refused (false).
bool setListIndex(QListWidget* list, int row);

// The list's current text ("" when no row is current).
QString listText(const QListWidget* list);

// Enter (Return or keypad Enter) in widget runs action instead of reaching the widget.
void onEnterKey(QWidget* widget, std::function<void()> action);

// Runs action when the widget (a picture, a label) is clicked with the left button, or when it
// has the focus (Tab reaches it) and gets Space or Enter; a frame shows the focus.
void onClick(QWidget* widget, std::function<void()> action);

class QAbstractButton;
// Enter presses the button while it has the focus (as Space does).
void pressOnEnter(QAbstractButton* button);

// A picture from the program's resources (":/pictures/<name>.svg"), drawn at the widget's size.
void setPicture(QWidget* label, const QString& name);
void setButtonPicture(QAbstractButton* button, const QString& name);

class QLineEdit;
// A password box: shows each character as "X" and takes at most maxLength characters.
void makePasswordBox(QLineEdit* box, int maxLength);

// A one-line box that takes at most limit characters as the user counts them (an emoji with its
// skin tone, a letter with its accents: one each; text::characterCount) from the keyboard or a
// paste; an edit that would pass the limit is not made. Text the program puts in is never cut.
void limitCharacters(QLineEdit* box, int limit);

class QCheckBox;

// A check box caption taken from the person's own text (a field title): shown literally, an "&"
// is not a keyboard-shortcut marker; checkTitle gives the text back as it was set.
void setCheckTitle(QCheckBox* box, const QString& title);
QString checkTitle(const QCheckBox* box);

// A value box (one-line or notes) whose stored value could not be read: empty, saying so in grey;
// or, with unreadable false, an ordinary box again.
void markUnreadable(QWidget* box, bool unreadable);

// A tooltip made of the person's own text (a field title): shown as typed, never read as markup.
void setPlainToolTip(QWidget* widget, const QString& text);
