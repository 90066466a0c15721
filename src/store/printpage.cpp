#include "printpage.h"

#include "codec.h"
#include "cp1252.h"
#include "globals.h"
#include "records.h"
#include "rowreaders.h"
#include "statements.h"
#include "vault.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

VaultFailure fileFailure(const QFile& file) {
    return {QStringLiteral("Quorlane"), qint64(file.error()),
            QFileInfo(file.fileName()).fileName() + QStringLiteral(": ") + file.errorString()};
}

// The template's lines: CR LF ends a line, and so does a lone CR or LF. Text after the last line
// end is a line of its own; nothing after it is not.
QStringList templateLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines << text.mid(start);
    return lines;
}

// Windows-1252 bytes of a page line; a character the code page lacks becomes "&#N;".
void appendPageBytes(QByteArray& out, QStringView line) {
    for (qsizetype i = 0; i < line.size(); ++i) {
        const int code = cp1252::codeOf(line[i].unicode());
        if (code >= 0) {
            out += char(code);
            continue;
        }
        char32_t unicode = line[i].unicode();
        if (line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) {
            unicode = QChar::surrogateToUcs4(line[i], line[i + 1]);
            ++i;
        }
        out += "&#" + QByteArray::number(uint(unicode)) + ';';
    }
}

// A stored value as the listing prints it: decoded, apostrophes back. The stored text carries no
// blanks to trim (encoded text is digits behind filler codes 1..11, which are not blanks).
QString listedValue(const sqlite::Statement& row, int column) {
    return DecodeEntryValue(row.bytesView(column));
}

QString listedTitle(const CategoryDefinition& definition, CategoryDefinition::Title title) {
    return escapePageText(definition.titles[title].trimmed());
}

// Notes keep their lines: each line break (CR LF, or a lone LF or CR) becomes "<br>".
QString listedNotes(QString notes) {
    notes.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
    notes.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    notes.replace(QLatin1Char('\r'), QLatin1String("<br>"));
    return notes;
}

// entry: a row of SelectEntries (pNum, PDF1 .. PDF6, sCat, dtLU).
void appendListedEntry(QString& listing, const sqlite::Statement& entry,
                       const CategoryDefinition& definition) {
    listing += QLatin1String("<u>") + QCoreApplication::translate("PrintPage", "Category: ") +
               QLatin1String("</u>") + escapePageText(definition.name) + QLatin1String("<br><br>");
    for (int i = 0; i < 5; ++i)
        listing += QLatin1String("<u>") + listedTitle(definition, CategoryDefinition::Title(i)) +
                   QLatin1String(":</u><br>") + escapePageText(listedValue(entry, 1 + i)) +
                   QLatin1String("<br><br>");
    listing += QLatin1String("<u>") + listedTitle(definition, CategoryDefinition::Notes) +
               QLatin1String(":</u><br>") + listedNotes(escapePageText(listedValue(entry, 6))) +
               QLatin1String("<br><br>");
    listing += QLatin1String("<u>") + QCoreApplication::translate("PrintPage", "Last updated on:") +
               QLatin1String("</u><br>") + DecodeValue(entry.bytesView(8)) + QLatin1String("<br><br>");
    listing += QLatin1String("<hr>");
}

} // namespace

void RenderPrintPage(const QString& templateFile, const QString& pageFile,
                     const PageSubstitutions& substitutions) {
    QFile source(templateFile);
    if (!source.open(QIODevice::ReadOnly)) throw fileFailure(source);
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError) throw fileFailure(source);

    QByteArray page;
    page.reserve(bytes.size() + bytes.size() / 4);
    for (QString line : templateLines(cp1252::decode(bytes))) {
        for (const auto& [placeholder, value] : substitutions)
            if (line.contains(placeholder)) line.replace(placeholder, value);
        appendPageBytes(page, line);
        page += "\r\n";
    }

    // A page holds passwords: a new page file is readable by its owner only.
    QFile target(pageFile);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate,
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        throw fileFailure(target);
    if (target.write(page) != page.size() || !target.flush()) throw fileFailure(target);
    target.close();
    if (target.error() != QFileDevice::NoError) throw fileFailure(target);
}

QString escapePageText(QString text) {
    text.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    text.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    text.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    return text;
}

Result<QString> ListAllEntries() {
    QString listing;
    const bool read = runVaultOperation(ErrorCode::PrintAll, [&listing] {
        listing.clear();
        openVault();
        {
            sqlite::Statement entries = openRecords(sql::SelectEntries);
            while (entries.next()) {
                // Found as the list and the detail view find it: upper case, trimmed.
                const QString category = upperTrimmed(DecodeValue(entries.bytesView(7)));
                sqlite::Statement definition = openRecords(sql::SelectCategoryDefinition, {category});
                if (!definition.next())
                    throw VaultFailure{
                        QStringLiteral("Quorlane"), -1,
                        QStringLiteral("The category \"%1\" has no field titles").arg(category)};
                appendListedEntry(listing, entries, categoryDefinitionOf(definition));
            }
        }
        closeVault();
    });
    if (!read) return Result<QString>::failure(ErrorCode::PrintAll);
    listing += QLatin1String("(End of Listing)");
    return listing;
}
