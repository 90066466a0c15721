#pragma once

#include <QString>

// The program's error codes: each vault operation reports its own code after its last attempt.
enum class ErrorCode : int {
    // Not a report: another program changed the vault file, nothing was written, and the window
    // shows the vault as it now is (app/vaultreport.h).
    VaultChangedOutside = 1,
    EditorCategoryTitles = 200,   // entry editor: the chosen category's field titles
    CategoryBreakdown = 201,      // counting the entries per category
    TransferEntries = 202,        // moving every entry of one category to another
    SaveAttachments = 203,        // saving an entry's attachments
    PrintEntry = 204,             // preparing the page of one entry
    Search = 206,                 // the search over every value
    FillCategoryFilter = 211,     // the main window's category filter
    AddEntry = 212,               // adding an entry
    RetrieveEntries = 213,        // filling the entry list
    ShowEntry = 214,              // showing one entry
    DeleteEntry = 215,            // deleting an entry
    DuplicateCheck = 216,         // whether a description is taken
    TransferLists = 217,          // the transfer window's category lists
    EditorCategories = 218,       // the category editor's list
    LoadCategoryDefinition = 219, // the category editor's titles
    CategoryExists = 220,         // whether a new category's name is taken
    LoadAttachments = 222,        // an entry's attachments
    UpdateEntry = 223,            // rewriting an entry
    SaveCategoryDefinition = 224, // saving a category's titles
    CreateCategory = 225,         // creating a category
    DeleteCategory = 226,         // deleting a category
    SaveSetup = 227,              // saving the login settings
    PrintAll = 228,               // preparing the listing of every entry
    ImportCheck = 230,            // what an import is checked against: categories, descriptions
    ImportEntries = 231,          // writing the entries of an import
    ExportEntries = 232,          // reading every entry for an export
    PasswordHealth = 233,         // reading every password for the health report
    CompactVault = 234,           // moving a plain vault to larger pages
};

// "E211 : Retrieval Error"
QString errorReportTitle(ErrorCode code);

// The message, a line break, and the last failure's text in parentheses.
QString errorReportPrompt(ErrorCode code);
