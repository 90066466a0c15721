#include "errorcodes.h"

#include "globals.h"

namespace {

struct ReportText {
    const char* kind;    // "Retrieval Error", "Update Failed", ...
    const char* message; // first line of the report's prompt
};

ReportText reportText(ErrorCode code) {
    constexpr const char* Retrieval = "Could not retrieve data from database.";
    constexpr const char* Update = "Could not update database.";
    switch (code) {
    case ErrorCode::TransferEntries:
        return {"Transfer Failed", "Could not complete category transfer."};
    case ErrorCode::SaveAttachments:
        return {"Update Failed", "Could not not update from database."};
    case ErrorCode::PrintEntry:
    case ErrorCode::PrintAll:
        return {"Conversion Error", "Cannot modify template file."};
    case ErrorCode::AddEntry:
    case ErrorCode::DeleteEntry:
    case ErrorCode::UpdateEntry:
    case ErrorCode::SaveCategoryDefinition:
    case ErrorCode::CreateCategory:
    case ErrorCode::DeleteCategory:
    case ErrorCode::SaveSetup:
    case ErrorCode::ImportEntries:
        return {"Update Failed", Update};
    default:
        return {"Retrieval Error", Retrieval};
    }
}

} // namespace

QString errorReportTitle(ErrorCode code) {
    return QStringLiteral("E%1 : %2").arg(int(code)).arg(QLatin1String(reportText(code).kind));
}

QString errorReportPrompt(ErrorCode code) {
    return QLatin1String(reportText(code).message) + QLatin1Char('\n') + QLatin1Char('(') + LastErrorText +
           QLatin1Char(')');
}
