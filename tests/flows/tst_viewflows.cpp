#include "app/picturebox.h"
#include "attachments/frmattach.h"
#include "attachments/frmattachname.h"
#include "entries/frmmainclip.h"
#include "printing/frmprintconfirm.h"
#include "testmain.h"
#include "testvault.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>

// Flows that act on the entry the main window shows: deletion with its attachments, the
// attachments window and the indicator, the copy window and the one-entry print.
class ViewFlowsTest final : public VaultTestCase {
    Q_OBJECT

    QHash<QString, qint64> keys;

    void seed() {
        keys.clear();
        for (const QString& name :
             {QStringLiteral("Alarm"), QStringLiteral("Boiler"), QStringLiteral("Cellar")})
            keys[name.toUpper()] =
                vault().addEntry(name, QStringLiteral("HOME"), {name + QStringLiteral(" code")});
    }
    void attach(const QString& description, const QString& file) {
        vault().exec(
            QStringLiteral(
                "INSERT INTO eAttach (eID, AttachName, AttachPath, AttachPic) VALUES (?, ?, ?, '1')"),
            {QString::number(keys[description]), file.toUpper(), file});
    }
    qint64 attachmentsOf(const QString& description) {
        return vault()
            .value(QStringLiteral("SELECT COUNT(*) FROM eAttach WHERE eID = '%1'").arg(keys[description]))
            .toLongLong();
    }

private slots:
    // Deleting the shown entry from the main window takes its attachments along and shows the
    // entry that followed it, with that entry's own attachment indicator.
    void deleteWithAttachments_data() {
        QTest::addColumn<QString>("deleted");
        QTest::addColumn<QString>("successor");
        QTest::addColumn<bool>("successorAttached");
        QTest::newRow("first, successor with attachments") << "ALARM"
                                                           << "BOILER" << true;
        QTest::newRow("first, successor without") << "ALARM"
                                                  << "BOILER" << false;
        QTest::newRow("last row") << "CELLAR"
                                  << "BOILER" << true;
    }
    void deleteWithAttachments() {
        QFETCH(QString, deleted);
        QFETCH(QString, successor);
        QFETCH(bool, successorAttached);
        seed();
        attach(deleted, QStringLiteral("/tmp/a.pdf"));
        attach(deleted, QStringLiteral("/tmp/b.txt"));
        if (successorAttached) attach(successor, QStringLiteral("/tmp/c.doc"));
        frmMain& main = openMainWindow();
        selectEntry(main, deleted);
        QVERIFY(!main.Picture17->isHidden());

        fake().answers = {MsgAnswer::Yes};
        main.List1_KeyDown(Qt::Key_Delete);

        QCOMPARE(fake().titles(), (QStringList{QStringLiteral("Delete Entry?"), QStringLiteral("Success")}));
        QCOMPARE(attachmentsOf(deleted), 0);
        QCOMPARE(attachmentsOf(successor), successorAttached ? 1 : 0);
        QVERIFY(!listRows(main.List1).contains(deleted));
        QCOMPARE(main.Label35->text(), QStringLiteral("2"));
        QCOMPARE(listText(main.List1), successor);
        QCOMPARE(main.Picture5->Label3->text(), successor);
        QCOMPARE(QString::number(main.shownEntryKey().value_or(0)), QString::number(keys[successor]));
        QCOMPARE(main.Picture17->isHidden(), !successorAttached);
    }

