#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <vector>

class Platform;

// The program's start as a benchmark of its windows needs it: resources, the platform, the main
// window registered (after the QApplication is made).
void startProgram(Platform& platform);

// The number of entries a benchmark runs on: "--entries=N" on its command line (taken out of
// argv before Google Benchmark reads it), 10,000 without one.
int benchEntries(int& argc, char** argv);

// Writes a vault of `entries` typical entries to path: the delivered categories and rows, a
// description of 20 characters, four fields of 15, notes of 300, spread over ten categories.
bool writeBenchVault(const QString& path, int entries);

// The same vault in a temporary folder that becomes the store's appFolder. Gives the folder.
QString makeBenchVault(int entries);

// Reads every column of every PDF row through the program's connection without decoding: the
// floor that the vault operations are measured against.
long long plainScanOfEntries();

// The floor of the entry list: key, description and category read on a fresh connection, the
// descriptions decoded and sorted as the list sorts them. Gives the number of rows.
long long listFloor();

// Milliseconds of one call of each operation, the best of `rounds` rounds, the operations
// interleaved in every round so that they share the machine's state. The best round is the one
// least disturbed by the other work on the machine.
std::vector<double> bestMillis(const std::vector<std::function<void()>>& operations, int rounds);

// "  <name>  <ms> ms = <ratio>x <floor> (goal)"
void printFigure(const char* name, double ms, double floorMs, const char* floorName, const char* goal);

// The same operations on the vault makeBenchVault made last and on an encrypted copy of it (made
// here by the program's own re-encryption, key from a fixed password): blocks of rounds on each
// in turn, so that both meet the machine's disturbances alike; the key is derived between blocks,
// outside the timing. Leaves the program on the plain vault.
struct PlainAndEncrypted {
    std::vector<double> plain, encrypted;
};
PlainAndEncrypted bestMillisOnBoth(const std::vector<std::function<void()>>& operations, int rounds);

// The same operations on the vault makeBenchVault made last (today's 16 KiB pages) and on a copy of
// it rebuilt with SQLite's default 4 KiB pages, as plain vaults were made before, in alternating
// blocks of rounds. Gives the times and both files' sizes. Leaves the program on today's vault.
struct SmallAndLargePages {
    std::vector<double> small, large;
    qint64 smallBytes = 0, largeBytes = 0;
};
SmallAndLargePages bestMillisOnSmallPages(const std::vector<std::function<void()>>& operations, int rounds);

// "  <name>  <ms> ms = <ratio>x the plain vault (goal)"
void printEncryptedFigure(const char* name, double encryptedMs, double plainMs, const char* goal = "<= 1.5x");
