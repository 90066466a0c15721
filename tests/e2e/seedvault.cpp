// Makes a vault for the end-to-end tests: the delivered vault plus the entries given as
// arguments, each "description|category|field 1|field 2|field 3|field 4|notes".
//
//   seedvault <source dir> <vault file> [entry ...]

#include "store/codec.h"
#include "store/dates.h"
#include "store/statements.h"
#include "store/vaultbuilder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
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
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("seed"));
        db.setDatabaseName(path);
        ok = db.open();
        for (int i = 3; ok && i < argc; ++i) {
            const QStringList parts = QString::fromLocal8Bit(argv[i]).split(QLatin1Char('|'));
            QSqlQuery q(db);
            q.prepare(QLatin1String(sql::InsertEntry));
            for (int f : {0, 2, 3, 4, 5, 6}) q.addBindValue(EncodeValue(toStoredForm(parts.value(f))));
            q.addBindValue(EncodeValue(parts.value(1)));
            q.addBindValue(EncodeValue(formatLastUpdate(QDateTime::currentDateTime())));
            ok = q.exec();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("seed"));
    return ok ? 0 : 1;
}
