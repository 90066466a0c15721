#include "store/codec.h"
#include "store/repository.h"
#include "store/sqlite.h"
#include "store/vault.h"
#include "testmain.h"
#include "testvault.h"

#include <QFile>
#include <QTest>
#include <cstdio>

Q_DECLARE_METATYPE(RowCheck)

namespace {

const QDateTime When(QDate(2014, 1, 2), QTime(9, 30, 0));

} // namespace

// Another program writes the vault while this one has it open: a write goes through only over the
// row and the file as this program read them.
class OneWriterTest final : public VaultTestCase {
    Q_OBJECT

    qint64 bank = 0;

    // The bank entry as the detail view read it.
    EntryValues seenBank() {
        bank = vault().addEntry(QStringLiteral("Bank"), QStringLiteral("HOME"),
                                {QStringLiteral("alice"), QStringLiteral("old pw")});
        const Result<ShownEntry> shown = store::showEntry(bank);
        if (!shown) qFatal("the entry cannot be read");
        return shown->entry.stored;
    }

private slots:
    // An update or delete names the row and the values the user saw: a row changed or deleted by
    // another program meanwhile is left as that program saved it, and the answer says so.
    void writeChecksTheRow_data() {
        QTest::addColumn<bool>("deleting");
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<RowCheck>("expected");
        for (const bool deleting : {false, true}) {
            const char* what = deleting ? "delete" : "update";
            QTest::addRow("%s, row as seen", what) << deleting << "" << RowCheck::Written;
            QTest::addRow("%s, password changed", what)
                << deleting << "UPDATE PDF SET PDF3 = ? WHERE pNum = ?" << RowCheck::Changed;
            QTest::addRow("%s, only the time changed", what)
                << deleting << "UPDATE PDF SET dtLU = '01/01/2020 01:00:00 am' WHERE pNum = ?"
                << RowCheck::Changed;
            QTest::addRow("%s, row deleted", what)
                << deleting << "DELETE FROM PDF WHERE pNum = ?" << RowCheck::Gone;
        }
    }
    void writeChecksTheRow() {
        QFETCH(bool, deleting);
        QFETCH(QString, meanwhile);
        QFETCH(RowCheck, expected);
        EntryValues typed = seenBank();
        if (meanwhile.contains(QLatin1String("PDF3")))
            vault().exec(meanwhile, {EncodeValue(QStringLiteral("new pw")), bank});
        else if (!meanwhile.isEmpty())
            vault().exec(meanwhile, {bank});
        const QStringList before = vault().decodedEntry(bank);

        typed.fields[0] = QStringLiteral("bob");
        const Result<RowCheck> done =
            deleting ? store::deleteEntry(bank, typed.asRead) : store::updateEntry(bank, typed, When);
        QVERIFY(done.ok());
        QCOMPARE(*done, expected);
        const QStringList after = vault().decodedEntry(bank);
        if (expected != RowCheck::Written)
            QCOMPARE(after, before);
        else if (deleting)
            QVERIFY(after.isEmpty());
        else
            QCOMPARE(after.mid(0, 3), (QStringList{"Bank", "bob", "old pw"}));
    }

    // A vault file put in place of the open one, or changed in place, is not written over: every
    // write meets the change and leaves the file byte for byte; once the program has taken the
    // new file as known, its own writes land and the other program's row stays.
    void changedFileIsNotWrittenOver_data() {
        QTest::addColumn<bool>("replaced");
        QTest::newRow("replaced by rename") << true;
        QTest::newRow("changed in place") << false;
    }
    void changedFileIsNotWrittenOver() {
        QFETCH(bool, replaced);
        EntryValues typed = seenBank();
        rememberVaultFile();
        QVERIFY(!vaultChangedOutside());

        // The other program's change: the same key now holds another entry. A replacement is
        // written beside the vault and renamed over it, as sync tools do.
        const QString other = vault().folder() + QStringLiteral("/other.mdb");
        const QString target = replaced ? other : vault().path();
        if (replaced) QVERIFY(QFile::copy(vault().path(), other));
        {
            sqlite::Connection db(target);
            db.execute(QStringLiteral("UPDATE PDF SET PDF1 = '%1' WHERE pNum = %2")
                           .arg(EncodeValue(QStringLiteral("Other machine bank")))
                           .arg(bank)
                           .toUtf8()
                           .constData());
        }
        if (replaced)
            QCOMPARE(std::rename(QFile::encodeName(other).constData(),
                                 QFile::encodeName(vault().path()).constData()),
                     0);
        QVERIFY(vaultChangedOutside());
        const QByteArray bytes = fileBytes(vault().path());

        typed.fields[0] = QStringLiteral("bob");
        const Result<RowCheck> updated = store::updateEntry(bank, typed, When);
        QCOMPARE(updated.code(), ErrorCode::VaultChangedOutside);
        const Result<> added =
            store::addEntry({QStringLiteral("Mine"), {}, {}, QStringLiteral("HOME")}, When);
        QCOMPARE(added.code(), ErrorCode::VaultChangedOutside);
        QCOMPARE(store::deleteEntry(bank, typed.asRead).code(), ErrorCode::VaultChangedOutside);
        QCOMPARE(fileBytes(vault().path()), bytes);

        rememberVaultFile();
        QVERIFY(!vaultChangedOutside());
        QCOMPARE(*store::updateEntry(bank, typed, When), RowCheck::Changed);
        QVERIFY(store::addEntry({QStringLiteral("Mine"), {}, {}, QStringLiteral("HOME")}, When));
        // The program's own write keeps the file known.
        QVERIFY(!vaultChangedOutside());
        QCOMPARE(vault().decodedEntry(bank).mid(0, 2), (QStringList{"Other machine bank", "alice"}));
        QCOMPARE(vault().value(QStringLiteral("SELECT COUNT(*) FROM PDF")).toInt(), 2);
    }
};

QUORLANE_TEST(OneWriterTest);
#include "tst_onewriter.moc"
