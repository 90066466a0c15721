#include "vaultreport.h"

#include "platform.h"

void showVaultReport(ErrorCode code) {
    platform().messageBox(errorReportTitle(code), errorReportPrompt(code), MsgIcon::Error);
}

void showConversionReport(ErrorCode code) {
    platform().messageBox(errorReportTitle(code), errorReportPrompt(code), MsgIcon::Warning);
}
