#include "store/codec.h"
#include "store/vault.h"
#include "store/vaultbuilder.h"
#include "store/vaultfile.h"
#include "store/vaultkey.h"
#include "testmain.h"
#include "testvault.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sqlcipher/sqlite3.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(ReencryptStep)

namespace {

const QString CardNumber = QStringLiteral("4111 1111 1111 1111");

struct Db {
    sqlite3* handle = nullptr;
    ~Db() { sqlite3_close_v2(handle); }
};

// Opens the file with the key (none: as plain SQLite) and reads every row of every table,
// each value with its type; a failure gives SQLite's result code instead.
struct Dump {
    int rc = SQLITE_OK;
    QStringList rows;
};

Dump dumpVault(const QString& path, const VaultKey* key) {
    Dump dump;
    Db db;
    dump.rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db.handle, SQLITE_OPEN_READONLY, nullptr);
    if (dump.rc == SQLITE_OK) dump.rc = applyVaultKey(db.handle, key);
    QStringList tables;
    auto each = [&](const QString& sql, const std::function<void(sqlite3_stmt*)>& row) {
        if (dump.rc != SQLITE_OK) return;
        sqlite3_stmt* stmt = nullptr;
        dump.rc = sqlite3_prepare_v2(db.handle, sql.toUtf8().constData(), -1, &stmt, nullptr);
        while (dump.rc == SQLITE_OK || dump.rc == SQLITE_ROW) {
            dump.rc = sqlite3_step(stmt);
            if (dump.rc == SQLITE_ROW) row(stmt);
        }
        if (dump.rc == SQLITE_DONE) dump.rc = SQLITE_OK;
        sqlite3_finalize(stmt);
    };
    each(QStringLiteral("SELECT name, sql, type FROM sqlite_master ORDER BY name"), [&](sqlite3_stmt* s) {
        const QString name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
        dump.rows << name + QStringLiteral(": ") +
                         QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 1)));
        // Indexes are part of the schema rows; only tables are read row by row.
        if (qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(s, 2)), "table") == 0) tables << name;
    });
    for (const QString& table : tables) {
        each(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table), [&](sqlite3_stmt* s) {
            QString line = table;
            for (int c = 0; c < sqlite3_column_count(s); ++c) {
                const int type = sqlite3_column_type(s, c);
                const QByteArray bytes(static_cast<const char*>(sqlite3_column_blob(s, c)),
                                       sqlite3_column_bytes(s, c));
                line += QStringLiteral(" | %1:%2").arg(type).arg(QString::fromLatin1(bytes.toHex()));
            }
            dump.rows << line;
        });
    }
    // Every page, the indexes' too, read once more.
    each(QStringLiteral("PRAGMA quick_check"), [&](sqlite3_stmt* s) {
        dump.rows << QStringLiteral("check: ") +
                         QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    });
    return dump;
}

