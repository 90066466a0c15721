#pragma once

#include "records.h"

#include <QList>
#include <QString>
#include <utility>

struct VaultFailure;

// Printed pages are HTML files made from templates delivered with the program: the template of
// one entry and of all entries, and the pages written from them for the printer (into the
// private folder of locations.h).
inline constexpr char EntryTemplateName[] = "tblpnt.htm";
inline constexpr char EntryPageName[] = "tbltmp.htm";
inline constexpr char ListingTemplateName[] = "tblpnta.htm";
inline constexpr char ListingPageName[] = "tbltmpa.htm";

// Ordered (placeholder, value) pairs.
using PageSubstitutions = QList<std::pair<QString, QString>>;

// Fills a template into a page file, line by line: in each line every pair, in list order,
// replaces every occurrence of its placeholder (exact, case-sensitive) by its value, so later
// pairs see what the earlier ones left. Lines end at CR LF (a lone CR or LF also ends one);
// every written line is followed by CR LF. Both files are Windows-1252 text; a character of a
// value that the code page lacks is written as an HTML character reference. An existing page
// is replaced. Throws VaultFailure when the template cannot be read or the page not written.
void RenderPrintPage(const QString& templateFile, const QString& pageFile,
                     const PageSubstitutions& substitutions);

// Escaping of text for a page, so that paper shows exactly the value: "&", "<" and ">" become
// character entities.
QString escapePageText(QString text);

// The HTML listing of every entry, in table order, followed by "(End of Listing)", read under the
// access policy (E228, vault.h); an entry whose category has no titles fails the attempt.
Result<QString> ListAllEntries();
