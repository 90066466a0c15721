#pragma once

#include <QString>

// Builds a new vault file at path from the schema and the delivered rows (SQL scripts), with the
// login row of a vault without login: the encoding of one blank, RUL "0", URetry "3".
// Answers false, leaving no file behind, when anything fails. An existing file is replaced.
bool buildVault(const QString& path, const QString& schemaScript, const QString& rowsScript);
