#include "schema.h"

#include "statements.h"
#include "vault.h"

#include <QHash>
#include <initializer_list>
#include <iterator>

namespace {

struct Table {
    const char* name;
    std::initializer_list<const char*> columns;
};

// The five tables and the columns the program reads and writes.
const Table Expected[] = {
    {"Cats", {"CatName"}},
    {"CatDef", {"pwCat", "pwDesc", "pwUDF1", "pwUDF2", "pwUDF3", "pwUDF4", "pwNotes", "pwImg"}},
    {"PDF", {"pNum", "PDF1", "PDF2", "PDF3", "PDF4", "PDF5", "PDF6", "sCat", "dtLU"}},
    {"eAttach", {"eID", "AttachName", "AttachPath", "AttachPic"}},
    {"LPass", {"UPass", "RUL", "URetry"}},
};

struct Column {
    QString type;
    int key = 0;
};

} // namespace

QStringList vaultSchemaProblems() {
    QStringList problems;
    int missingTables = 0;
    try {
        const sqlite::Connection db = openVaultForReading();
        for (const Table& table : Expected) {
            const QString name = QLatin1String(table.name);
            QHash<QString, Column> columns; // by lower-case name: SQLite names ignore case
            int keyColumns = 0;
            sqlite::Statement rows(db, QByteArray(sql::TableColumns).replace("%1", table.name).constData());
            while (rows.next()) {
                const Column column{rows.text(2), int(rows.number(5))};
                columns.insert(rows.text(1).toLower(), column);
                if (column.key > 0) ++keyColumns;
            }
            if (columns.isEmpty()) {
                ++missingTables;
                problems << QStringLiteral("The table %1 is missing.").arg(name);
                continue;
            }
            for (const char* column : table.columns)
                if (!columns.contains(QString::fromLatin1(column).toLower()))
                    problems << QStringLiteral("The column %1 of the table %2 is missing.")
                                    .arg(QLatin1String(column), name);
            // Entries are found, changed and deleted by this key; only an integer primary key
            // is given to every new entry by the vault itself.
            const auto key = columns.constFind(QStringLiteral("pnum"));
            if (name == QLatin1String("PDF") && key != columns.cend() &&
                (key->type.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) != 0 || key->key != 1 ||
                 keyColumns != 1))
                problems << QStringLiteral(
                    "The column pNum of the table PDF is not an integer primary key, so entries "
                    "cannot be told apart.");
        }
    } catch (const VaultFailure&) {
        return {};
    }
    if (missingTables == int(std::size(Expected)))
        return {QStringLiteral("The file holds none of the vault's tables.")};
    return problems;
}
