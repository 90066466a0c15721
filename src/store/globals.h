#pragma once

#include <QString>

// The program-wide state of the vault store. One instance each for the whole run.

// The program's own folder, without a trailing separator; a vault there makes the program
// portable, and the print templates and Help.pdf are looked for there first (locations.h).
inline QString AppFolder;

// Attempts per vault operation (5 from start-up), and the failed attempts of the running one.
inline short MaxAttempts = 0;
inline short AttemptCount = 0;

// "source: number: description" of the last failure, shown in the reports.
inline QString LastErrorText;

// Back to the state before start-up (tests).
void resetStoreGlobals();
