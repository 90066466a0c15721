#include "vaultbuilder.h"

#include "codec.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

bool runScript(QSqlDatabase& db, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    QString script;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        if (!line.trimmed().startsWith(QLatin1String("--"))) script += line + QLatin1Char('\n');
    for (const QString& statement : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (statement.trimmed().isEmpty()) continue;
        QSqlQuery query(db);
        if (!query.exec(statement)) return false;
    }
    return true;
}

} // namespace

bool buildVault(const QString& path, const QString& schemaScript, const QString& rowsScript) {
    const QString building = path + QStringLiteral(".new");
    const QString connectionName = QStringLiteral("VaultBuilder");
    QFile::remove(building);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(building);
        ok = db.open() && db.transaction() && runScript(db, schemaScript) && runScript(db, rowsScript);
        if (ok) {
            QSqlQuery loginQuery(db);
            ok = loginQuery.prepare(QStringLiteral("INSERT INTO LPass (UPass, RUL, URetry) VALUES (?, '0', '3')"));
            loginQuery.addBindValue(EncodeValue(QStringLiteral(" ")));
            ok = ok && loginQuery.exec() && db.commit();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    QFile::remove(path);
    if (!ok || !QFile::rename(building, path)) {
        QFile::remove(building);
        return false;
    }
    return true;
}
