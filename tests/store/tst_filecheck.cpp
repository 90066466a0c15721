#include "store/checkahead.h"
#include "store/filecheck.h"
#include "store/repository.h"
#include "store/vault.h"
#include "store/vaultfile.h"
#include "store/vaultkey.h"
#include "testmain.h"
#include "testvault.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Runs statements on one connection of the test's own (so PRAGMA writable_schema holds for
// the statements after it), with the key when one is given.
void craft(const QString& path, const QString& statements, const VaultKey* key = nullptr) {
    sqlite::Connection db(path, key);
    db.execute(statements.toUtf8().constData());
}

// The failure of opening the vault, or "" when it opens.
QString openingFailure() {
    try {
        openVaultConnection();
    } catch (const VaultFailure& failure) {
        return failure.description;
    }
    return {};
}

// The expected report with '#' for any number.
QRegularExpression reportPattern(const QString& path, const QString& problem) {
    QString pattern = QRegularExpression::escape(
        QStringLiteral("%1 is not a Quorlane vault: %2.").arg(QDir::toNativeSeparators(path), problem));
    pattern.replace(QLatin1String("\\#"), QLatin1String("\\d+"));
    return QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$'));
}

const char* const WritableSchema = "PRAGMA writable_schema = ON; ";

} // namespace

