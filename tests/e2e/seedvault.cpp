// Makes a vault for the end-to-end tests: the delivered vault plus the entries given as
// arguments, each "description|category|field 1|field 2|field 3|field 4|notes".
//
//   seedvault <source dir> <vault file> [entry ...]

#include "store/codec.h"
#include "store/dates.h"
#include "store/statements.h"
#include "store/vault.h"
#include "store/vaultbuilder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: seedvault <source dir> <vault file> [entry ...]\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString path = QString::fromLocal8Bit(argv[2]);
    if (!buildVault(path, source + QStringLiteral("/resources/vault/schema.sql"),
                    source + QStringLiteral("/resources/vault/categories.sql")))
        return 1;
    try {
        sqlite::Connection db(path);
        for (int i = 3; i < argc; ++i) {
            const QStringList parts = QString::fromLocal8Bit(argv[i]).split(QLatin1Char('|'));
            sqlite::Statement insert(db, sql::InsertEntry);
            int position = 0;
            for (int f : {0, 2, 3, 4, 5, 6})
                insert.bind(++position, EncodeEntryValue(parts.value(f)));
            insert.bind(++position, EncodeValue(parts.value(1)));
            insert.bind(++position, EncodeValue(formatLastUpdate(QDateTime::currentDateTime())));
            insert.next();
        }
    } catch (const VaultFailure&) {
        return 1;
    }
    return 0;
}
