#include "vaultreport.h"

#include "platform.h"
#include "vaultwatch.h"

void showVaultReport(ErrorCode code) {
    // Nothing failed: another program changed the file, which is shown as it now is.
    if (code == ErrorCode::VaultChangedOutside) return showCurrentVault(true);
    platform().messageBox(errorReportTitle(code), errorReportPrompt(code), MsgIcon::Error);
}

void showConversionReport(ErrorCode code) {
    platform().messageBox(errorReportTitle(code), errorReportPrompt(code), MsgIcon::Warning);
}
