#pragma once

#include "globals.h"

#include <QString>
#include <functional>

// Where the program's files are.
//
// Portable mode: a vault file beside the program is the vault. Otherwise the vault is the one in
// the user's data folder, made on first start from the delivered vault installed with the program
// (a read-only template in the install's data folder, <program folder>/../share/quorlane, which
// is never opened for writing). The print templates and Help.pdf are looked for beside the
// program first, then in the install's data folder. Print pages hold passwords: they are written
// only into a private folder of the user's, never beside the program or the vault.

// The install's data folder of a program in programFolder.
QString installDataFolder(const QString& programFolder);

// A file delivered with the program (a print template, Help.pdf): beside the program in
// The store's appFolder when it is there, otherwise its place in the install's data folder.
QString deliveredFile(const QString& name);

// The user's data folder for the vault: Quorlane in the user's data folder (~/.local/share or
// $XDG_DATA_HOME); empty without one.
QString userDataFolder();
// Where earlier versions kept the user's vault: a folder of the same name inside it.
QString oldUserDataFolder();

// Where start-up finds the vault.
struct VaultPlace {
    QString folder;       // the vault's folder
    QString templateFile; // the delivered vault to make it from; empty when it exists or none is installed
    QString oldFolder;    // the folder of an earlier version's vault to move into folder first
};

// Portable when a vault lies in programFolder; otherwise the vault in userFolder: moved there
// from oldFolder when only that one holds a vault, else made from the installed template when it
// does not exist yet. With no userFolder, programFolder. Looks only; changes nothing.
VaultPlace findVault(const QString& programFolder, const QString& userFolder, const QString& oldFolder = {});

// Moves the vault of oldFolder into folder, in one rename that never replaces a vault there, so
// the file is in exactly one of the two places, whole, whatever step fails. Refuses while SQLite's
// journal of an unfinished write lies beside it (the two must stay together). The emptied old
// folder is removed. Empty on success, else why it stayed.
QString moveOldVault(const QString& oldFolder, const QString& folder);

// Tests: make a chosen step of moveOldVault fail.
enum class VaultMoveStep { MakeFolder, Rename, SyncFolders, RemoveOldFolder };
void setVaultMoveFaultHook(std::function<bool(VaultMoveStep)> hook);

// Makes vaultFile as a copy of templateFile, readable by its owner only, written whole under a
// temporary name and then renamed; a folder it makes for it is owner-only too. An existing vault
// is never replaced. False, with nothing left behind, when it cannot be made.
bool makeVaultFromTemplate(const QString& templateFile, const QString& vaultFile);

// The user's private folder for print pages: in the user's runtime folder, which only they can
// enter and which the system empties at log-out.
QString defaultPrintFolder();

// The print folder (the store state's printFolder) + "/" + name, making it owner-only first. Throws
// VaultFailure when the folder cannot be made private (for example when it belongs to someone else).
QString printPagePath(const char* name);

// Removes a print page and then the print folder when that is empty. Failures are ignored.
void removePrintPage(const QString& page);

// Removes what an earlier run left behind when it ended while printing: the page files in
// the print folder and the folder, and page files beside the program.
void removeStalePrintPages();
