#pragma once

#include <QString>

// The program's error codes: each vault operation reports its own code after its last attempt.
struct ErrorCode {
    int code;
    const char* kind;    // "Retrieval Error", "Update Failed", ...
    const char* message; // first line of the report's prompt
};

// The entry for a code, or nullptr for a code the program does not use.
const ErrorCode* findErrorCode(int code);

// "E211 : Retrieval Error"
QString errorReportTitle(int code);

// The message, a line break, and the last failure's text in parentheses.
QString errorReportPrompt(int code);

// The vault error report: error icon, OK.
void showVaultReport(int code);

// The printing reports (E204, E228): the same form with the warning icon, shown once.
void showConversionReport(int code);
