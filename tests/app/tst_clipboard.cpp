#include "apptestcase.h"
#include "fakeplatform.h"
#include "testmain.h"

#include "app/clipboard.h"
#include "app/forms.h"
#include "app/picturebox.h"
#include "entries/frmmainclip.h"
#include "mainwindow/frmmain.h"
#include "windowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

namespace {

const QString Secret = QStringLiteral("s3cret-pass");
const QString Hint = QStringLiteral("x-kde-passwordManagerHint");

// The main window showing one entry whose second field is Secret.
frmMain& mainWindowWithSecret(TestVault& vault) {
    vault.addEntry(QStringLiteral("Mail"), QStringLiteral("HOME"),
                   {QStringLiteral("me@example.org"), Secret, QString(), QString()},
                   QStringLiteral("line one\nline two"));
    frmMain& main = openMainWindow();
    main.setValueColour(Qt::black); // as start-up leaves it with neither display box ticked
    return main;
}

} // namespace

class ClipboardTest final : public AppTestCase {
    Q_OBJECT
private slots:
    // A copied value is taken off the clipboard after the stored delay; 0 keeps it there.
    void clearedAfterTheDelay_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("seconds"); // 0: never cleared
        QTest::newRow("nothing stored: 20 s") << QVariant() << 20;
        QTest::newRow("45 s") << QVariant(45) << 45;
        QTest::newRow("0: never") << QVariant(0) << 0;
        QTest::newRow("not a number: 20 s") << QVariant(QStringLiteral("soon")) << 20;
        QTest::newRow("negative: 20 s") << QVariant(-5) << 20;
    }
    void clearedAfterTheDelay() {
        QFETCH(QVariant, stored);
        QFETCH(int, seconds);
        store(QStringLiteral("ClipboardClearSeconds"), stored);
        frmMain& main = mainWindowWithSecret(vault());
        QTest::mouseClick(main.Picture5->Picture11, Qt::LeftButton);
        QCOMPARE(fake().clipboard, Secret);
        if (seconds == 0) {
            fake().advance(24LL * 3600 * 1000);
            QCOMPARE(fake().clipboard, Secret);
            return;
        }
        fake().advance(seconds * 1000 - 1);
        QCOMPARE(fake().clipboard, Secret);
        fake().advance(1);
        QCOMPARE(fake().clipboard, QString());
        QCOMPARE(fake().clipboardClears, 1);
    }

    // Only our value is cleared: what the user copied since stays, on expiry and on exit; a new
    // copy starts its own delay.
    void leavesWhatTheUserCopied() {
        frmMain& main = mainWindowWithSecret(vault());
        QTest::mouseClick(main.Picture5->Picture11, Qt::LeftButton);
        fake().advance(5000);
        fake().clipboard = QStringLiteral("copied in the browser");
        fake().advance(60000);
        QCOMPARE(fake().clipboard, QStringLiteral("copied in the browser"));
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, main.Command2_Click());
        QCOMPARE(fake().clipboard, QStringLiteral("copied in the browser"));
        QCOMPARE(fake().clipboardClears, 0);
    }
    void laterCopyStartsItsOwnDelay() {
        frmMain& main = mainWindowWithSecret(vault());
        QTest::mouseClick(main.Picture5->Picture10, Qt::LeftButton);
        fake().advance(15000);
        QTest::mouseClick(main.Picture5->Picture11, Qt::LeftButton);
        fake().advance(10000); // the first copy's delay has passed
        QCOMPARE(fake().clipboard, Secret);
        fake().advance(10000);
        QCOMPARE(fake().clipboard, QString());
    }

    // A value selected in a box (double or triple click) reaches the selection a middle click
    // pastes: it is marked and taken off after the clipboard's delay, unless selected over since.
    void selectionClearedAfterTheDelay() {
        selectionMade(Secret);
        QCOMPARE(fake().selection, Secret);
        fake().advance(19999);
        QCOMPARE(fake().selection, Secret);
        fake().advance(1);
        QCOMPARE(fake().selection, QString());
        selectionMade(QStringLiteral("first"));
        fake().selection = QStringLiteral("selected in the browser");
        fake().advance(20000);
        QCOMPARE(fake().selection, QStringLiteral("selected in the browser"));
    }

    // Exit takes our value off the clipboard, also when it would never be cleared otherwise.
    void exitClearsOurValue_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("default delay") << QVariant();
        QTest::newRow("never cleared") << QVariant(0);
    }
    void exitClearsOurValue() {
        QFETCH(QVariant, stored);
        store(QStringLiteral("ClipboardClearSeconds"), stored);
        frmMain& main = mainWindowWithSecret(vault());
        QTest::mouseClick(main.Picture5->Picture11, Qt::LeftButton);
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, main.Command2_Click());
        QCOMPARE(fake().clipboard, QString());
        QCOMPARE(fake().endCount, 1);
    }

    // Every way a value reaches the clipboard marks it for clipboard managers and clears it.
    void everyCopyIsMarked_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("copied");
        QTest::newRow("copy picture") << "picture" << Secret;
        QTest::newRow("copy window") << "window" << (Secret + QStringLiteral("\r\n"));
        QTest::newRow("copy key in a value box") << "key" << Secret;
        QTest::newRow("copy key in the notes") << "notes key" << QStringLiteral("line one\nline two");
        QTest::newRow("value box menu") << "menu" << Secret;
    }
    void everyCopyIsMarked() {
        QFETCH(QString, way);
        QFETCH(QString, copied);
        frmMain& main = mainWindowWithSecret(vault());
        if (way == QLatin1String("picture")) {
            QTest::mouseClick(main.Picture5->Picture11, Qt::LeftButton);
        } else if (way == QLatin1String("window")) {
            fake().answers = {MsgAnswer::No};
            main.Command1_Click();
            frmMainClip& clip = form<frmMainClip>();
            clip.Command3_Click();
            clip.Check2->setChecked(true);
            clip.Command20_Click();
        } else if (way == QLatin1String("key")) {
            main.Picture5->Text2->selectAll();
            QTest::keySequence(main.Picture5->Text2, QKeySequence::Copy);
        } else if (way == QLatin1String("notes key")) {
            main.Picture5->Text5->selectAll();
            QTest::keySequence(main.Picture5->Text5, QKeySequence::Copy);
        } else {
            main.Picture5->Text2->selectAll();
            emit main.Picture5->Text2->customContextMenuRequested({});
            QCOMPARE(fake().menus, QStringList{QStringLiteral("valueMenu")});
            QVERIFY(main.valueCopy->isEnabled());
            main.valueCopy->trigger();
        }
        QCOMPARE(fake().clipboard, copied);
        QCOMPARE(fake().clipboardData.value(Hint), QByteArray("secret"));
        fake().advance(20000);
        QCOMPARE(fake().clipboard, QString());
    }

    // The menu's "Select All" selects the whole box; without a selection its copy is off.
    void valueMenuSelectsAll() {
        frmMain& main = mainWindowWithSecret(vault());
        main.Picture5->Text2->deselect();
        emit main.Picture5->Text2->customContextMenuRequested({});
        QVERIFY(!main.valueCopy->isEnabled());
        main.valueSelectAll->trigger();
        QCOMPARE(main.Picture5->Text2->selectedText(), Secret);
    }
};

QUORLANE_TEST(ClipboardTest);
#include "tst_clipboard.moc"
