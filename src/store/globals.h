#pragma once

#include <QString>

// The program-wide state of the vault store. One instance for the whole run.
struct StoreState {
    // The program's own folder, without a trailing separator; a vault there makes the program
    // portable, and the print templates and Help.pdf are looked for there first (locations.h).
    QString appFolder;
    // Attempts per vault operation (5 from start-up), and the failed attempts of the running one.
    short maxAttempts = 0;
    short attemptCount = 0;
    // "source: number: description" of the last failure, shown in the reports.
    QString lastErrorText;
};

// The store's state of this run.
StoreState& storeState();

// Back to the state before start-up (tests).
void resetStoreGlobals();
