#include "store/vault.h"
#include "testmain.h"
#include "testvault.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class DeletionTest final : public VaultTestCase {
    Q_OBJECT

    qint64 alpha = 0, bravo = 0, charlie = 0;

    // Three HOME entries and one elsewhere; bravo has two attachments, charlie one.
    frmMain& prepare() {
        alpha = vault().addEntry(QStringLiteral("Alpha"), QStringLiteral("HOME"));
        bravo = vault().addEntry(QStringLiteral("Bravo"), QStringLiteral("HOME"));
        charlie = vault().addEntry(QStringLiteral("Charlie"), QStringLiteral("HOME"));
        vault().addEntry(QStringLiteral("Delta"), QStringLiteral("WEB SITE"));
        for (qint64 owner : {bravo, bravo, charlie})
            vault().exec(
                QStringLiteral("INSERT INTO eAttach (eID, AttachName, AttachPath, AttachPic) VALUES (?, 'a', "
                               "'/tmp/a.txt', '1')"),
                {QString::number(owner)});
        frmMain& main = openMainWindow();
        setComboText(main.Combo1, QStringLiteral("HOME"));
        return main;
    }

    QStringList storedKeys() {
        QStringList keys;
        for (const auto& row : vault().rows(QStringLiteral("SELECT pNum FROM PDF ORDER BY pNum")))
            keys << row[0].toString();
        return keys;
    }
    QStringList attachmentOwners() {
        QStringList owners;
        for (const auto& row : vault().rows(QStringLiteral("SELECT eID FROM eAttach ORDER BY eID")))
            owners << row[0].toString();
        return owners;
    }

private slots:
    void deleting_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("rowsAfter");
        QTest::addColumn<QString>("shownAfter");
        QTest::newRow("with attachments, successor shown")
            << "BRAVO" << QStringList{"ALPHA", "CHARLIE"} << "CHARLIE";
        QTest::newRow("without attachments") << "ALPHA" << QStringList{"BRAVO", "CHARLIE"} << "BRAVO";
        QTest::newRow("the last row") << "CHARLIE" << QStringList{"ALPHA", "BRAVO"} << "BRAVO";
    }
    void deleting() {
        QFETCH(QString, chosen);
        QFETCH(QStringList, rowsAfter);
        QFETCH(QString, shownAfter);
        frmMain& main = prepare();
        const QStringList owners = attachmentOwners();
        selectEntry(main, chosen);
        const QString key = QString::number(main.shownEntryKey().value_or(0));
        fake().answers = {MsgAnswer::Yes};
        main.Command8_Click();

        QCOMPARE(fake().titles(), (QStringList{QStringLiteral("Delete Entry?"), QStringLiteral("Success")}));
        const MessageRecord& question = fake().messages.first();
        QCOMPARE(question.prompt, "Are you sure you want to delete " + chosen + "?");
        QCOMPARE(question.buttons, MsgButtons::YesNo);
        QCOMPARE(question.defaultButton, MsgAnswer::No);
        QCOMPARE(question.icon, MsgIcon::Warning);
        QCOMPARE(fake().messages.last().prompt, QStringLiteral("Entry successfully deleted."));

        QVERIFY(!storedKeys().contains(key));
        QCOMPARE(storedKeys().size(), 3);
        QStringList expectedOwners = owners;
        expectedOwners.removeAll(key);
        QCOMPARE(attachmentOwners(), expectedOwners);
        QCOMPARE(main.Combo1->currentText(), QStringLiteral("HOME"));
        QCOMPARE(listRows(main.List1), rowsAfter);
        QCOMPARE(main.Picture5->Label3->text(), shownAfter);
    }

    // Nothing is asked without a current entry; No and a closed question change nothing; the
    // Delete key asks the same question.
    void askingFirst() {
        frmMain& main = prepare();
        main.List1->setCurrentRow(-1);
        main.Command8_Click();
        QVERIFY(fake().messages.isEmpty());

        selectEntry(main, QStringLiteral("BRAVO"));
        main.Command8_Click(); // the default answer is No
        fake().answers = {MsgAnswer::No};
        QTest::keyClick(main.List1, Qt::Key_Delete);
        QCOMPARE(fake().titles(),
                 (QStringList{QStringLiteral("Delete Entry?"), QStringLiteral("Delete Entry?")}));
        QCOMPARE(storedKeys().size(), 4);
        QCOMPARE(attachmentOwners().size(), 3);
    }

    // A delete whose second statement fails on every attempt removes nothing at all.
    void failedDeleteRemovesNothing() {
        frmMain& main = prepare();
        selectEntry(main, QStringLiteral("BRAVO"));
        failOperation(215, 2);
        fake().answers = {MsgAnswer::Yes};
        main.Command8_Click();
        QCOMPARE(fake().titles(),
                 (QStringList{QStringLiteral("Delete Entry?"), QStringLiteral("E215 : Update Failed")}));
        QCOMPARE(fake().messages.last().prompt, "Could not update database.\n" + InjectedFailure);
        QCOMPARE(storedKeys().size(), 4);
        QCOMPARE(attachmentOwners().size(), 3);
        QCOMPARE(listRows(main.List1), (QStringList{"ALPHA", "BRAVO", "CHARLIE"}));
    }
};

QUORLANE_TEST(DeletionTest);
#include "tst_deletion.moc"
