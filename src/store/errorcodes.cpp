#include "errorcodes.h"

#include "globals.h"
#include "messages.h"

#include <array>

namespace {

constexpr const char* Retrieval = "Could not retrieve data from database.";
constexpr const char* Update = "Could not update database.";

constexpr std::array<ErrorCode, 23> Codes = {{
    {200, "Retrieval Error", Retrieval},
    {201, "Retrieval Error", Retrieval},
    {202, "Transfer Failed", "Could not complete category transfer."},
    {203, "Update Failed", "Could not not update from database."},
    {204, "Conversion Error", "Cannot modify template file."},
    {206, "Retrieval Error", Retrieval},
    {211, "Retrieval Error", Retrieval},
    {212, "Update Failed", Update},
    {213, "Retrieval Error", Retrieval},
    {214, "Retrieval Error", Retrieval},
    {215, "Update Failed", Update},
    {216, "Retrieval Error", Retrieval},
    {217, "Retrieval Error", Retrieval},
    {218, "Retrieval Error", Retrieval},
    {219, "Retrieval Error", Retrieval},
    {220, "Retrieval Error", Retrieval},
    {222, "Retrieval Error", Retrieval},
    {223, "Update Failed", Update},
    {224, "Update Failed", Update},
    {225, "Update Failed", Update},
    {226, "Update Failed", Update},
    {227, "Update Failed", Update},
    {228, "Conversion Error", "Cannot modify template file."},
}};

} // namespace

const ErrorCode* findErrorCode(int code) {
    for (const auto& entry : Codes)
        if (entry.code == code) return &entry;
    return nullptr;
}

QString errorReportTitle(int code) {
    const ErrorCode* entry = findErrorCode(code);
    return QStringLiteral("E%1 : %2").arg(code).arg(QLatin1String(entry ? entry->kind : "Error"));
}

QString errorReportPrompt(int code) {
    const ErrorCode* entry = findErrorCode(code);
    return QLatin1String(entry ? entry->message : "") + QLatin1Char('\n') + QLatin1Char('(') + LastErrorText +
           QLatin1Char(')');
}

void showVaultReport(int code) { showMessage(errorReportTitle(code), errorReportPrompt(code), MsgIcon::Error); }

void showConversionReport(int code) {
    showMessage(errorReportTitle(code), errorReportPrompt(code), MsgIcon::Warning);
}
