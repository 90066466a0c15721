#pragma once

// What the process does at start to keep the vault's contents from leaking out of it: no core
// dump (a crash would otherwise write the decoded entries to disk) and no other process of the
// same user reading its memory, and every file it creates readable by the user only. Called
// first thing in main, before anything of the vault is read.
void hardenProcess();

// The settings file readable and writable by its owner only (a file from an earlier version may
// be readable by everyone); a settings folder of the program's own likewise. Needs the
// application's name, so it runs once the application object exists.
void protectSettingsFile();