// A vault file from elsewhere is checked before SQLCipher opens it: a file that is not a vault is
// refused with what is wrong, unread and unchanged, and nothing is made beside it.
class VaultFileCheckTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void craftedFileIsRefused_data() {
        QTest::addColumn<QString>("statements"); // run on the vault first
        QTest::addColumn<QString>(
            "cut"); // then the file's bytes changed: "+100", "+page", "-100", "-page", "all"
        QTest::addColumn<QString>("problem");
        QTest::newRow("table made by a query")
            << QString(WritableSchema) + "UPDATE sqlite_master SET sql = 'CREATE TABLE LPass AS SELECT 1 AS "
                                         "UPass' WHERE name = 'LPass'"
            << QString() << QStringLiteral("SQLite finds it damaged (malformed database schema (LPass))");
        QTest::newRow("view named PDF")
            << "DROP TABLE PDF; CREATE VIEW PDF AS SELECT 1 AS pNum, 'x' AS PDF1, '' AS PDF2, '' AS PDF3, "
               "'' AS PDF4, '' AS PDF5, '' AS PDF6, '' AS sCat, '' AS dtLU"
            << QString() << QStringLiteral("it holds a view named PDF");
        QTest::newRow("trigger on PDF")
            << "CREATE TRIGGER Spy AFTER UPDATE ON PDF BEGIN DELETE FROM Cats; END" << QString()
            << QStringLiteral("it holds a trigger named Spy");
        QTest::newRow("FTS3 table") << QString(WritableSchema) +
                                           "INSERT INTO sqlite_master VALUES ('table', 'Notes', 'Notes', 0, "
                                           "'CREATE VIRTUAL TABLE Notes USING fts3(body)')"
                                    << QString() << QStringLiteral("it holds a virtual table named Notes");
        QTest::newRow("R*Tree table")
            << QString(WritableSchema) + "INSERT INTO sqlite_master VALUES ('table', 'Shapes', 'Shapes', 0, "
                                         "'CREATE VIRTUAL TABLE Shapes USING rtree(id, x0, x1)')"
            << QString() << QStringLiteral("it holds a virtual table named Shapes");
        QTest::newRow("extra table") << "CREATE TABLE Extra (a)" << QString()
                                     << QStringLiteral("it holds a table named Extra");
        QTest::newRow("statistics table")
            << "ANALYZE" << QString() << QStringLiteral("it holds a table named sqlite_stat1");
        QTest::newRow("index of another tool") << "CREATE INDEX ByCategory ON PDF (sCat)" << QString()
                                               << QStringLiteral("it holds an index named ByCategory");
        QTest::newRow("column of the wrong name")
            << QString(WritableSchema) +
                   "UPDATE sqlite_master SET sql = replace(sql, 'pwImg', 'pwImage') WHERE name = 'CatDef'"
            << QString() << QStringLiteral("the table CatDef has no column pwImg");
        QTest::newRow("a table missing")
            << "DROP TABLE eAttach" << QString() << QStringLiteral("the table eAttach is missing");
        QTest::newRow("bytes appended")
            << QString() << "+100"
            << QStringLiteral("its size, # bytes, is not a whole number of its #-byte pages");
        QTest::newRow("a page appended")
            << QString() << "+page" << QStringLiteral("# bytes follow its last page");
        QTest::newRow("truncated page")
            << QString() << "-100"
            << QStringLiteral("its size, # bytes, is not a whole number of its #-byte pages");
        QTest::newRow("last page cut off")
            << QString() << "-page" << QStringLiteral("it is cut short: it holds # of its # pages");
        QTest::newRow("empty file") << QString() << "all" << QStringLiteral("it is empty");
    }
    void craftedFileIsRefused() {
        QFETCH(QString, statements);
        QFETCH(QString, cut);
        QFETCH(QString, problem);
        const QString path = vault().path();
        if (!statements.isEmpty()) craft(path, statements);
        QByteArray bytes = fileBytes(path);
        const int pageSize = (uchar(bytes[16]) << 8) | uchar(bytes[17]);
        if (cut == QLatin1String("all"))
            bytes.clear();
        else if (!cut.isEmpty()) {
            const int count = cut.endsWith(QLatin1String("page")) ? pageSize : 100;
            if (cut.startsWith(QLatin1Char('+')))
                bytes.append(QByteArray(count, '\x5a'));
            else
                bytes.chop(count);
        }
        writeBytes(path, bytes);
        const QStringList filesBefore = QDir(vault().folder()).entryList(QDir::Files | QDir::Hidden);

        // Every opening is refused with the same report, and a read operation fails with it as a
        // missing vault's does.
        const QRegularExpression expected = reportPattern(path, problem);
        for (int opening = 0; opening < 2; ++opening) {
            const QString failure = openingFailure();
            QVERIFY2(expected.match(failure).hasMatch(), qPrintable(failure));
        }
        QVERIFY(!runVaultOperation(ErrorCode::RetrieveEntries, [] { openVault(); }));
        QVERIFY2(expected.match(storeState().lastErrorText.section(QStringLiteral(": "), 2)).hasMatch(),
                 qPrintable(storeState().lastErrorText));
        QCOMPARE(vaultFileVerdict(path, nullptr).kind, VaultFileVerdict::Kind::Rejected);

        QCOMPARE(fileBytes(path), bytes);
        QCOMPARE(QDir(vault().folder()).entryList(QDir::Files | QDir::Hidden), filesBefore);
    }

    // What is wrong reads in the user's language, names and numbers put in again; the checker
    // program itself speaks English only.
    void problemInTheUserLanguage_data() {
        QTest::addColumn<QString>("statements");
        QTest::addColumn<QString>("problem");
        QTest::newRow("names") << "CREATE TRIGGER Spy AFTER UPDATE ON PDF BEGIN DELETE FROM Cats; END"
                               << "Quorlane-Tresor: die Datei enthält einen Trigger namens Spy.";
        QTest::newRow("two values") << QString(WritableSchema) +
                                           "UPDATE sqlite_master SET sql = replace(sql, 'pwImg', 'pwImage') "
                                           "WHERE name = 'CatDef'"
                                    << "Quorlane-Tresor: der Tabelle CatDef fehlt die Spalte pwImg.";
        QTest::newRow("SQLite's words kept")
            << QString(WritableSchema) + "UPDATE sqlite_master SET sql = 'CREATE TABLE LPass AS "
                                         "SELECT 1 AS UPass' WHERE name = 'LPass'"
            << "Quorlane-Tresor: SQLite hält die Datei für beschädigt "
               "(malformed database schema (LPass)).";
    }
    void problemInTheUserLanguage() {
        QFETCH(QString, statements);
        QFETCH(QString, problem);
        craft(vault().path(), statements);
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(QUORLANE_APP_DIR "/translations/quorlane_de.qm")));
        QCoreApplication::installTranslator(&german);
        const QString failure = openingFailure();
        QCoreApplication::removeTranslator(&german);
        QVERIFY2(failure.endsWith(problem), qPrintable(failure));
    }

    // The forms of a vault the program has written: as delivered, before the list's index, after
    // entries were added and deleted (sqlite_sequence).
    void vaultsOfThisProgramPass() {
        vault().exec(QStringLiteral("DROP INDEX PDFList"));
        QCOMPARE(openingFailure(), QString());
        QCOMPARE(vault()
                     .value(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'PDFList'"))
                     .toInt(),
                 1);
        const qint64 key = vault().addEntry(QStringLiteral("Bank"), QStringLiteral("HOME"));
        vault().exec(QStringLiteral("DELETE FROM PDF WHERE pNum = ?"), {key});
        QCOMPARE(openingFailure(), QString());
    }

    // The file is looked at again whenever another program changed or replaced it, never for what
    // the program wrote itself; without its checker a changed plain file is not opened at all.
    void checkedAgainWhenChanged() {
        const QString path = vault().path();
        const QByteArray good = fileBytes(path);
        QCOMPARE(openingFailure(), QString());

        vault().exec(QStringLiteral("CREATE VIEW Peek AS SELECT * FROM LPass"));
        QVERIFY(reportPattern(path, QStringLiteral("it holds a view named Peek"))
                    .match(openingFailure())
                    .hasMatch());

        const QString replacement = path + QStringLiteral(".restored");
        writeBytes(replacement, good);
        QVERIFY(QFile::remove(path) && QFile::rename(replacement, path));
        QCOMPARE(openingFailure(), QString());

        // With no checker, the program's own write needs none; another program's write does.
        setVaultCheckerProgram(vault().folder() + QStringLiteral("/no-such-checker"));
        QVERIFY(runVaultOperation(ErrorCode::CreateCategory,
                                  [] {
                                      openVault();
                                      executeStatement("INSERT INTO Cats (CatName) VALUES ('NEW')");
                                      closeVault();
                                  },
                                  {.writes = true}));
        QCOMPARE(openingFailure(), QString());
        vault().exec(QStringLiteral("DELETE FROM Cats WHERE CatName = 'NEW'"));
        const QString failure = openingFailure();
        setVaultCheckerProgram(QStringLiteral(QUORLANE_APP_DIR "/quorlane-vaultcheck"));
        QCOMPARE(failure,
                 QStringLiteral("%1 was not opened because it could not be checked first: the checking "
                                "program %2/no-such-checker could not be started.")
                     .arg(QDir::toNativeSeparators(path), vault().folder()));
    }

    // A check started ahead (while start-up builds the windows) answers only for the file as it
    // was when it started: a file another program changed or replaced meanwhile is checked again.
    void checkAheadAnswersForTheFileAsItWas_data() {
        QTest::addColumn<QString>("meanwhile"); // "", "changed", "replaced"
        QTest::addColumn<QString>("problem");
        QTest::newRow("unchanged") << QString() << QString();
        QTest::newRow("changed") << QStringLiteral("changed") << QStringLiteral("it holds a view named Peek");
        QTest::newRow("replaced") << QStringLiteral("replaced")
                                  << QStringLiteral("it holds a trigger named Spy");
    }
    void checkAheadAnswersForTheFileAsItWas() {
        QFETCH(QString, meanwhile);
        QFETCH(QString, problem);
        const QString path = vault().path();
        const QString replacement = path + QStringLiteral(".restored");
        QFile::copy(path, replacement);
        craft(replacement,
              QStringLiteral("CREATE TRIGGER Spy AFTER UPDATE ON PDF BEGIN DELETE FROM Cats; END"));

        checkVaultFileAhead(path);
        if (meanwhile == QLatin1String("changed"))
            vault().exec(QStringLiteral("CREATE VIEW Peek AS SELECT * FROM LPass"));
        else if (meanwhile == QLatin1String("replaced"))
            QVERIFY(QFile::remove(path) && QFile::rename(replacement, path));

        const QString failure = openingFailure();
        if (problem.isEmpty())
            QCOMPARE(failure, QString());
        else
            QVERIFY2(reportPattern(path, problem).match(failure).hasMatch(), qPrintable(failure));
    }

    // An encrypted vault gets the same comparison through SQLCipher once its key is known.
    void encryptedVaultIsCheckedWithItsKey_data() {
        QTest::addColumn<QString>("statements");
        QTest::addColumn<int>("appended");
        QTest::addColumn<QString>("problem");
        QTest::newRow("as made") << QString() << 0 << QString();
        QTest::newRow("view named PDF") << "DROP TABLE PDF; CREATE VIEW PDF AS SELECT 1 AS pNum" << 0
                                        << QStringLiteral("it holds a view named PDF");
        QTest::newRow("trigger") << "CREATE TRIGGER Spy AFTER UPDATE ON PDF BEGIN DELETE FROM Cats; END" << 0
                                 << QStringLiteral("it holds a trigger named Spy");
        QTest::newRow("a page appended")
            << QString() << VaultPageSize << QStringLiteral("# bytes follow its last page");
    }
    void encryptedVaultIsCheckedWithItsKey() {
        QFETCH(QString, statements);
        QFETCH(int, appended);
        QFETCH(QString, problem);
        const QString path = vault().path();
        std::optional<VaultKey> key = VaultKey::deriveFromLogin(QStringLiteral("SESAME"), newVaultSalt());
        QVERIFY(key);
        reencryptVault(path, nullptr, &*key);
        if (!statements.isEmpty()) craft(path, statements, &*key);
        if (appended) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::Append));
            file.write(QByteArray(appended, '\0'));
        }
        const QByteArray before = fileBytes(path);
        holdVaultKey(std::move(*key));

        const QString failure = openingFailure();
        if (problem.isEmpty())
            QCOMPARE(failure, QString());
        else
            QVERIFY2(reportPattern(path, problem).match(failure).hasMatch(), qPrintable(failure));
        QCOMPARE(fileBytes(path), before);
        // Taking the login away rewrites the whole vault: a vault refused is not rewritten either.
        const Result<> plain = store::saveLoginSettings({false, QString(), QStringLiteral("3")});
        QCOMPARE(plain.ok(), problem.isEmpty());
        if (!plain) QCOMPARE(fileBytes(path), before);
    }
};

QUORLANE_TEST(VaultFileCheckTest);

#include "tst_filecheck.moc"
