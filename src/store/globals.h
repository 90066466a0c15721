#pragma once

#include <QString>
#include <memory>

// The vault access's part of the store's state (vault.cpp): the running operation and its
// connection, the vault file as last known and the connection watching it, the fault hook of tests.
struct VaultAccess;

// The program-wide state of the vault store. One instance for the whole run; storeState() = {}
// starts it again (tests), closing whatever the old state held open.
struct StoreState {
    StoreState();
    ~StoreState();
    StoreState(StoreState&&) noexcept;
    StoreState& operator=(StoreState&&) noexcept;

    // The program's own folder, without a trailing separator; a vault there makes the program
    // portable, and the print templates and Help.pdf are looked for there first (locations.h).
    QString appFolder;
    // Attempts per vault operation (5 from start-up), and the failed attempts of the running one.
    short maxAttempts = 0;
    short attemptCount = 0;
    // "source: number: description" of the last failure, shown in the reports.
    QString lastErrorText;
    // Never null but in a state moved from.
    std::unique_ptr<VaultAccess> access;
};

// The store's state of this run.
StoreState& storeState();

// Back to the state before start-up (tests).
void resetStoreGlobals();
