#pragma once

#include <QString>
#include <QStringView>

// What the program does with text as text: upper-casing, counting characters and finding the
// characters no value may hold. The same everywhere, whatever the language the desktop is set to.
namespace text {

// The only upper-casing the program does (descriptions, category names, duplicate checks,
// search, the login password). Characters of Windows-1252 keep the rule stored vaults were
// written with: a letter whose capital the code page lacks (µ, ƒ) or whose capital is two
// letters (ß) stays as it is. Every other character takes Unicode's simple upper-case mapping,
// one character to one, never the language's own (Turkish i becomes I, not İ).
QString upper(QStringView text);

// Characters as the user sees and counts them: a letter with its accents, an emoji with its
// skin tone or joined family, and a line break (CR LF too) are one character each.
qsizetype characterCount(QStringView text);

// The first character no value may hold, as "U+XXXX", or empty: a zero character (files and
// other programs take it as the end of the text) or half of a surrogate pair, which is no
// character at all (it has no UTF-8 and cannot be written to the vault).
QString firstUnkeepable(QStringView text);

} // namespace text
