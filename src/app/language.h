#pragma once

#include <QLocale>
#include <QString>

// The language of the windows: the one chosen in the settings (Language: "de", "en", ...) when
// set, else the system's. Texts without a translation stay in English, one by one.
QLocale chosenLocale();

// Loads Qt's own texts (Yes/No, file dialogs) and the program's for locale from the folder of
// the program's translations, and makes locale the default for dates and numbers on screen. A
// language the program has no translation for keeps the English texts (with English plurals).
// Returns whether the program's own translation for the locale's language was found.
bool installTranslations(const QLocale& locale, const QString& folder);

// Where the program's translations are: beside the program, else in the install's data folder.
QString translationsFolder();

// A file delivered with the program (Help.pdf, a print template) in the language in force: its
// translation name_<language>.ext when delivered ("Help_de.pdf"), else the file itself.
QString deliveredInLanguage(const QString& name);
