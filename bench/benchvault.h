#pragma once

#include <QString>

// A generated vault for benchmarks: `entries` entries spread over ten categories, values of
// 20-60 characters, 200 characters of notes. Built in a temporary folder that becomes AppFolder.
// Gives the folder.
QString makeBenchVault(int entries);

// Reads every column of every PDF row through the program's connection without decoding: the
// floor that the vault operations are measured against.
long long plainScanOfEntries();
