#include "store/codec.h"
#include "store/conflictcopy.h"
#include "store/repository.h"
#include "store/sqlite.h"
#include "store/vault.h"
#include "testmain.h"
#include "testvault.h"

#include <QDir>
#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(RowCheck)

namespace {

const QDateTime When(QDate(2014, 1, 2), QTime(9, 30, 0));
const QString Copy = QStringLiteral("gpwdfsc.sync-conflict-20240102-093000-ABCDEFG.mdb");

} // namespace

// A sync tool's conflict copy beside the vault: found by its name, compared entry by entry, and
// the chosen entries taken into the vault exactly.
class ConflictCopyTest final : public VaultTestCase {
    Q_OBJECT

    qint64 same = 0, changed = 0, vaultOnly = 0;

    // The vault holds "Same", "Changed" and "Vault only"; the copy made from it holds "Same" as it
    // is, "Changed" with another password and category, no "Vault only", and "Boat" in a category
    // the vault lacks.
    QString makeCopy() {
        same = vault().addEntry(QStringLiteral("Same"), QStringLiteral("HOME"), {QStringLiteral("x")});
        changed = vault().addEntry(QStringLiteral("Changed"), QStringLiteral("HOME"),
                                   {QStringLiteral("alice"), QStringLiteral("old pw")});
        const QString path = vault().folder() + QLatin1Char('/') + Copy;
        if (!QFile::copy(vault().path(), path)) qFatal("no copy");
        vaultOnly = vault().addEntry(QStringLiteral("Vault only"), QStringLiteral("HOME"));
        sqlite::Connection db(path);
        const auto run = [&db](const QString& sql) { db.execute(sql.toUtf8().constData()); };
        run(QStringLiteral("UPDATE PDF SET PDF3 = '%1', sCat = '%2' WHERE pNum = %3")
                .arg(EncodeEntryValue(QStringLiteral("new pw")), EncodeValue(QStringLiteral("WEB SITE")))
                .arg(changed));
        const QString none = EncodeEntryValue(QString());
        run(QStringLiteral("INSERT INTO PDF (PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU) "
                           "VALUES ('%1', '%2', '%3', '%3', '%3', '%4', '%5', '%6')")
                .arg(EncodeEntryValue(QStringLiteral("Boat")), EncodeEntryValue(QStringLiteral("skipper")),
                     none, EncodeEntryValue(QStringLiteral("it's moored")),
                     EncodeValue(QStringLiteral("BOATS")), EncodeValue(QString())));
        run(QStringLiteral("INSERT INTO Cats (CatName) VALUES ('BOATS')"));
        run(QStringLiteral(
            "INSERT INTO CatDef (pwCat, pwDesc, pwUDF1, pwUDF2, pwUDF3, pwUDF4, pwNotes, pwImg) "
            "VALUES ('BOATS', 'Boat', 'Skipper', ' ', ' ', ' ', 'Notes', 4)"));
        return path;
    }

