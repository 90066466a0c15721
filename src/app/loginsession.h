#pragma once

#include "store/records.h"

#include <QString>

// The login state of the run: the password asked for, how many wrong tries are allowed, and how
// the current login window was opened and ended. The login window writes its result here; the
// start-up login and the login controller read it.
class LoginSession {
public:
    // The login settings as last read from the vault (the setup window opens with them; the
    // password is not kept once the vault is encrypted).
    LoginSettings stored;
    // The password upper-cased and trimmed; empty means no login is asked.
    QString password;
    // Wrong tries allowed after the first one.
    short retries = 0;
    // Whether the last login window ended with the right password.
    bool accepted = false;
    // Whether the login window was opened from the tray (a locked window) rather than at start.
    bool fromTray = false;
    // Wrong tries so far in this login.
    short attempts = 0;

    bool passwordSet() const { return !password.trimmed().isEmpty(); }
    int triesLeft() const { return retries - attempts; }

    // A click on the tray icon asks again, counting tries from zero; nothing is accepted yet.
    void beginTrayLogin() {
        accepted = false;
        attempts = 0;
        fromTray = true;
    }
    // The given try (1 for the first) of the start-up login.
    void beginStartUpTry(int attempt) {
        fromTray = false;
        attempts = short(attempt - 1);
    }
};

// The one login session of the program.
LoginSession& loginSession();

// Reads the login settings from the vault into the login session.
void LoadLoginSettings();
// The start-up login: shows the login window once, modally.
void ShowStartUpLogin();
// The start-up login loop: shows the login window until the password is right, and ends the
// program after the first try and the login session's retries.
void RunStartUpLogin();
