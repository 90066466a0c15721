#include "app/controls.h"
#include "app/forms.h"
#include "app/modmain.h"
#include "entries/frmentry.h"
#include "fakeplatform.h"
#include "mainwindow/frmmain.h"
#include "store/repository.h"
#include "store/vault.h"
#include "testmain.h"
#include "testvault.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

namespace {

// Start-up's vault steps: the look at the tables, the filter and list, the first entry shown.
frmMain& startOnVault() {
    CheckVaultSchema();
    frmMain& main = form<frmMain>();
    FillCategoryFilter(0);
    main.show();
    if (main.List1->count() > 0) setListIndex(main.List1, 0);
    return main;
}

void selectRow(frmMain& main, const QString& text) {
    const auto rows = main.List1->findItems(text, Qt::MatchExactly);
    QVERIFY(!rows.isEmpty());
    setListIndex(main.List1, main.List1->row(rows.first()));
}

} // namespace

// The main window on vaults that are damaged or not as the program expects.
class BadVaultFlowTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    // Each table gone in turn: start-up names it, every read reports after its attempts, the
    // window comes up with what could be read, and the file is never written.
    void tableMissing_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<int>("listed");
        // clang-format off
        QTest::newRow("Cats")    << "Cats"    << QStringList{"Vault Not Usable", "E211 : Retrieval Error"} << 1;
        QTest::newRow("CatDef")  << "CatDef"  << QStringList{"Vault Not Usable", "E214 : Retrieval Error"} << 1;
        QTest::newRow("PDF")     << "PDF"     << QStringList{"Vault Not Usable", "E213 : Retrieval Error"} << 0;
        QTest::newRow("eAttach") << "eAttach" << QStringList{"Vault Not Usable", "E214 : Retrieval Error"} << 1;
        QTest::newRow("LPass")   << "LPass"   << QStringList{"Vault Not Usable"} << 1;
        // clang-format on
    }
    void tableMissing() {
        QFETCH(QString, table);
        QFETCH(int, listed);
        vault().addEntry(QStringLiteral("Bank"), QStringLiteral("HOME"), {QStringLiteral("1234")});
        vault().exec(QStringLiteral("DROP TABLE %1").arg(table));
        const QByteArray before = fileBytes(vault().path());

        frmMain& main = startOnVault();
        QTEST(fake().titles(), "reports");
        QCOMPARE(fake().messages[0].prompt,
                 QStringLiteral("The vault %1 is not as this program expects:\nThe table %2 is missing.\n\n"
                                "What can be read is shown, but nothing will be saved to it.")
                     .arg(QDir::toNativeSeparators(vault().path()), table));
        QCOMPARE(main.List1->count(), listed);

        // A write is refused with its report, whatever table it touches. An entry whose show
        // failed leaves no key behind: Delete then asks nothing.
        QCOMPARE(main.shownKey.has_value(), main.Label3->text() == QLatin1String("BANK"));
        fake().messages.clear();
        fake().answers = {MsgAnswer::Yes};
        main.Command8_Click();
        if (main.shownKey)
            QCOMPARE(fake().titles(), (QStringList{"Delete Entry?", "E215 : Update Failed"}));
        else
            QCOMPARE(fake().titles(), QStringList());
        QVERIFY(!store::createCategory(QStringLiteral("NEW")));
        QCOMPARE(fileBytes(vault().path()), before);
    }

    // An entry the vault gave no key (its key column converted to text by another tool): showing
    // it clears the earlier entry's title and key, so Delete cannot remove that other entry.
    void keylessEntryIsNeverTakenForAnother() {
        vault().addEntry(QStringLiteral("Bank"), QStringLiteral("HOME"), {QStringLiteral("1234")});
        vault().exec(
            QStringLiteral("CREATE TABLE P2 (pNum TEXT, PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU)"));
        vault().exec(QStringLiteral("INSERT INTO P2 SELECT * FROM PDF"));
        vault().exec(QStringLiteral("DROP TABLE PDF"));
        vault().exec(QStringLiteral("ALTER TABLE P2 RENAME TO PDF"));
        vault().addEntry(QStringLiteral("Probe entry"), QStringLiteral("HOME"), {QStringLiteral("5678")});
        QCOMPARE(vault().value(QStringLiteral("SELECT COUNT(*) FROM PDF WHERE pNum IS NULL")).toInt(), 1);

        frmMain& main = startOnVault();
        QCOMPARE(fake().titles(), QStringList{"Vault Not Usable"});
        QVERIFY(fake().messages[0].prompt.contains(
            QStringLiteral("pNum of the table PDF is not an integer primary key")));
        selectRow(main, QStringLiteral("BANK"));
        QCOMPARE(main.Label3->text(), QStringLiteral("BANK"));
        QVERIFY(main.shownKey.has_value());

        selectRow(main, QStringLiteral("PROBE ENTRY"));
        QCOMPARE(main.Label3->text(), QString());
        QVERIFY(!main.shownKey.has_value());
        fake().messages.clear();
        fake().answers = {MsgAnswer::Yes};
        main.Command8_Click();
        QCOMPARE(fake().titles(), QStringList());
        QCOMPARE(vault().value(QStringLiteral("SELECT COUNT(*) FROM PDF")).toInt(), 2);
    }

    // Notes longer than the codec gives back, or that decode to control characters only (written
    // by another tool): shown as unreadable, kept byte for byte by a save that leaves them
    // alone, and a change to them is refused.
    void undecodableValueIsNeverRewritten_data() {
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("typedNotes");
        QTest::addColumn<QStringList>("reports");
        const QString tooLong(5462, QLatin1Char('n'));
        const QString controls = QStringLiteral("\x01\x02\r\n\x1f");
        QTest::newRow("too long, saved unchanged") << tooLong << QString() << QStringList{"Success"};
        QTest::newRow("too long, typed over")
            << tooLong << QStringLiteral("new notes") << QStringList{"Unreadable Field"};
        QTest::newRow("control characters, saved unchanged")
            << controls << QString() << QStringList{"Success"};
    }
    void undecodableValueIsNeverRewritten() {
        QFETCH(QString, notes);
        QFETCH(QString, typedNotes);
        const qint64 key =
            vault().addEntry(QStringLiteral("Bank"), QStringLiteral("HOME"), {QStringLiteral("1234")}, notes);
        const auto storedNotes = [&] {
            return vault().value(QStringLiteral("SELECT PDF6 FROM PDF WHERE pNum = %1").arg(key)).toString();
        };
        const QString before = storedNotes();

        frmMain& main = startOnVault();
        QCOMPARE(main.Text5->toPlainText(), QString());
        QCOMPARE(main.Text5->placeholderText(),
                 QStringLiteral("This field could not be read. It is kept as stored."));
        QCOMPARE(main.Text1->text(), QStringLiteral("1234"));

        main.Command11_Click();
        frmEntry& editor = form<frmEntry>();
        QCOMPARE(editor.Text6->toPlainText(), QString());
        QCOMPARE(editor.Text6->placeholderText(), main.Text5->placeholderText());
        editor.Text1->setText(QStringLiteral("5678"));
        editor.Text6->setPlainText(typedNotes);
        editor.Command21_Click();

        QTEST(fake().titles(), "reports");
        QCOMPARE(storedNotes(), before);
        if (typedNotes.isEmpty()) {
            QCOMPARE(vault().decodedEntry(key).value(1), QStringLiteral("5678"));
            return;
        }
        QCOMPARE(
            fake().messages[0].prompt,
            QStringLiteral("The Notes field could not be read from the vault, so it is kept as stored and "
                           "cannot be changed.\nEmpty it to save the other fields."));
        QVERIFY(isLoaded<frmEntry>());
        QCOMPARE(vault().decodedEntry(key).value(1), QStringLiteral("1234"));
    }

    // A description that does not decode (a code above 255) reads "ERROR" as the list shows it: a
    // save that leaves it alone keeps its stored text; a description typed over it is saved.
    void undecodableDescriptionIsKeptUnlessRetyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("left alone") << QString();
        QTest::newRow("typed over") << QStringLiteral("Savings");
    }
    void undecodableDescriptionIsKeptUnlessRetyped() {
        QFETCH(QString, typed);
        const qint64 key =
            vault().addEntry(QStringLiteral("Bank"), QStringLiteral("HOME"), {QStringLiteral("1234")});
        vault().exec(QStringLiteral("UPDATE PDF SET PDF1 = '999' WHERE pNum = ?"), {key});
        const auto storedDescription = [&] {
            return vault().value(QStringLiteral("SELECT PDF1 FROM PDF WHERE pNum = %1").arg(key)).toString();
        };

        frmMain& main = startOnVault();
        QCOMPARE(main.Label3->text(), QStringLiteral("ERROR"));
        main.Command11_Click();
        frmEntry& editor = form<frmEntry>();
        editor.Text1->setText(QStringLiteral("5678"));
        if (!typed.isEmpty()) editor.Text2->setText(typed);
        editor.Command21_Click();

        QCOMPARE(fake().titles(), QStringList{"Success"});
        QCOMPARE(vault().decodedEntry(key).value(1), QStringLiteral("5678"));
        if (typed.isEmpty())
            QCOMPARE(storedDescription(), QStringLiteral("999"));
        else
            QCOMPARE(vault().decodedEntry(key).value(0), typed);
    }
};

QUORLANE_TEST(BadVaultFlowTest);
#include "tst_badvault.moc"
