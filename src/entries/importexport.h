#pragma once

#include "transfer/passwordimport.h"

// Writes a planned import (its new categories, then its entries) in one transaction, with a
// progress window; a failure shows the vault error report and writes nothing. Answers whether
// the entries were written.
bool importPlannedEntries(const transfer::ImportPlan& plan);

// After an import: the main window's category filter lists the new categories and keeps its
// choice, and the entry list is filled again.
void afterImport();

// The largest file the import reads.
inline constexpr qint64 ImportFileLimit = qint64(256) << 20;
