// Reads and writes the entries of a plain vault for the end-to-end tests, as another program on
// the same file would: "add" stores an entry ("description|category|field 1|field 2|field 3|
// field 4|notes", values encoded as the program stores them), "list" prints every entry decoded
// in that form, one a line, in table order.
//
//   vaultentries <vault file> add <entry>
//   vaultentries <vault file> list

#include "store/codec.h"
#include "store/dates.h"
#include "store/sqlite.h"
#include "store/statements.h"
#include "store/vault.h"

#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString command = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!(command == QLatin1String("list") || (command == QLatin1String("add") && argc == 4))) {
        std::fprintf(stderr, "usage: vaultentries <vault file> add <entry> | list\n");
        return 2;
    }
    try {
        sqlite::Connection db(QString::fromLocal8Bit(argv[1]));
        if (command == QLatin1String("add")) {
            const QStringList parts = QString::fromLocal8Bit(argv[3]).split(QLatin1Char('|'));
            sqlite::Statement insert(db, sql::InsertEntry);
            int position = 0;
            for (int f : {0, 2, 3, 4, 5, 6})
                insert.bind(++position, EncodeEntryValue(parts.value(f)));
            insert.bind(++position, EncodeValue(parts.value(1)));
            insert.bind(++position, EncodeValue(formatLastUpdate(QDateTime::currentDateTime())));
            insert.next();
            return 0;
        }
        sqlite::Statement rows(db, sql::SelectEntries);
        while (rows.next()) {
            QStringList values{DecodeEntryValue(rows.bytesView(1)), DecodeValue(rows.bytesView(7))};
            for (int column = 2; column <= 6; ++column)
                values << DecodeEntryValue(rows.bytesView(column));
            std::printf("%s\n", values.join(QLatin1Char('|')).toLocal8Bit().constData());
        }
    } catch (const VaultFailure& failure) {
        std::fprintf(stderr, "%s\n", failure.description.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
