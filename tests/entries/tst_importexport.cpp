#include "entries/frmimport.h"
#include "store/codec.h"
#include "store/dates.h"
#include "testmain.h"
#include "testvault.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using Rows = QList<QStringList>;

namespace {

// An entry as the vault file holds it once decoded: the six values with apostrophes as their
// substitute, the category, the last-update time.
QStringList stored(const QString& description, const QStringList& fields, const QString& notes,
                   const QString& category,
                   const QString& lastUpdate = QStringLiteral("03/15/2013 02:05:09 pm")) {
    const auto toStoredForm = [](QString value) {
        return value.replace(QLatin1Char('\''), ApostropheSubstitute);
    };
    QStringList row{toStoredForm(description)};
    for (int i = 0; i < 4; ++i)
        row << toStoredForm(fields.value(i));
    return row << toStoredForm(notes) << category << lastUpdate;
}

QStringList treeRows(const QTreeWidget* tree) {
    QStringList rows;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = tree->topLevelItem(i);
        rows << (item->text(0) + QLatin1Char('|') + item->text(1) + QLatin1Char('|') + item->text(2));
    }
    return rows;
}

} // namespace

class ImportExportTest final : public VaultTestCase {
    Q_OBJECT

    // Every entry of the vault file, decoded, in table order.
    Rows storedEntries() {
        Rows entries;
        for (const QVariantList& key : vault().rows(QStringLiteral("SELECT pNum FROM PDF ORDER BY pNum")))
            entries << vault().decodedEntry(key.first().toLongLong());
        return entries;
    }

