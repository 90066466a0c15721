#pragma once

#include "store/errorcodes.h"

// The vault error report after an operation's last failed attempt: title "E211 : Retrieval
// Error", the message and the last failure's text, the error icon and OK.
// A write that met a vault changed by another program shows the vault as it now is instead.
void showVaultReport(ErrorCode code);

// The printing reports (E204, E228): the same form with the warning icon, shown once.
void showConversionReport(ErrorCode code);