    QList<CopyDifference> compare(const QString& path) {
        const Result<QList<CopyDifference>> found = store::compareWithCopy(path, nullptr);
        if (!found) qFatal("the comparison failed: %s", qPrintable(storeState().lastErrorText));
        return *found;
    }

private slots:
    void conflictCopyNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("copy");
        QTest::newRow("Syncthing") << Copy << true;
        QTest::newRow("conflicted copy") << "gpwdfsc (Anna's conflicted copy 2024-01-02).mdb" << true;
        QTest::newRow("_conflict-") << "gpwdfsc_conflict-20240102-093000.mdb" << true;
        QTest::newRow("the vault") << "gpwdfsc.mdb" << false;
        QTest::newRow("re-encryption's file") << "gpwdfsc.mdb.new" << false;
        QTest::newRow("another file's copy") << "notes.sync-conflict-20240102-093000-ABCDEFG.mdb" << false;
        QTest::newRow("a copy's journal") << Copy + "-journal" << false;
        QTest::newRow("a name only starting so") << "gpwdfsc.sync-conflict-.mdb" << false;
    }
    void conflictCopyNames() {
        QFETCH(QString, name);
        QFETCH(bool, copy);
        QCOMPARE(isConflictCopyName(QStringLiteral("gpwdfsc.mdb"), name), copy);
        QFile file(vault().folder() + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QStringList found = conflictCopiesOf(vault().path());
        QCOMPARE(found, copy ? QStringList{file.fileName()} : QStringList{});
    }

    // Listed: what only the copy has and what it holds otherwise; not what both hold alike nor
    // what only the vault has.
    void differencesAreListed() {
        const QList<CopyDifference> found = compare(makeCopy());
        QCOMPARE(found.size(), 2);
        QCOMPARE(found[0].copy.description, QStringLiteral("Changed"));
        QCOMPARE(found[0].vaultKey, std::optional<EntryKey>(changed));
        QCOMPARE(found[0].vault.fields[1], QStringLiteral("old pw"));
        QCOMPARE(found[0].copy.fields[1], QStringLiteral("new pw"));
        QVERIFY(!found[0].newCategory);
        QCOMPARE(found[1].copy.description, QStringLiteral("Boat"));
        QVERIFY(!found[1].vaultKey);
        QCOMPARE(found[1].copy.notes, QStringLiteral("it's moored"));
        QCOMPARE(found[1].newCategory->titles[1], QStringLiteral("Skipper"));
    }

    // The chosen entries, and only they, are in the vault afterwards as the copy held them; the
    // vault's own entries stay.
    void chosenEntriesAreTaken_data() {
        QTest::addColumn<QList<int>>("chosen");
        QTest::newRow("the changed one") << QList<int>{0};
        QTest::newRow("the new one") << QList<int>{1};
        QTest::newRow("both") << QList<int>{0, 1};
    }
    void chosenEntriesAreTaken() {
        QFETCH(QList<int>, chosen);
        const QList<CopyDifference> found = compare(makeCopy());
        QList<CopyDifference> taken;
        for (const int i : chosen)
            taken << found[i];
        const Result<RowCheck> done = store::takeFromCopy(taken, When);
        QVERIFY(done);
        QCOMPARE(*done, RowCheck::Written);

        const QString stamp = QStringLiteral("01/02/2014 09:30:00 am");
        QCOMPARE(
            vault().decodedEntry(changed),
            chosen.contains(0)
                ? (QStringList{"Changed", "alice", "new pw", "", "", "", "WEB SITE", stamp})
                : (QStringList{"Changed", "alice", "old pw", "", "", "", "HOME", "03/15/2013 02:05:09 pm"}));
        const QVariant boat =
            vault().value(QStringLiteral("SELECT pNum FROM PDF WHERE pNum NOT IN (%1, %2, %3)")
                              .arg(same)
                              .arg(changed)
                              .arg(vaultOnly));
        QCOMPARE(boat.isValid(), chosen.contains(1));
        if (chosen.contains(1)) {
            QCOMPARE(vault().decodedEntry(boat.toLongLong()),
                     (QStringList{"Boat", "skipper", "", "", "",
                                  QStringLiteral("it's moored").replace('\'', ApostropheSubstitute), "BOATS",
                                  stamp}));
            QCOMPARE(
                vault().value(QStringLiteral("SELECT pwUDF1 FROM CatDef WHERE pwCat = 'BOATS'")).toString(),
                QStringLiteral("Skipper"));
        }
        QCOMPARE(vault().value(QStringLiteral("SELECT COUNT(*) FROM PDF")).toInt(),
                 3 + (chosen.contains(1) ? 1 : 0));
        QCOMPARE(vault().decodedEntry(vaultOnly).first(), QStringLiteral("Vault only"));
        // Taken once, the copy holds nothing more than the vault for those entries.
        QCOMPARE(compare(vault().folder() + QLatin1Char('/') + Copy).size(), found.size() - chosen.size());
    }

    // A vault entry changed after the comparison: nothing is taken, not even the new entry.
    void changedVaultEntryStopsTheTake() {
        const QList<CopyDifference> found = compare(makeCopy());
        vault().exec(QStringLiteral("UPDATE PDF SET PDF2 = ? WHERE pNum = ?"),
                     {EncodeValue(QStringLiteral("bob")), changed});
        const Result<RowCheck> done = store::takeFromCopy(found, When);
        QVERIFY(done);
        QCOMPARE(*done, RowCheck::Changed);
        QCOMPARE(vault().value(QStringLiteral("SELECT COUNT(*) FROM PDF")).toInt(), 3); // no "Boat"
        QCOMPARE(vault().decodedEntry(changed)[1], QStringLiteral("bob"));
    }
};

QUORLANE_TEST(ConflictCopyTest);
#include "tst_conflictcopy.moc"