    QString writeFile(const QByteArray& contents, const QString& name = QStringLiteral("passwords.csv")) {
        const QString path = vault().folder() + QLatin1Char('/') + name;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Runs the import command on a file up to the summary window.
    frmImport* startImport(const QByteArray& contents) {
        fake().filesToChoose = {writeFile(contents)};
        form<frmMain>().cmdImport_Click();
        if (fake().modals.isEmpty() || fake().modals.last() != QLatin1String("frmImport")) return nullptr;
        return &form<frmImport>();
    }

private slots:
    void importsEachFormat_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Rows>("added");
        QTest::addColumn<QStringList>("perCategory");
        QTest::addColumn<QStringList>("leftOut");

        QTest::newRow("browser: mark, quotes, a line break, a taken title, a snowman")
            << QByteArray("\xEF\xBB\xBF"
                          "name,url,username,password,note\r\n"
                          "example.com,https://example.com,ann,\"a\"\"b,c\",\"Joe's\r\nsecond line\"\r\n"
                          "snow,https://x.test,\xE2\x98\x83,pw,\r\n"
                          "Shop,https://shop.test,ann,pw2,\n")
            << Rows{stored("example.com (2)", {"https://example.com", "ann", "a\"b,c"},
                           "Joe's\r\nsecond line", "WEB SITE"),
                    stored("snow", {"https://x.test", u"☃"_qs, "pw"}, "", "WEB SITE"),
                    stored("Shop", {"https://shop.test", "ann", "pw2"}, "", "WEB SITE")}
            << QStringList{"WEB SITE|3|"} << QStringList{"None: every row can be stored."};
        QTest::newRow("KeePassXC: a group becomes a new category, the euro sign is kept")
            << QByteArray("\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\"\n"
                          "\"Root/Mail\",\"Mailbox\",\"me\",\"x\",\"imap.test\",\"two\nlines\"\n"
                          "\"Root\",\"Money\",\"me\",\"10\xE2\x82\xAC\",\"\",\"\"\n"
                          "\"Root/Home\",\"Router\",\"admin\",\"z\",\"192.168.0.1\",\"\"\n")
            << Rows{stored("Mailbox", {"imap.test", "me", "x"}, "two\r\nlines", "MAIL"),
                    stored("Money", {"", "me", u"10€"_qs}, "", "WEB SITE"),
                    stored("Router", {"192.168.0.1", "admin", "z"}, "", "HOME (2)")}
            << QStringList{"HOME (2)|1|new category: HOME has no title for \"URL\"", "MAIL|1|new category",
                           "WEB SITE|1|"}
            << QStringList{"None: every row can be stored."};
        QTest::newRow("Bitwarden: folders, a title used twice in the file")
            << QByteArray(
                   "folder,favorite,type,name,notes,fields,reprompt,login_uri,login_username,login_password,"
                   "login_totp\n"
                   "Games,,login,Steam,,,0,https://steam.test,gamer,pw,\n"
                   "games,,login,Steam,,,0,https://steam.test,gamer2,pw2,\n"
                   ",,login,,,,0,https://untitled.test,u,p,\n")
            << Rows{stored("Steam", {"https://steam.test", "gamer", "pw"}, "", "GAMES"),
                    stored("Steam (2)", {"https://steam.test", "gamer2", "pw2"}, "", "GAMES")}
            << QStringList{"GAMES|2|new category"} << QStringList{"Line 4: the title (\"name\") is empty."};
        QTest::newRow("own export: times and titles kept")
            << QByteArray(
                   "\"Category\",\"Description\",\"Field 1 title\",\"Field 1\",\"Field 2 title\",\"Field 2\","
                   "\"Field 3 title\",\"Field 3\",\"Field 4 title\",\"Field 4\",\"Notes\",\"Last "
                   "updated\"\r\n"
                   "\"CREDIT "
                   "CARD\",\"Visa\",\"Card Number\",\"4111\",\"Expiry Date\",\"01/30\",\"Security "
                   "Code\",\"1234\","
                   "\"PIN\",\"B\",\"\",\"01/02/2020 03:04:05 am\"\r\n")
            << Rows{stored("Visa", {"4111", "01/30", "1234", "B"}, "", "CREDIT CARD",
                           "01/02/2020 03:04:05 am")}
            << QStringList{"CREDIT CARD|1|"} << QStringList{"None: every row can be stored."};
    }
    void importsEachFormat() {
        QFETCH(QByteArray, file);
        QFETCH(Rows, added);
        QFETCH(QStringList, perCategory);
        QFETCH(QStringList, leftOut);
        vault().addEntry(QStringLiteral("Example.com"), QStringLiteral("WEB SITE"), {QStringLiteral("old")});
        const Rows before = storedEntries();
        frmMain& main = openMainWindow();

        frmImport* summary = startImport(file);
        QVERIFY(summary);
        QCOMPARE(fake().fileDialogs, QStringList{"Import Passwords||CSV files (*.csv);;All files (*)"});
        QCOMPARE(treeRows(summary->List1), perCategory);
        QCOMPARE(listRows(summary->List2), leftOut);
        QCOMPARE(storedEntries(), before); // nothing written before the person agrees

        summary->Command21->click();
        QVERIFY(!isLoaded<frmImport>());
        QCOMPARE(storedEntries(), before + added);
        QCOMPARE(fake().messages.last().title, QStringLiteral("Success"));
        QCOMPARE(fake().messages.last().prompt,
                 added.size() == 1 ? QStringLiteral("1 entry successfully imported.")
                                   : QStringLiteral("%1 entries successfully imported.").arg(added.size()));
        QVERIFY(!fake().progressSteps.isEmpty());

        // The new categories are in the filter; the list shows every imported entry.
        for (const QString& row : perCategory)
            QVERIFY(main.Combo1->findText(row.section('|', 0, 0)) >= 0);
        QCOMPARE(main.Combo1->currentText(), QStringLiteral("ALL CATEGORIES"));
        for (const QStringList& entry : added)
            QVERIFY(
                listRows(main.List1)
                    .contains(QString(entry[0]).replace(ApostropheSubstitute, QLatin1Char('\'')).toUpper()));
        // A new category takes the titles of WEB SITE.
        if (perCategory.contains("MAIL|1|new category"))
            QCOMPARE(vault().rows("SELECT pwDesc, pwUDF1, pwUDF2, pwUDF3, pwUDF4, pwNotes FROM CatDef WHERE "
                                  "pwCat = 'MAIL'"),
                     vault().rows("SELECT pwDesc, pwUDF1, pwUDF2, pwUDF3, pwUDF4, pwNotes FROM CatDef WHERE "
                                  "pwCat = 'WEB SITE'"));
    }

    // The summary shows which column goes under which title; a file imported again is
    // recognised, left out unless asked for, and then numbered.
    void summaryAndImportAgain() {
        openMainWindow();
        const QByteArray file = "\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\"\n"
                                "\"Root/Email\",\"Gmail\",\"me@gmail.test\",\"pw\",\"\",\"\"\n";
        frmImport* summary = startImport(file);
        QVERIFY(summary);
        QCOMPARE(treeRows(summary->List1), QStringList{"EMAIL|1|"});
        QStringList columns;
        for (int i = 0; i < summary->List1->topLevelItem(0)->childCount(); ++i)
            columns << summary->List1->topLevelItem(0)->child(i)->text(0);
        QCOMPARE(columns, (QStringList{u"Title → Account"_qs, u"Username → E-mail Address"_qs,
                                       u"Password → Password"_qs}));
        QVERIFY(summary->Check1->isHidden());
        summary->Command21->click();
        QCOMPARE(fake().messages.last().prompt, QStringLiteral("1 entry successfully imported."));

        summary = startImport(file);
        QVERIFY(summary);
        QCOMPARE(summary->Label1->text(),
                 QStringLiteral("passwords.csv (KeePassXC file): 0 entries can be "
                                "imported, 1 already in the vault, 0 rows are left out."));
        QCOMPARE(listRows(summary->List2), QStringList{"Line 2: \"Gmail\" (EMAIL) is already in the vault."});
        QVERIFY(!summary->Command21->isEnabled());
        QVERIFY(!summary->Check1->isHidden());
        summary->Check1->setChecked(true);
        QCOMPARE(treeRows(summary->List1), QStringList{"EMAIL|1|"});
        summary->Command21->click();
        QCOMPARE(storedEntries().last(),
                 stored("Gmail (2)", {"me@gmail.test", "pw"}, "", "EMAIL", formatLastUpdate(fake().clock)));
    }

