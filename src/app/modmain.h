#pragma once

#include <QString>

// Back to the state before start-up (tests).
void resetGlobals();

// The program's folder as start-up takes it: without a trailing separator, trimmed.
QString appFolderFrom(QString folder);

// Whether a screen of the given size in twips is large enough (800 x 600 pixels at 96 dpi).
bool screenLargeEnough(int widthTwips, int heightTwips);

// The start-up procedure: the program's entry point after the application object exists.
void StartUp();

// Start-up's look at the vault file before anything is read from it: a file that is not a vault
// (or cannot be checked) is reported once, naming it and what is wrong; it is then never opened,
// so the program goes on as for a missing vault.
void CheckVaultFile();

class PictureBox;
// The setup window: the login settings as stored, the given banner.
void ShowSetup(const PictureBox* banner);

// Registers the program's pictures (static library resources).
void initQuorlaneResources();
