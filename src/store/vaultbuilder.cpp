#include "vaultbuilder.h"

#include "codec.h"
#include "statements.h"
#include "vault.h"

#include <QFile>

namespace {

// The script's statements, comment lines left out.
bool runScript(sqlite::Connection& db, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    QString script;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        if (!line.trimmed().startsWith(QLatin1String("--"))) script += line + QLatin1Char('\n');
    for (const QString& statement : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (statement.trimmed().isEmpty()) continue;
        db.execute(statement.toUtf8().constData());
    }
    return true;
}

} // namespace

bool buildVault(const QString& path, const QString& schemaScript, const QString& rowsScript) {
    const QString building = path + QStringLiteral(".new");
    QFile::remove(building);
    bool ok = false;
    {
        // The connection opens existing files only: the new file starts empty.
        QFile empty(building);
        if (!empty.open(QIODevice::WriteOnly)) return false;
        empty.close();
    }
    try {
        sqlite::Connection db(building);
        // Plain vaults take the encrypted ones' large pages: a search reads every page, and fewer,
        // larger reads cost less; the file is smaller too. Set while the file is still empty.
        db.execute(sql::LargePages);
        db.execute(sql::Begin);
        ok = runScript(db, schemaScript) && runScript(db, rowsScript);
        if (ok) {
            sqlite::Statement login(db, sql::InsertDeliveredLogin);
            login.bind(1, EncodeValue(QStringLiteral(" ")));
            login.next();
            db.execute(sql::Commit);
        }
    } catch (const VaultFailure&) {
        ok = false;
    }
    QFile::remove(path);
    if (!ok || !QFile::rename(building, path)) {
        QFile::remove(building);
        return false;
    }
    return true;
}