// Runs statements on the plain file in one transaction; each statement with its bound texts.
void exec(const QString& path, const QList<std::pair<QString, QStringList>>& statements) {
    Db db;
    QCOMPARE(sqlite3_open_v2(QFile::encodeName(path).constData(), &db.handle, SQLITE_OPEN_READWRITE, nullptr),
             SQLITE_OK);
    QCOMPARE(sqlite3_exec(db.handle, "BEGIN", nullptr, nullptr, nullptr), SQLITE_OK);
    for (const auto& [sql, values] : statements) {
        sqlite3_stmt* stmt = nullptr;
        QCOMPARE(sqlite3_prepare_v2(db.handle, sql.toUtf8().constData(), -1, &stmt, nullptr), SQLITE_OK);
        for (int i = 0; i < values.size(); ++i) {
            const QByteArray text = values[i].toUtf8();
            sqlite3_bind_text(stmt, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        QCOMPARE(sqlite3_step(stmt), SQLITE_DONE);
        sqlite3_finalize(stmt);
    }
    QCOMPARE(sqlite3_exec(db.handle, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
}

int modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

// What is in the folder besides the vault.
QStringList strays(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    names.removeOne(QStringLiteral("gpwdfsc.mdb"));
    return names;
}

} // namespace

class VaultCryptoTest final : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString vault_;
    QByteArray cardCodecText_;
    // Two passwords, two salts: derived once, each derivation costs the full unlock time.
    std::optional<VaultKey> keyA_, keyB_, keyAOtherSalt_;

    // The page size a plain SQLite file's header gives (bytes 16 and 17, big-endian).
    static int plainPageSize(const QString& path) {
        const QByteArray header = fileBytes(path).left(18);
        return header.size() < 18 ? 0 : (quint8(header[16]) << 8 | quint8(header[17]));
    }

    const VaultKey* key(const QString& which) {
        if (which == QLatin1String("A")) return &*keyA_;
        if (which == QLatin1String("B")) return &*keyB_;
        return nullptr;
    }

    // The vault in its plain form, as the program keeps it: entries, an attachment, a login row.
    void makePlainVault() {
        QFile::remove(vault_);
        QVERIFY(buildVault(vault_, QStringLiteral(QUORLANE_SOURCE_DIR "/resources/vault/schema.sql"),
                           QStringLiteral(QUORLANE_SOURCE_DIR "/resources/vault/categories.sql")));
        const QString encodedCard = EncodeValue(CardNumber);
        cardCodecText_ = encodedCard.toUtf8();
        QList<std::pair<QString, QStringList>> statements;
        for (int i = 0; i < 300; ++i) {
            statements.append(
                {QStringLiteral("INSERT INTO PDF (PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU) "
                                "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                 {EncodeValue(QStringLiteral("BANK %1").arg(i)),
                  i == 150 ? encodedCard : EncodeValue(QStringLiteral("x")),
                  EncodeValue(QStringLiteral("pin")), EncodeValue({}), EncodeValue({}),
                  EncodeValue(QStringLiteral("notes\r\nline two")),
                  EncodeValue(QStringLiteral("CREDIT CARD")), QStringLiteral("03/15/2013 02:05:09 pm")}});
        }
        statements.append({QStringLiteral("DELETE FROM PDF WHERE pNum = 7"), {}});
        statements.append(
            {QStringLiteral("INSERT INTO eAttach VALUES ('151', 'SCAN', '/home/u/scan.pdf', '3')"), {}});
        statements.append({QStringLiteral("UPDATE LPass SET UPass = ?, RUL = '1', URetry = '2'"),
                           {EncodeValue(QStringLiteral("secret"))}});
        exec(vault_, statements);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        vault_ = dir_.filePath(QStringLiteral("gpwdfsc.mdb"));
        const VaultSalt salt = newVaultSalt();
        keyA_ = VaultKey::deriveFromLogin(QStringLiteral("SESAME"), salt);
        keyB_ = VaultKey::deriveFromLogin(QStringLiteral("OTHER ÄÖ"), newVaultSalt());
        keyAOtherSalt_ = VaultKey::deriveFromLogin(QStringLiteral("SESAME"), newVaultSalt());
        QVERIFY(keyA_ && keyB_ && keyAOtherSalt_);
    }

    void init() {
        setReencryptFaultHook({});
        makePlainVault();
    }

    void keyTextIsRawKeyWithSalt() {
        const QByteArray text(keyA_->keyText(), keyA_->keyTextSize());
        QCOMPARE(text.size(), 99);
        QVERIFY(text.startsWith("x'") && text.endsWith("'"));
        const VaultSalt salt = keyA_->salt();
        QCOMPARE(text.mid(66, 32), QByteArray(reinterpret_cast<const char*>(salt.data()), 16).toHex());
        // The same password and salt give the same key; another salt another key.
        std::optional<VaultKey> again = VaultKey::deriveFromLogin(QStringLiteral("SESAME"), salt);
        QCOMPARE(QByteArray(again->keyText(), again->keyTextSize()), text);
        QVERIFY(QByteArray(keyAOtherSalt_->keyText(), 66) != text.left(66));
    }

    void heldKeyIsForgotten() {
        QVERIFY(!heldVaultKey());
        holdVaultKey(*VaultKey::deriveFromLogin(QStringLiteral("SESAME"), keyA_->salt()));
        QVERIFY(heldVaultKey());
        QCOMPARE(QByteArray(heldVaultKey()->keyText(), 99), QByteArray(keyA_->keyText(), 99));
        forgetVaultKey();
        QVERIFY(!heldVaultKey());
    }

    void headerTellsTheKind_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("kind");
        QTest::newRow("empty file") << QByteArray() << int(VaultFileKind::Plain);
        QTest::newRow("short file") << QByteArray("SQLite for") << int(VaultFileKind::Encrypted);
        QTest::newRow("plain header") << QByteArray("SQLite format 3\0rest", 20) << int(VaultFileKind::Plain);
        QTest::newRow("header without NUL")
            << QByteArray("SQLite format 3 rest") << int(VaultFileKind::Encrypted);
        QTest::newRow("anything else") << QByteArray(4096, 'z') << int(VaultFileKind::Encrypted);
    }
    void headerTellsTheKind() {
        QFETCH(QByteArray, content);
        QFETCH(int, kind);
        QFile file(vault_);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        const VaultFileHeader header = readVaultHeader(vault_);
        QCOMPARE(int(header.kind), kind);
        if (header.kind == VaultFileKind::Encrypted)
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(header.salt.data()), 16),
                     content.left(16).leftJustified(16, '\0'));
        QCOMPARE(int(readVaultHeader(dir_.filePath(QStringLiteral("none"))).kind),
                 int(VaultFileKind::Missing));
    }

    // Plain -> A -> B -> plain: every row of every table comes back byte for byte, each file is
    // what its header says, and only the right key opens an encrypted one. A new plain vault and
    // a vault decrypted back to plain both have large pages.
    void roundTripKeepsEveryRow() {
        QCOMPARE(plainPageSize(vault_), VaultPageSize);
        const Dump original = dumpVault(vault_, nullptr);
        QCOMPARE(original.rc, SQLITE_OK);
        QVERIFY(original.rows.size() > 300);

        reencryptVault(vault_, nullptr, &*keyA_);
        VaultFileHeader header = readVaultHeader(vault_);
        QCOMPARE(int(header.kind), int(VaultFileKind::Encrypted));
        QVERIFY(header.salt == keyA_->salt());
        QCOMPARE(dumpVault(vault_, &*keyA_).rows, original.rows);
        QCOMPARE(modeOf(vault_), 0600);

        reencryptVault(vault_, &*keyA_, &*keyB_);
        header = readVaultHeader(vault_);
        QVERIFY(header.salt == keyB_->salt());
        QCOMPARE(dumpVault(vault_, &*keyB_).rows, original.rows);
        QCOMPARE(dumpVault(vault_, &*keyA_).rc, SQLITE_NOTADB);

        reencryptVault(vault_, &*keyB_, nullptr);
        QCOMPARE(int(readVaultHeader(vault_).kind), int(VaultFileKind::Plain));
        QCOMPARE(dumpVault(vault_, nullptr).rows, original.rows);
        QCOMPARE(plainPageSize(vault_), VaultPageSize);
        QCOMPARE(modeOf(vault_), 0600);
        QCOMPARE(strays(dir_.path()), QStringList());
    }

    // A vault encrypted as the program did before its pages grew (SQLCipher's default page size,
    // the same statements) opens with its password, every row intact; re-encrypting it writes
    // today's page size. A key told the wrong page size reads neither.
    void vaultOfEarlierPageSizeOpens() {
        const Dump original = dumpVault(vault_, nullptr);
        const QString copy = reencryptionCopyPath(vault_);
        QFile(copy).open(QIODevice::WriteOnly);
        {
            Db db;
            QCOMPARE(sqlite3_open_v2(QFile::encodeName(vault_).constData(), &db.handle, SQLITE_OPEN_READWRITE,
                                     nullptr),
                     SQLITE_OK);
            const QByteArray attach = "ATTACH DATABASE '" + QFile::encodeName(copy) +
                                      "' AS reencrypted KEY \"" +
                                      QByteArray(keyA_->keyText(), keyA_->keyTextSize()) + "\"";
            for (const QByteArray& sql : {attach, QByteArray("SELECT sqlcipher_export('reencrypted')"),
                                          QByteArray("DETACH DATABASE reencrypted")})
                QCOMPARE(sqlite3_exec(db.handle, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        }
        QVERIFY(QFile::remove(vault_) && QFile::rename(copy, vault_));
        QCOMPARE(fileBytes(vault_).size() % EarlierVaultPageSize, 0);

        std::optional<VaultKey> key = VaultKey::deriveFromLogin(QStringLiteral("SESAME"), keyA_->salt());
        QCOMPARE(dumpVault(vault_, &*key).rc, SQLITE_NOTADB);
        QVERIFY(keyOpensVault(vault_, *key));
        QCOMPARE(key->pageSize(), EarlierVaultPageSize);
        QCOMPARE(dumpVault(vault_, &*key).rows, original.rows);

        reencryptVault(vault_, &*key, &*keyB_);
        QCOMPARE(dumpVault(vault_, &*keyB_).rows, original.rows);
        QCOMPARE(fileBytes(vault_).size() % VaultPageSize, 0);
        std::optional<VaultKey> keyB = VaultKey::deriveFromLogin(QStringLiteral("OTHER ÄÖ"), keyB_->salt());
        keyB->setPageSize(EarlierVaultPageSize);
        QCOMPARE(dumpVault(vault_, &*keyB).rc, SQLITE_NOTADB);
        QVERIFY(keyOpensVault(vault_, *keyB));
        QCOMPARE(keyB->pageSize(), VaultPageSize);
        QVERIFY(!keyOpensVault(vault_, *key));
    }

    void onlyTheRightKeyOpens_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<bool>("opens");
        QTest::newRow("right password") << "A" << true;
        QTest::newRow("other password") << "B" << false;
        QTest::newRow("right password, other salt") << "A other salt" << false;
        QTest::newRow("as plain SQLite") << "" << false;
    }
    void onlyTheRightKeyOpens() {
        QFETCH(QString, opener);
        QFETCH(bool, opens);
        reencryptVault(vault_, nullptr, &*keyA_);
        const QByteArray before = fileBytes(vault_);
        const VaultKey* with = opener == QLatin1String("A other salt") ? &*keyAOtherSalt_ : key(opener);
        const Dump dump = dumpVault(vault_, with);
        QCOMPARE(dump.rc == SQLITE_OK, opens);
        if (!opens) QCOMPARE(dump.rc, SQLITE_NOTADB);
        // A failed open never rewrites the file; re-encrypting with a wrong key is refused.
        QCOMPARE(fileBytes(vault_), before);
        if (!opens) {
            QVERIFY_THROWS_EXCEPTION(VaultFailure, reencryptVault(vault_, with, nullptr));
            QCOMPARE(fileBytes(vault_), before);
        }
    }

    // What a thief who copies the file gets: neither the codec's text of a stored value nor
    // the table names.
    void encryptedFileHoldsNoCodecText() {
        QVERIFY(fileBytes(vault_).contains(cardCodecText_));
        QVERIFY(fileBytes(vault_).contains("CatDef"));
        reencryptVault(vault_, nullptr, &*keyA_);
        const QByteArray encrypted = fileBytes(vault_);
        QVERIFY(!encrypted.contains(cardCodecText_));
        QVERIFY(!encrypted.contains("CatDef"));
        QVERIFY(!encrypted.contains(CardNumber.toLatin1()));
    }

    void faultAtEachStepKeepsTheOldVault_data() {
        QTest::addColumn<ReencryptStep>("step");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        const std::pair<const char*, ReencryptStep> steps[] = {
            {"open", ReencryptStep::Open},          {"create", ReencryptStep::Create},
            {"attach", ReencryptStep::Attach},      {"export", ReencryptStep::Export},
            {"adjust", ReencryptStep::Adjust},      {"detach", ReencryptStep::Detach},
            {"sync file", ReencryptStep::SyncFile}, {"rename", ReencryptStep::Rename}};
        for (const auto& [name, step] : steps) {
            QTest::addRow("plain to encrypted, %s", name) << step << ""
                                                          << "A";
            QTest::addRow("new password, %s", name) << step << "A"
                                                    << "B";
            QTest::addRow("encrypted to plain, %s", name) << step << "A"
                                                          << "";
        }
    }
    void faultAtEachStepKeepsTheOldVault() {
        QFETCH(ReencryptStep, step);
        QFETCH(QString, from);
        QFETCH(QString, to);
        if (key(from)) reencryptVault(vault_, nullptr, key(from));
        const QByteArray before = fileBytes(vault_);
        setReencryptFaultHook([step](ReencryptStep at) { return at == step; });
        QVERIFY_THROWS_EXCEPTION(VaultFailure, reencryptVault(vault_, key(from), key(to)));
        QCOMPARE(fileBytes(vault_), before);
        QCOMPARE(strays(dir_.path()), QStringList());
    }

    // From the copy to the rename no other program can write the vault: a write it tries meanwhile
    // waits for the lock, and after the rename it finds another file, the change made before the
    // copy being in it.
    void reencryptionHoldsTheVault() {
        exec(vault_, {{QStringLiteral("UPDATE PDF SET PDF5 = 'saved before' WHERE pNum = 1"), {}}});
        Db other;
        QCOMPARE(sqlite3_open_v2(QFile::encodeName(vault_).constData(), &other.handle, SQLITE_OPEN_READWRITE,
                                 nullptr),
                 SQLITE_OK);
        QStringList answers;
        setReencryptFaultHook([&](ReencryptStep at) {
            if (at == ReencryptStep::Export || at == ReencryptStep::Rename) {
                const int rc = sqlite3_exec(other.handle, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
                answers << QString::fromLatin1(sqlite3_errstr(rc));
                if (rc == SQLITE_OK) sqlite3_exec(other.handle, "ROLLBACK", nullptr, nullptr, nullptr);
            }
            return false;
        });
        reencryptVault(vault_, nullptr, &*keyA_);
        QCOMPARE(answers, QStringList(2, QString::fromLatin1(sqlite3_errstr(SQLITE_BUSY))));
        QVERIFY(dumpVault(vault_, &*keyA_).rows.join('\n').contains(QByteArray("saved before").toHex()));
    }

    // A vault that is a link (into a synced folder) is re-encrypted where the link points: the link
    // stays a link, the file it names holds the encrypted vault, and no plain copy is left.
    void linkedVaultStaysALink() {
        const Dump original = dumpVault(vault_, nullptr);
        QDir(dir_.path()).mkdir(QStringLiteral("synced"));
        const QString target = dir_.filePath(QStringLiteral("synced/gpwdfsc.mdb"));
        QVERIFY(QFile::rename(vault_, target));
        QVERIFY(QFile::link(target, vault_));
        reencryptVault(vault_, nullptr, &*keyA_);
        QVERIFY(QFileInfo(vault_).isSymLink());
        QCOMPARE(QFileInfo(vault_).symLinkTarget(), target);
        QCOMPARE(int(readVaultHeader(target).kind), int(VaultFileKind::Encrypted));
        QCOMPARE(dumpVault(target, &*keyA_).rows, original.rows);
        QCOMPARE(strays(dir_.filePath(QStringLiteral("synced"))), QStringList());
        QFile::remove(vault_);
        QVERIFY(QFile::rename(target, vault_));
    }

    // After the rename the new vault is the vault, whatever the folder's sync answers.
    void folderSyncComesAfterTheSwap() {
        const Dump original = dumpVault(vault_, nullptr);
        setReencryptFaultHook([](ReencryptStep at) { return at == ReencryptStep::SyncFolder; });
        reencryptVault(vault_, nullptr, &*keyA_);
        QCOMPARE(dumpVault(vault_, &*keyA_).rows, original.rows);
        QCOMPARE(strays(dir_.path()), QStringList());
    }

    // A failing adjustment abandons the copy; the login row of the copy follows the encryption.
    void loginRowFollowsTheEncryption() {
        const QByteArray before = fileBytes(vault_);
        QVERIFY_THROWS_EXCEPTION(VaultFailure,
                                 reencryptVault(vault_, nullptr, &*keyA_, [](const sqlite::Connection&) {
                                     throw VaultFailure{QStringLiteral("Test"), 1, QStringLiteral("no")};
                                 }));
        QCOMPARE(fileBytes(vault_), before);

        auto loginRow = [this](const VaultKey* key) {
            const QStringList rows = dumpVault(vault_, key).rows.filter(QStringLiteral("LPass |"));
            return rows.size() == 1 ? rows[0].split(QStringLiteral(" | ")) : QStringList();
        };
        auto text = [](const QString& cell) {
            return QString::fromUtf8(QByteArray::fromHex(cell.mid(2).toLatin1()));
        };
        reencryptWithLogin(vault_, nullptr, &*keyA_, QStringLiteral("7"));
        QStringList row = loginRow(&*keyA_);
        QCOMPARE(row.size(), 4);
        QCOMPARE(DecodeValue(text(row[1])), QStringLiteral(" ")); // no password kept, decodable or not
        QCOMPARE(text(row[2]), QStringLiteral("1"));
        QCOMPARE(text(row[3]), QStringLiteral("7"));
        reencryptWithLogin(vault_, &*keyA_, nullptr, QString());
        row = loginRow(nullptr);
        QCOMPARE(row.size(), 4);
        QCOMPARE(DecodeValue(text(row[1])), QStringLiteral(" "));
        QCOMPARE(text(row[2]), QStringLiteral("0"));
        QCOMPARE(text(row[3]), QString());
    }

    // A changed byte in an encrypted page fails SQLCipher's page check: the read is a failure,
    // never different values. (The few filler bytes at the end of each page carry nothing.)
    void flippedByteIsAFailure_data() {
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<bool>("detected");
        QTest::newRow("first page, after the salt") << qint64(40) << true;
        QTest::newRow("second page") << qint64(1024 + 300) << true;
        QTest::newRow("middle page") << qint64(-1) << true;
        QTest::newRow("second page's check code") << qint64(2048 - 20) << true;
        QTest::newRow("last page's filler") << qint64(-5) << false;
    }
    void flippedByteIsAFailure() {
        QFETCH(qint64, offset);
        QFETCH(bool, detected);
        const Dump original = dumpVault(vault_, nullptr);
        reencryptVault(vault_, nullptr, &*keyA_);
        QByteArray bytes = fileBytes(vault_);
        QVERIFY(bytes.size() > 16 * 1024);
        if (offset == -1) offset = bytes.size() / 2048 * 1024 + 500;
        if (offset < 0) offset += bytes.size();
        bytes[offset] = char(bytes[offset] ^ 0x01);
        QFile file(vault_);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const Dump dump = dumpVault(vault_, &*keyA_);
        if (detected) QVERIFY2(dump.rc != SQLITE_OK, "a damaged page was read as if it were whole");
        if (dump.rc == SQLITE_OK) QCOMPARE(dump.rows, original.rows);
    }

    // A full disk while the copy is written (a file size limit stands in for it): the copy
    // goes, the vault stays.
    void fullDiskKeepsTheOldVault() {
        reencryptVault(vault_, nullptr, &*keyA_);
        const QByteArray before = fileBytes(vault_);
        const pid_t child = fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{rlim_t(before.size() / 2), rlim_t(before.size() / 2)};
            setrlimit(RLIMIT_FSIZE, &limit);
            try {
                reencryptVault(vault_, &*keyA_, &*keyB_);
            } catch (const VaultFailure&) {
                _exit(3);
            }
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 3);
        QCOMPARE(fileBytes(vault_), before);
        QCOMPARE(strays(dir_.path()), QStringList());
    }

    // A kill at any step leaves a whole vault, old or new; the next start removes what the
    // killed run had begun.
    void killAtAnyStepLeavesAWholeVault_data() {
        QTest::addColumn<ReencryptStep>("step");
        QTest::addColumn<bool>("newVault");
        QTest::newRow("export") << ReencryptStep::Export << false;
        QTest::newRow("adjust") << ReencryptStep::Adjust << false;
        QTest::newRow("sync file") << ReencryptStep::SyncFile << false;
        QTest::newRow("rename") << ReencryptStep::Rename << false;
        QTest::newRow("sync folder") << ReencryptStep::SyncFolder << true;
    }
    void killAtAnyStepLeavesAWholeVault() {
        QFETCH(ReencryptStep, step);
        QFETCH(bool, newVault);
        reencryptVault(vault_, nullptr, &*keyA_);
        const Dump original = dumpVault(vault_, &*keyA_);
        const pid_t child = fork();
        if (child == 0) {
            setReencryptFaultHook([step](ReencryptStep at) {
                if (at == step) raise(SIGKILL);
                return false;
            });
            try {
                reencryptVault(vault_, &*keyA_, nullptr);
            } catch (...) {
            }
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(dumpVault(vault_, newVault ? nullptr : &*keyA_).rows, original.rows);
        removeStaleReencryption(vault_);
        QCOMPARE(strays(dir_.path()), QStringList());
    }
};

QUORLANE_TEST(VaultCryptoTest);
#include "tst_vaultcrypto.moc"
