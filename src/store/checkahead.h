#pragma once

#include <QString>

// Starts the check of the plain vault file at path in the background, so that it runs while the
// program builds its windows. The first check of that file takes its answer if the file is still
// as it was when the check started; otherwise the file is checked again then. Nothing is read
// from the file before that answer.
void checkVaultFileAhead(const QString& path);