    // Attachments saved for the shown entry light the indicator the next time it is shown; the
    // indicator opens the same window on the same entry.
    void attachmentsThenIndicator() {
        seed();
        frmMain& main = openMainWindow();
        selectEntry(main, QStringLiteral("BOILER"));
        QVERIFY(main.Picture17->isHidden());

        ModalScript script;
        script.on<frmAttachName>(QStringLiteral("frmAttachName"), [](frmAttachName& name) {
            name.Text2->setText(QStringLiteral("Manual"));
            name.Command26_Click();
        });
        script.on<frmAttach>(QStringLiteral("frmAttach"), [](frmAttach& window) {
            fake().filesToChoose = {QStringLiteral("/tmp/boiler manual.pdf")};
            window.Command5_Click();
            window.Command26_Click();
        });
        main.Command13_Click();
        settle();
        QCOMPARE(attachmentsOf(QStringLiteral("BOILER")), 1);
        QVERIFY(!isLoaded<frmAttach>() && !isLoaded<frmAttachName>());

        selectEntry(main, QStringLiteral("ALARM"));
        QVERIFY(main.Picture17->isHidden());
        selectEntry(main, QStringLiteral("BOILER"));
        QVERIFY(!main.Picture17->isHidden());

        int lines = -1;
        script.on<frmAttach>(QStringLiteral("frmAttach"), [&](frmAttach& window) {
            lines = window.TV1->topLevelItemCount();
            window.Command25_Click();
        });
        main.Picture17_Click();
        QCOMPARE(lines, 1);
    }

    // The copy window and the print of the shown entry use the titles and values the detail
    // view shows: apostrophes back in place of the stored substitute, in titles and values.
    void copyAndPrintShownEntry() {
        vault().exec(QStringLiteral("UPDATE CatDef SET pwDesc = ?, pwUDF1 = ? WHERE pwCat = 'HOME'"),
                     {QStringLiteral("Owner\u20acs item"), QStringLiteral("Door <code>")});
        vault().addEntry(QStringLiteral("Bob's shed"), QStringLiteral("HOME"),
                         {QStringLiteral("Bob's key"), QStringLiteral("garden")},
                         QStringLiteral("it's\nblue"));
        for (const char* name : {"tblpnt.htm", "tblpnta.htm"})
            QFile::copy(QStringLiteral(QUORLANE_SOURCE_DIR "/resources/templates/") + QLatin1String(name),
                        vault().folder() + QLatin1Char('/') + QLatin1String(name));
        frmMain& main = openMainWindow();
        QCOMPARE(main.Picture5->Label3->text(), QStringLiteral("BOB'S SHED"));
        QCOMPARE(shownTitles(*main.shownEntry())[0], QStringLiteral("Owner's item:"));

        ModalScript script;
        QStringList captions;
        fake().answers = {MsgAnswer::Yes};
        script.on<frmMainClip>(QStringLiteral("frmMainClip"), [&](frmMainClip& clip) {
            captions = {clip.Check1->text(), clip.Check17->text(), clip.Check6->text()};
            clip.Command4_Click();
            clip.Command20_Click();
            clip.Command5_Click();
        });
        main.Command1_Click();
        settle();
        QVERIFY(!isLoaded<frmMainClip>());
        QCOMPARE(captions, (QStringList{QStringLiteral("Owner's item"), QStringLiteral("Door <code>"),
                                        QStringLiteral("Category")}));
        QCOMPARE(fake().clipboard, QStringLiteral("OWNER'S ITEM: BOB'S SHED\r\nDOOR <CODE>: Bob's key\r\n"
                                                  "LOCATION: garden\r\nCONTACT: \r\nPHONE: \r\n"
                                                  "NOTES: it's\r\nblue\r\nCATEGORY: HOME\r\n"));

        QString printed;
        fake().onPrint = [&](QTextDocument& document) {
            printed = document.toPlainText();
            return true;
        };
        script.on<frmPrintConfirm>(QStringLiteral("frmPrintConfirm"),
                                   [](frmPrintConfirm& confirm) { confirm.Command20_Click(); });
        main.Command4_Click();
        settle();
        QCOMPARE(fake().printCount, 1);
        QVERIFY(!isLoaded<frmPrintConfirm>());
        for (const QString& shown :
             {QStringLiteral("BOB'S SHED"), QStringLiteral("Owner's item:"), QStringLiteral("Door <code>:"),
              QStringLiteral("Bob's key"), QStringLiteral("it's"), QStringLiteral("03/15/2013")})
            QVERIFY2(printed.contains(shown), qPrintable(shown));
        QVERIFY(!printed.contains(QChar(0x20AC)));
        QVERIFY(!QFile::exists(vault().folder() + QStringLiteral("/tbltmp.htm")));
    }
};

QUORLANE_TEST(ViewFlowsTest);
#include "tst_viewflows.moc"
