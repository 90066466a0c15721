#include "app/vaultwatch.h"
#include "entries/frmentry.h"
#include "store/codec.h"
#include "store/sqlite.h"
#include "store/vault.h"
#include "testmain.h"
#include "testvault.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cstdio>

// What the user sees when another program (a second copy, a sync tool) saved to the vault while
// this one had it open.
class OtherWriterTest final : public VaultTestCase {
    Q_OBJECT

    qint64 bank = 0;

    // The main window showing the bank entry, its file known as start-up leaves it.
    frmMain& showBank() {
        bank = vault().addEntry(QStringLiteral("Bank"), QStringLiteral("HOME"),
                                {QStringLiteral("alice"), QStringLiteral("old pw")});
        vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"));
        frmMain& main = openMainWindow();
        selectEntry(main, QStringLiteral("BANK"));
        rememberVaultFile();
        return main;
    }

    // Another program puts a file in the vault's place in which the bank's key holds another entry
    // and a "Taken" entry was added.
    void replaceVault() {
        const QString other = vault().folder() + QStringLiteral("/incoming.mdb");
        QVERIFY(QFile::copy(vault().path(), other));
        {
            sqlite::Connection db(other);
            const QByteArray sql =
                QStringLiteral("UPDATE PDF SET PDF1 = '%1' WHERE pNum = %2; "
                               "INSERT INTO PDF (PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU) "
                               "SELECT '%3', PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU FROM PDF "
                               "WHERE pNum = %2")
                    .arg(EncodeValue(QStringLiteral("Other machine bank")))
                    .arg(bank)
                    .arg(EncodeValue(QStringLiteral("Taken")))
                    .toUtf8();
            db.execute(sql.constData());
        }
        QCOMPARE(
            std::rename(QFile::encodeName(other).constData(), QFile::encodeName(vault().path()).constData()),
            0);
    }

private slots:
    // Two copies edit the same entry: the second save finds the entry changed or deleted by the
    // first, saves nothing, says so and shows the entry as it now is.
    void secondEditorIsRefused_data() {
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("password changed") << false << "Entry Changed" << QStringList{"BANK", "GARAGE"};
        QTest::newRow("entry deleted") << true << "Entry Deleted" << QStringList{"GARAGE"};
    }
    void secondEditorIsRefused() {
        QFETCH(bool, deleted);
        QFETCH(QString, title);
        QFETCH(QStringList, listed);
        frmMain& main = showBank();
        main.Command11_Click();
        frmEntry& editor = form<frmEntry>();
        const QPointer<frmEntry> window = &editor;
        if (deleted)
            vault().exec(QStringLiteral("DELETE FROM PDF WHERE pNum = ?"), {bank});
        else
            vault().exec(QStringLiteral("UPDATE PDF SET PDF3 = ? WHERE pNum = ?"),
                         {EncodeValue(QStringLiteral("new pw")), bank});
        const QStringList stored = vault().decodedEntry(bank);
        editor.Text1->setText(QStringLiteral("bob"));
        editor.Command21_Click();

        // The file changed first: that is said, then what became of the entry.
        QCOMPARE(fake().titles(), (QStringList{QStringLiteral("Vault Changed"), title}));
        QVERIFY(closed(window));
        QCOMPARE(vault().decodedEntry(bank), stored);
        QCOMPARE(listRows(main.List1), listed);
        if (!deleted) {
            QCOMPARE(main.Picture5->Label3->text(), QStringLiteral("BANK"));
            QCOMPARE(main.Picture5->Text1->text(), QStringLiteral("alice"));
            QCOMPARE(main.Picture5->Text2->text(), QStringLiteral("new pw"));
        }
    }

    // An entry deleted by another program while it was edited in the only view listing it: the
    // refused save leaves the category filter as it was, never taking it for an entry moved out.
    void refusedSaveKeepsTheFilter() {
        bank = vault().addEntry(QStringLiteral("Bank"), QStringLiteral("CREDIT CARD"));
        vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"));
        frmMain& main = openMainWindow();
        QVERIFY(main.chooseFilter(QStringLiteral("CREDIT CARD")));
        selectEntry(main, QStringLiteral("BANK"));
        rememberVaultFile();
        main.Command11_Click();
        vault().exec(QStringLiteral("DELETE FROM PDF WHERE pNum = ?"), {bank});
        form<frmEntry>().Text2->setText(QStringLiteral("Bank renamed"));
        form<frmEntry>().Command21_Click();

        QCOMPARE(fake().titles(),
                 (QStringList{QStringLiteral("Vault Changed"), QStringLiteral("Entry Deleted")}));
        QCOMPARE(main.filterText(), QStringLiteral("CREDIT CARD"));
        QCOMPARE(listRows(main.List1), QStringList());
    }

    // A vault file replaced while a new entry is typed: the save says once that the vault changed,
    // shows the new file's entries, and checks the description against them; a free description
    // is then saved into the new file, whose entries all stay.
    void pendingSaveIsCheckedAgain_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("description now taken")
            << "Taken" << QStringList{"Vault Changed", "Duplicate Identity"};
        QTest::newRow("description free") << "Mine" << QStringList{"Vault Changed", "Success"};
    }
    void pendingSaveIsCheckedAgain() {
        QFETCH(QString, description);
        QFETCH(QStringList, titles);
        frmMain& main = showBank();
        main.Command10_Click();
        frmEntry& editor = form<frmEntry>();
        setComboText(editor.Combo1, QStringLiteral("HOME"));
        editor.Text2->setText(description);
        replaceVault();
        editor.Command21_Click();

        QCOMPARE(fake().titles(), titles);
        QCOMPARE(
            fake().messages.first().prompt,
            QStringLiteral("The vault was changed by another program; Quorlane shows its current state"));
        const int count = vault().value(QStringLiteral("SELECT COUNT(*) FROM PDF")).toInt();
        QCOMPARE(count, description == QLatin1String("Mine") ? 4 : 3);
        QCOMPARE(vault().decodedEntry(bank).first(), QStringLiteral("Other machine bank"));
        QVERIFY(listRows(main.List1).contains(QStringLiteral("OTHER MACHINE BANK")));
    }

    // Delete after the file was replaced: the user is shown the new file's entry under that key
    // instead of being asked about the old one, and nothing is deleted. The check when the window
    // comes back to the front tells once.
    void replacedVaultIsShownBeforeDelete() {
        frmMain& main = showBank();
        replaceVault();
        main.Command8_Click();
        QCOMPARE(fake().titles(), QStringList{"Vault Changed"});
        QCOMPARE(main.Picture5->Label3->text(), QStringLiteral("OTHER MACHINE BANK"));
        QCOMPARE(vault().value(QStringLiteral("SELECT COUNT(*) FROM PDF")).toInt(), 3);
        QVERIFY(!showOutsideChange());
        QCOMPARE(fake().messages.size(), 1);
    }
};

QUORLANE_TEST(OtherWriterTest);
#include "tst_otherwriter.moc"