    void cancelWritesNothing() {
        openMainWindow();
        const QByteArray before = fileBytes(vault().path());
        frmImport* summary = startImport("name,url,username,password\na,b,c,d\n");
        QVERIFY(summary);
        summary->reject();
        QVERIFY(!isLoaded<frmImport>());
        QCOMPARE(fileBytes(vault().path()), before);
        QVERIFY(fake().messages.isEmpty());
    }

    void unreadableFiles_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << QByteArray() << "The file is empty.";
        QTest::newRow("header only") << QByteArray("name,url,username,password\r\n")
                                     << "The file holds only its header (line 1) and no entries to import.";
        QTest::newRow("binary") << QByteArray("PK\x03\x04\0\0\x08\0", 8)
                                << "Line 1 holds binary data (a zero byte): the file is not a CSV text file.";
        QTest::newRow("unbalanced quotes")
            << QByteArray("name,url,username,password\na,b,c,d\n\"e,f,g,h\n")
            << "Line 3: a value in quotes begins here and its closing quote is missing.";
        QTest::newRow("a row too short") << QByteArray("name,url,username,password\na,b,c,d\ne,f\n")
                                         << "Line 3 has 2 values, but the header (line 1) has 4.";
    }
    void unreadableFiles() {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        openMainWindow();
        const QByteArray before = fileBytes(vault().path());
        QVERIFY(!startImport(file));
        QCOMPARE(fake().messages.size(), 1);
        QCOMPARE(fake().messages[0].title, QStringLiteral("Import Passwords"));
        QCOMPARE(fake().messages[0].prompt,
                 QStringLiteral("passwords.csv cannot be imported; nothing has been added.\n\n") + reason);
        QCOMPARE(fake().messages[0].icon, MsgIcon::Error);
        QCOMPARE(fileBytes(vault().path()), before);
    }

    void unknownHeaderNamesTheFormats() {
        openMainWindow();
        QVERIFY(!startImport("url,username,password,httpRealm\nx,y,z,\n"));
        QVERIFY(fake().messages[0].prompt.contains(
            "Line 1 is not a header this program knows. It imports the CSV files of web browsers"));
        QVERIFY(fake().messages[0].prompt.contains("KeePassXC"));
        QVERIFY(fake().messages[0].prompt.contains("Bitwarden"));
    }

    // A write that fails on every attempt, wherever it fails, leaves the vault file as it was and
    // the summary open.
    void failedImportLeavesTheVault_data() {
        QTest::addColumn<int>("statement");
        QTest::newRow("the new category") << 1;
        QTest::newRow("its titles") << 2;
        QTest::newRow("an entry in the middle") << 40;
        QTest::newRow("the last entry") << 102;
    }
    void failedImportLeavesTheVault() {
        QFETCH(int, statement);
        openMainWindow();
        QByteArray file =
            "folder,favorite,type,name,notes,fields,reprompt,login_uri,login_username,login_password,"
            "login_totp\n";
        for (int i = 0; i < 100; ++i)
            file += "Games,,login,Game " + QByteArray::number(i) + ",,,0,u,n,p,\n";
        frmImport* summary = startImport(file);
        QVERIFY(summary);
        const QByteArray before = fileBytes(vault().path());
        failOperation(231, statement);
        summary->Command21->click();
        QCOMPARE(fake().messages.last().title, QStringLiteral("E231 : Update Failed"));
        QCOMPARE(fake().messages.last().prompt, "Could not update database.\n" + InjectedFailure);
        QCOMPARE(fileBytes(vault().path()), before);
        QVERIFY(isLoaded<frmImport>());
    }

    // Export asks first (No the default); the file is the owner's alone; imported into the vault
    // emptied of entries and of the exported category, it gives back the same entries byte for byte.
    void exportThenImportGivesTheSameEntries() {
        vault().exec("INSERT INTO Cats (CatName) VALUES ('GAMES')");
        vault().exec(
            "INSERT INTO CatDef (pwCat, pwDesc, pwUDF1, pwUDF2, pwUDF3, pwUDF4, pwNotes, pwImg) VALUES "
            "('GAMES', 'Game', 'Site', 'Player', 'Secret', 'Realm', 'Notes', 4)");
        vault().addEntry(u"Joe's \"Café\", 2"_qs, "GAMES", {" https://g.test", "joe ", "p,w\"", ""},
                         "line 1\r\nline 2\r\n", "12/31/2019 11:59:59 pm");
        const QString everyScript =
            u"Grüße, Ελλάδα, Москва, 東京, مرحبا, 👍🏽, Ann's 5 €"_qs;
        vault().addEntry("  spaced  ", "WEB SITE", {"a", "", "", everyScript}, "", "06/15/2021 12:00:00 pm");
        vault().addEntry("Alarm", "HOME", {"", "", "1234", ""}, "\r\n", "01/02/2020 03:04:05 am");
        const Rows exported = storedEntries();
        frmMain& main = openMainWindow();
        const QString path = vault().folder() + "/export.csv";

        fake().answers = {MsgAnswer::No};
        main.cmdExport_Click();
        QCOMPARE(fake().messages[0].title, QStringLiteral("Export Passwords"));
        QCOMPARE(fake().messages[0].buttons, MsgButtons::YesNo);
        QCOMPARE(fake().messages[0].defaultButton, MsgAnswer::No);
        QCOMPARE(fake().messages[0].icon, MsgIcon::Warning);
        QVERIFY(fake().messages[0].prompt.contains("clear text"));
        QVERIFY(fake().fileDialogs.isEmpty());

        fake().answers = {MsgAnswer::Yes};
        fake().filesToChoose = {path};
        main.cmdExport_Click();
        QCOMPARE(fake().fileDialogs,
                 QStringList{"Export Passwords|quorlane-export.csv|CSV files (*.csv);;All files (*)"});
        QCOMPARE(fake().messages.last().prompt, QStringLiteral("3 entries exported to export.csv."));
        QCOMPARE(QFile::permissions(path), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadUser | QFileDevice::WriteUser);
        // UTF-8 without a byte-order mark, as KeePassXC, Bitwarden and the browsers write theirs.
        const QByteArray csv = fileBytes(path);
        QVERIFY(csv.startsWith("\"Category\",\"Description\",\"Field 1 title\""));
        QVERIFY(csv.contains(("\"" + everyScript + "\"").toUtf8()));
        QVERIFY(csv.contains(
            u"\"GAMES\",\"Joe's \"\"Café\"\", 2\",\"Site\",\" https://g.test\",\"Player\",\"joe \",\"Secret\",\"p,w\"\"\",\"Realm\",\"\",\"line 1\r\nline 2\r\n\",\"12/31/2019 11:59:59 pm\"\r\n"_qs
                .toUtf8()));

        vault().exec("DELETE FROM PDF");
        vault().exec("DELETE FROM Cats WHERE CatName = 'GAMES'");
        vault().exec("DELETE FROM CatDef WHERE pwCat = 'GAMES'");
        unloadAllForms();
        openMainWindow();
        frmImport* summary = startImport(csv);
        QVERIFY(summary);
        QCOMPARE(treeRows(summary->List1), QStringList({"GAMES|1|new category", "HOME|1|", "WEB SITE|1|"}));
        summary->Command21->click();
        QCOMPARE(storedEntries(), exported);
        QCOMPARE(vault().rows("SELECT pwUDF1, pwUDF2, pwUDF3, pwUDF4 FROM CatDef WHERE pwCat = 'GAMES'"),
                 (QList<QVariantList>{{"Site", "Player", "Secret", "Realm"}}));
    }

    void exportToAFolderThatIsNotThere() {
        vault().addEntry("One", "HOME");
        openMainWindow();
        fake().answers = {MsgAnswer::Yes};
        fake().filesToChoose = {vault().folder() + "/missing/export.csv"};
        form<frmMain>().cmdExport_Click();
        QCOMPARE(fake().messages.last().title, QStringLiteral("Export Passwords"));
        QVERIFY(fake().messages.last().prompt.startsWith("export.csv cannot be written ("));
        QCOMPARE(fake().messages.last().icon, MsgIcon::Error);
    }
};

QUORLANE_TEST(ImportExportTest);
#include "tst_importexport.moc"
