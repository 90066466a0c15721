#pragma once

#include <QColor>
#include <QString>

class QPalette;
class QWidget;

// Every colour the program sets itself, chosen for the palette in force: the light colours the
// windows were designed with, or a dark variant of each when the desktop's palette is dark. Each
// text colour keeps a contrast of at least 4.5:1 against the background it stands on.
namespace colours {

// A dark palette: its windows darker than their text.
bool isDark(const QPalette& palette);
bool isDark(); // the application's palette

// The value boxes of the main window and the entry editor: their background, their text, the
// faint text of the discreet display and the text of the hidden display (the background itself).
QColor valueBackground();
QColor valueText();
QColor discreetText();
// The entry editor's discreet text, a shade fainter than the main window's.
QColor editorDiscreetText();

// The entry's heading in the main window and its shadow copy.
QColor heading();
QColor headingShadow();
// The band holding the category's name, and its text.
QColor categoryBand();
QColor categoryBandText();
// A warning or a note in a window's own text (the print warning, the attachments note).
QColor warningText();

// A style sheet giving the widget named objectName the light header band: a vertical gradient
// from top to bottom with a line underneath, or its dark variant.
QString headerBandSheet(const char* objectName, const QColor& top, const QColor& bottom);

// Text and background of a widget in one call: sets the palette's WindowText/Text and
// Window/Base colours.
void setTextOn(QWidget* widget, const QColor& text, const QColor& background);

} // namespace colours
