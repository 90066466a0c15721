#pragma once

#include <QStringList>

// What is wrong with the vault's tables for this program, one sentence each ("The table Cats is
// missing.", "The column PDF6 of the table PDF is missing.", the entry key not being an integer
// primary key). Empty when the tables are as expected, and also when the file cannot be read at
// all: every operation reports that itself.
QStringList vaultSchemaProblems();
