#pragma once

// Password boxes say nothing of their text on the accessibility bus, which any program of the
// desktop session can listen to: an event reporting text typed into, removed from or set in a
// box that hides its text goes on with each character replaced by '*', so a screen reader still
// hears that a character was typed, never which. Events of every other control pass unchanged.
// Installed at start, in front of any update handler installed before.
void keepPasswordsOffAccessibility();

#include <QLabel>

// A label drawn for looks only (the shadow copy under a heading): assistive technology is told of
// no name, no role and never showing. (Qt's own reading of a QLabel comes before the program's,
// so the copy needs a class of its own.)
class DecorativeLabel final : public QLabel {
    Q_OBJECT
public:
    DecorativeLabel(const QString& text, QWidget* parent);
};
// Windows that are plain widgets (not dialogs) read as frames, as every other window does.
void windowsReadAsFrames();
