#include "testvault.h"

#include "app/forms.h"
#include "app/modmain.h"
#include "fakeplatform.h"
#include "store/codec.h"
#include "store/globals.h"
#include "store/locations.h"
#include "store/vault.h"
#include "store/vaultbuilder.h"
#include "store/vaultfile.h"
#include "store/vaultkey.h"

#include <QFile>
#include <QTest>
#include <sqlcipher/sqlite3.h>

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {

// The test's own connection to the vault file, beside the program's; an encrypted vault with
// the key the program holds.
class Direct {
public:
    explicit Direct(const QString& path) {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) !=
                SQLITE_OK ||
            applyVaultKey(db_, heldVaultKey()) != SQLITE_OK)
            qFatal("test SQL: cannot open %s", qPrintable(path));
    }
    ~Direct() { sqlite3_close_v2(db_); }
    Direct(const Direct&) = delete;
    Direct& operator=(const Direct&) = delete;

    // Runs a statement with its values bound and gives every row it returns.
    QList<QVariantList> run(const QString& sql, const QVariantList& values) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
            qFatal("test SQL: %s", sqlite3_errmsg(db_));
        for (int i = 0; i < values.size(); ++i)
            bind(stmt, i + 1, values[i]);
        QList<QVariantList> rows;
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            QVariantList row;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                row << column(stmt, c);
            rows << row;
        }
        if (rc != SQLITE_DONE) qFatal("test SQL: %s", sqlite3_errmsg(db_));
        sqlite3_finalize(stmt);
        return rows;
    }
    qint64 lastInsertId() const { return sqlite3_last_insert_rowid(db_); }

private:
    static void bind(sqlite3_stmt* stmt, int position, const QVariant& value) {
        switch (value.typeId()) {
        case QMetaType::UnknownType:
        case QMetaType::Nullptr:
            sqlite3_bind_null(stmt, position);
            break;
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            sqlite3_bind_int64(stmt, position, value.toLongLong());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            sqlite3_bind_blob(stmt, position, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            if (value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isNull())) {
                sqlite3_bind_null(stmt, position);
                break;
            }
            const QByteArray text = value.toString().toUtf8();
            sqlite3_bind_text(stmt, position, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        }
    }
    static QVariant column(sqlite3_stmt* stmt, int c) {
        switch (sqlite3_column_type(stmt, c)) {
        case SQLITE_INTEGER:
            return qint64(sqlite3_column_int64(stmt, c));
        case SQLITE_FLOAT:
            return sqlite3_column_double(stmt, c);
        case SQLITE_NULL:
            return QVariant();
        case SQLITE_BLOB:
            return QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, c)),
                              sqlite3_column_bytes(stmt, c));
        default:
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                                     sqlite3_column_bytes(stmt, c));
        }
    }

    sqlite3* db_ = nullptr;
};

} // namespace

TestVault::TestVault() {
    resetGlobals();
    storeState().appFolder = dir_.path();
    VaultFolder = dir_.path();
    PrintFolder = dir_.path() + QStringLiteral("/print");
    storeState().maxAttempts = 5;
    if (!buildVault(path(), QStringLiteral(QUORLANE_SOURCE_DIR "/resources/vault/schema.sql"),
                    QStringLiteral(QUORLANE_SOURCE_DIR "/resources/vault/categories.sql")))
        qFatal("could not build the test vault");
}

TestVault::~TestVault() {
    resetGlobals();
}

QString TestVault::path() const {
    return dir_.path() + QStringLiteral("/gpwdfsc.mdb");
}

QList<QVariantList> TestVault::rows(const QString& sql) const {
    Direct db(path());
    return db.run(sql, {});
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
    QVariantList values{EncodeEntryValue(description)};
    for (int i = 0; i < 4; ++i)
        values << EncodeEntryValue(fields.value(i));
    values << EncodeEntryValue(notes) << EncodeValue(category) << EncodeValue(lastUpdate);
    Direct db(path());
    db.run(QStringLiteral("INSERT INTO PDF (PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU) "
                          "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
           values);
    return db.lastInsertId();
}

TestVault::SampleKeys TestVault::addSampleEntries() {
    SampleKeys keys;
    keys.alarm = addEntry(QStringLiteral("Alarm"), QStringLiteral("HOME"), {QStringLiteral("4711")});
    keys.garage = addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"), {QStringLiteral("0815")});
    keys.shop = addEntry(QStringLiteral("Shop"), QStringLiteral("WEB SITE"),
                         {QStringLiteral("www.shop.example"), QStringLiteral("joe")});
    return keys;
}

QStringList TestVault::decodedEntry(qint64 key) const {
    const auto all =
        rows(QStringLiteral("SELECT PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU FROM PDF WHERE pNum = %1")
                 .arg(key));
    QStringList out;
    if (all.isEmpty()) return out;
    for (const QVariant& v : all.first())
        out << DecodeValue(v.toString());
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
