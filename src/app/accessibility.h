#pragma once

// Password boxes say nothing of their text on the accessibility bus, which any program of the
// desktop session can listen to: an event reporting text typed into, removed from or set in a
// box that hides its text goes on with each character replaced by '*', so a screen reader still
// hears that a character was typed, never which. Events of every other control pass unchanged.
// Installed at start, in front of any update handler installed before.
void keepPasswordsOffAccessibility();

class QWidget;

// A copy drawn for looks only (the shadow under a heading) stays out of what assistive technology
// reads: no name, no role, never showing.
void hideFromAccessibility(QWidget* widget);
// Windows that are plain widgets (not dialogs) read as frames, as every other window does.
void windowsReadAsFrames();
