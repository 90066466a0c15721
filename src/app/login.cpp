#include "modmain.h"

// Login settings: no login until the login window exists.
void LoadLoginSettings() {
    LoginPassword.clear();
    LoginRetries = 3;
}

void ShowStartUpLogin() {}
