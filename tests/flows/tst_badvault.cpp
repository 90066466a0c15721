#include "app/controls.h"
#include "app/forms.h"
#include "app/modmain.h"
#include "entries/frmentry.h"
#include "fakeplatform.h"
#include "mainwindow/frmmain.h"
#include "store/codec.h"
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
    CheckVaultFile();
    frmMain& main = form<frmMain>();
    form<frmMain>().fillCategoryFilter();
    main.show();
    if (main.List1->count() > 0) setListIndex(main.List1, 0);
    return main;
}

void selectRow(frmMain& main, const QString& text) {
    const bool found = main.selectEntry(text, true);
    QVERIFY(found);
}

} // namespace

// The main window on vaults that are damaged or not as the program expects.
class BadVaultFlowTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    // A file that is not a vault (another tool's object in it, a table gone, bytes added): start-up
    // says so once, naming the file and what is wrong; then every read reports as for a missing
    // vault, nothing is shown, and no write reaches the file.
    void fileThatIsNoVault_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("problem");
        QTest::newRow("view named PDF") << "DROP TABLE PDF; CREATE VIEW PDF AS SELECT 1 AS pNum"
                                        << "it holds a view named PDF";
        QTest::newRow("a table gone") << "DROP TABLE Cats"
                                      << "the table Cats is missing";
        QTest::newRow("key no longer an integer")
            << "CREATE TABLE P2 (pNum TEXT, PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU); "
               "INSERT INTO P2 SELECT * FROM PDF; DROP TABLE PDF; ALTER TABLE P2 RENAME TO PDF"
            << "the table PDF is not as Quorlane makes it";
    }
    void fileThatIsNoVault() {
        QFETCH(QString, change);
        QFETCH(QString, problem);
        vault().addEntry(QStringLiteral("Bank"), QStringLiteral("HOME"), {QStringLiteral("1234")});
        for (const QString& statement : change.split(QStringLiteral("; ")))
            vault().exec(statement);
        const QByteArray before = fileBytes(vault().path());

        frmMain& main = startOnVault();
        QCOMPARE(fake().titles(),
                 (QStringList{"Vault Not Usable", "E213 : Retrieval Error", "E211 : Retrieval Error"}));
        const QString report = QStringLiteral("%1 is not a Quorlane vault: %2.")
                                   .arg(QDir::toNativeSeparators(vault().path()), problem);
        QCOMPARE(fake().messages[0].prompt,
                 report + QStringLiteral("\n\nNothing is read from it or written to it."));
        QCOMPARE(fake().messages[1].prompt,
                 QStringLiteral("Could not retrieve data from database.\n(Quorlane: -1: %1)").arg(report));
        QCOMPARE(main.List1->count(), 0);
        QVERIFY(!main.shownEntryKey().has_value());

        QVERIFY(!store::createCategory(QStringLiteral("NEW")));
        QCOMPARE(fileBytes(vault().path()), before);
        QCOMPARE(QDir(vault().folder()).entryList(QDir::Files), QStringList{QStringLiteral("gpwdfsc.mdb")});
    }

    // Notes the codec cannot read (a number above 255) or that decode to control characters only
    // (written by another tool): shown as unreadable, kept byte for byte by a save that leaves
    // them alone, and a change to them is refused.
    void undecodableValueIsNeverRewritten_data() {
        QTest::addColumn<QString>("notesStored"); // encoded
        QTest::addColumn<QString>("typedNotes");
        QTest::addColumn<QStringList>("reports");
        const QString above255 = QStringLiteral("\x05"
                                                "9\x05"
                                                "9\x05"
                                                "9");
        const QString controls = EncodeValue(QStringLiteral("\x01\x02\r\n\x1f"));
        QTest::newRow("a number above 255, saved unchanged")
            << above255 << QString() << QStringList{"Success"};
        QTest::newRow("a number above 255, typed over")
            << above255 << QStringLiteral("new notes") << QStringList{"Unreadable Field"};
        QTest::newRow("control characters, saved unchanged")
            << controls << QString() << QStringList{"Success"};
    }
    void undecodableValueIsNeverRewritten() {
        QFETCH(QString, notesStored);
        QFETCH(QString, typedNotes);
        const qint64 key =
            vault().addEntry(QStringLiteral("Bank"), QStringLiteral("HOME"), {QStringLiteral("1234")});
        vault().exec(QStringLiteral("UPDATE PDF SET PDF6 = ?"), {notesStored});
        const auto storedNotes = [&] {
            return vault().value(QStringLiteral("SELECT PDF6 FROM PDF WHERE pNum = %1").arg(key)).toString();
        };
        const QString before = storedNotes();

        frmMain& main = startOnVault();
        QCOMPARE(main.Picture5->Text5->toPlainText(), QString());
        QCOMPARE(main.Picture5->Text5->placeholderText(),
                 QStringLiteral("This field could not be read. It is kept as stored."));
        QCOMPARE(main.Picture5->Text1->text(), QStringLiteral("1234"));

        main.Command11_Click();
        frmEntry& editor = form<frmEntry>();
        QCOMPARE(editor.Text6->toPlainText(), QString());
        QCOMPARE(editor.Text6->placeholderText(), main.Picture5->Text5->placeholderText());
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
        QCOMPARE(main.Picture5->Label3->text(), QStringLiteral("ERROR"));
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
