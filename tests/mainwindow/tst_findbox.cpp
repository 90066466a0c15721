// The find box above the entry list, as the person types into it.
#include "app/entrylistmodel.h"
#include "app/traylock.h"
#include "mainwindow/frmmain.h"
#include "testmain.h"
#include "testvault.h"
#include "waits.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class FindBoxTest final : public VaultTestCase {
    Q_OBJECT

    qint64 bank_ = 0;

    frmMain& prepare() {
        vault().addEntry(QStringLiteral("Mail Box"), QStringLiteral("WEB SITE"),
                         {"www.mail.example", "joe", "pw1"});
        vault().addEntry(QStringLiteral("Mailing List"), QStringLiteral("WEB SITE"),
                         {"lists.example", "ann", "pw2"});
        bank_ =
            vault().addEntry(QStringLiteral("Bank"), QStringLiteral("CREDIT CARD"), {"4111", "Joe Bloggs"});
        vault().addEntry(QStringLiteral("Straße 5"), QStringLiteral("HOME"), {"1234"});
        return openMainWindow();
    }

private slots:
    // The list narrows to what is typed, within the category; the count reads "N of M" and the
    // first entry left is shown, none when nothing is left.
    void narrows_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<bool>("everyValue");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("count");
        const QString all; // every category
        QTest::newRow("part of a description")
            << all << false << "mail" << QStringList{"MAIL BOX", "MAILING LIST"} << "2 of 4";
        QTest::newRow("case-blind, blanks around ignored")
            << all << false << "  bOx " << QStringList{"MAIL BOX"} << "1 of 4";
        QTest::newRow("the program's upper case: ß stays")
            << all << false << "straße" << QStringList{"STRAßE 5"} << "1 of 4";
        QTest::newRow("descriptions only: a user name finds nothing")
            << all << false << "joe" << QStringList{} << "0 of 4";
        QTest::newRow("every value: the user name")
            << all << true << "joe" << QStringList{"BANK", "MAIL BOX"} << "2 of 4";
        QTest::newRow("within the chosen category")
            << "CREDIT CARD" << true << "joe" << QStringList{"BANK"} << "1 of 1";
        QTest::newRow("nothing typed: every entry, the plain count")
            << all << false << "" << QStringList{"BANK", "MAIL BOX", "MAILING LIST", "STRAßE 5"} << "4";
    }
    void narrows() {
        QFETCH(QString, category);
        QFETCH(bool, everyValue);
        QFETCH(QString, typed);
        QFETCH(QStringList, listed);
        QFETCH(QString, count);
        frmMain& main = prepare();
        main.chooseFilter(category);
        main.chkFindAll->setChecked(everyValue);
        QTest::keyClicks(main.txtFind, typed);
        QTRY_COMPARE_WITH_TIMEOUT(main.Label35->text(), count, WaitMs);
        QCOMPARE(listRows(main.List1), listed);
        QCOMPARE(main.currentEntryText(), listed.value(0));
        QCOMPARE(main.Picture5->isVisible(), !listed.isEmpty());
    }

    // Typing on the list starts the find; Esc empties it and the list is whole again, still
    // showing the entry that was shown; a refill (another category) keeps the find.
    void keys() {
        frmMain& main = prepare();
        QVERIFY(showActive(main));
        main.List1->setFocus();
        QTest::keyClicks(main.List1, QStringLiteral("li"));
        QCOMPARE(main.txtFind->text(), QStringLiteral("li"));
        QCOMPARE(QApplication::focusWidget(), main.txtFind);
        QTRY_COMPARE_WITH_TIMEOUT(listRows(main.List1), QStringList{"MAILING LIST"}, WaitMs);
        main.chooseFilter(QStringLiteral("WEB SITE"));
        QCOMPARE(listRows(main.List1), QStringList{"MAILING LIST"});
        QCOMPARE(main.Label35->text(), QStringLiteral("1 of 2"));
        main.txtFind->setFocus();
        QTest::keyClick(main.txtFind, Qt::Key_Escape);
        QCOMPARE(main.txtFind->text(), QString());
        QCOMPARE(listRows(main.List1), (QStringList{"MAIL BOX", "MAILING LIST"}));
        QCOMPARE(main.Label35->text(), QStringLiteral("2"));
        QCOMPARE(main.currentEntryText(), QStringLiteral("MAILING LIST"));
        main.List1->setFocus();
        QTest::keyClick(main.List1, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), main.txtFind);
    }

    // An entry another window shows (a search result, a row of the health report) is shown even
    // when the find leaves it out: the find is emptied.
    void entryShownFromElsewhere() {
        frmMain& main = prepare();
        main.txtFind->setText(QStringLiteral("mail"));
        main.applyFind();
        main.showEntryOfAnyCategory(bank_);
        QCOMPARE(main.currentEntryText(), QStringLiteral("BANK"));
        QCOMPARE(main.txtFind->text(), QString());
        QCOMPARE(main.Label35->text(), QStringLiteral("4"));
    }

    // The lock empties the find with the list: unlocked, the whole list is back.
    void lockEmptiesTheFind() {
        frmMain& main = prepare();
        main.txtFind->setText(QStringLiteral("bank"));
        main.applyFind();
        QCOMPARE(main.Label35->text(), QStringLiteral("1 of 4"));
        trayLock().lock();
        QCOMPARE(main.txtFind->text(), QString());
        trayLock().showMainWindow();
        QCOMPARE(listRows(main.List1).size(), 4);
        QCOMPARE(main.Label35->text(), QStringLiteral("4"));
    }
};

QUORLANE_TEST(FindBoxTest);
#include "tst_findbox.moc"
