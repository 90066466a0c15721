#pragma once

// Another program (a second copy of Quorlane, a sync tool, a backup restored) may change the vault
// file while it is open. The store refuses to write over such a change; these put the window in
// step with the file again.

// When the vault file is no longer the one last read or written: shows its current state (see
// showCurrentVault) and tells the user. Answers whether it had changed. Run when the program's
// windows come back to the front.
bool showOutsideChange();

// Re-reads the category filter, the entry list and the shown entry from the vault as it now is,
// and takes that file as the known one. tell: says once that another program changed the vault.
// A vault that another program encrypted with a password this run does not hold goes to the
// login.
void showCurrentVault(bool tell);

// What an update or delete of the shown entry found when it was no longer stored as the user saw
// it: says so and shows the current state.
void showEntryChanged(bool deleted);
