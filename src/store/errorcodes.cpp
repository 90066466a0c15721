#include "errorcodes.h"

#include "globals.h"

#include <QCoreApplication>

namespace {

struct ReportText {
    const char* kind;    // "Retrieval Error", "Update Failed", ...
    const char* message; // first line of the report's prompt
};

ReportText reportText(ErrorCode code) {
    constexpr const char* Retrieval =
        QT_TRANSLATE_NOOP("ErrorReport", "Could not retrieve data from database.");
    constexpr const char* Update = QT_TRANSLATE_NOOP("ErrorReport", "Could not update database.");
    switch (code) {
    case ErrorCode::TransferEntries:
        return {QT_TRANSLATE_NOOP("ErrorReport", "Transfer Failed"),
                QT_TRANSLATE_NOOP("ErrorReport", "Could not complete category transfer.")};
    case ErrorCode::SaveAttachments:
        return {QT_TRANSLATE_NOOP("ErrorReport", "Update Failed"),
                QT_TRANSLATE_NOOP("ErrorReport", "Could not not update from database.")};
    case ErrorCode::PrintEntry:
    case ErrorCode::PrintAll:
        return {QT_TRANSLATE_NOOP("ErrorReport", "Conversion Error"),
                QT_TRANSLATE_NOOP("ErrorReport", "Cannot modify template file.")};
    case ErrorCode::AddEntry:
    case ErrorCode::DeleteEntry:
    case ErrorCode::UpdateEntry:
    case ErrorCode::SaveCategoryDefinition:
    case ErrorCode::CreateCategory:
    case ErrorCode::DeleteCategory:
    case ErrorCode::SaveSetup:
    case ErrorCode::ImportEntries:
    case ErrorCode::CompactVault:
        return {QT_TRANSLATE_NOOP("ErrorReport", "Update Failed"), Update};
    default:
        return {QT_TRANSLATE_NOOP("ErrorReport", "Retrieval Error"), Retrieval};
    }
}

} // namespace

QString errorReportTitle(ErrorCode code) {
    return QStringLiteral("E%1 : %2")
        .arg(int(code))
        .arg(QCoreApplication::translate("ErrorReport", reportText(code).kind));
}

QString errorReportPrompt(ErrorCode code) {
    return QCoreApplication::translate("ErrorReport", reportText(code).message) + QLatin1Char('\n') +
           QLatin1Char('(') + storeState().lastErrorText + QLatin1Char(')');
}
