#include "testvault.h"

#include "app/forms.h"
#include "app/modmain.h"
#include "fakeplatform.h"
#include "store/codec.h"
#include "store/locations.h"
#include "store/vault.h"
#include "store/vaultbuilder.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

class Direct {
public:
    explicit Direct(const QString& path) {
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("TestDirect"));
        db_.setDatabaseName(path);
        db_.open();
    }
    ~Direct() {
        db_.close();
        db_ = {};
        QSqlDatabase::removeDatabase(QStringLiteral("TestDirect"));
    }
    QSqlQuery run(const QString& sql, const QVariantList& values) {
        QSqlQuery q(db_);
        if (!q.prepare(sql)) qFatal("test SQL: %s", qPrintable(q.lastError().text()));
        for (int i = 0; i < values.size(); ++i) q.bindValue(i, values[i]);
        if (!q.exec()) qFatal("test SQL: %s", qPrintable(q.lastError().text()));
        return q;
    }

private:
    QSqlDatabase db_;
};

} // namespace

TestVault::TestVault() {
    resetGlobals();
    AppFolder = dir_.path();
    VaultFolder = dir_.path();
    PrintFolder = dir_.path() + QStringLiteral("/print");
    MaxAttempts = 5;
    if (!buildVault(path(), QStringLiteral(QUORLANE_SOURCE_DIR "/resources/vault/schema.sql"),
                    QStringLiteral(QUORLANE_SOURCE_DIR "/resources/vault/categories.sql")))
        qFatal("could not build the test vault");
}

TestVault::~TestVault() { resetGlobals(); }

QString TestVault::path() const { return dir_.path() + QStringLiteral("/gpwdfsc.mdb"); }

QList<QVariantList> TestVault::rows(const QString& sql) const {
    Direct db(path());
    QSqlQuery q = db.run(sql, {});
    QList<QVariantList> out;
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < q.record().count(); ++i) row << q.value(i);
        out << row;
    }
    return out;
}

QVariant TestVault::value(const QString& sql) const {
    const auto all = rows(sql);
    return all.isEmpty() || all.first().isEmpty() ? QVariant() : all.first().first();
}

void TestVault::exec(const QString& sql, const QVariantList& values) const {
    Direct db(path());
    db.run(sql, values);
}

qint64 TestVault::addEntry(const QString& description, const QString& category, const QStringList& fields,
                           const QString& notes, const QString& lastUpdate) {
    QVariantList values{EncodeValue(toStoredForm(description))};
    for (int i = 0; i < 4; ++i) values << EncodeValue(toStoredForm(fields.value(i)));
    values << EncodeValue(toStoredForm(notes)) << EncodeValue(category) << EncodeValue(lastUpdate);
    Direct db(path());
    QSqlQuery q = db.run(QStringLiteral("INSERT INTO PDF (PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU) "
                                        "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                         values);
    return q.lastInsertId().toLongLong();
}

QStringList TestVault::decodedEntry(qint64 key) const {
    const auto all = rows(QStringLiteral("SELECT PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU FROM PDF WHERE pNum = %1")
                              .arg(key));
    QStringList out;
    if (all.isEmpty()) return out;
    for (const QVariant& v : all.first()) out << DecodeValue(v.toString());
    return out;
}

void VaultTestCase::init() {
    unloadAllForms();
    fake() = FakePlatform();
    vault_ = std::make_unique<TestVault>();
}

void VaultTestCase::cleanup() {
    setFaultHook({});
    unloadAllForms();
    vault_.reset();
}
