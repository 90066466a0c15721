#include "app/forms.h"
#include "fakeplatform.h"
#include "mainwindow/frmmain.h"
#include "testmain.h"
#include "testvault.h"
#include "waits.h"
#include "windowfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

// The detail view shows a one-time code setting's current code with its countdown, copies the
// code, and stops counting when another entry is shown.
class OneTimeViewTest final : public VaultTestCase {
    Q_OBJECT

    // RFC 4226's key: at 59 s (step 1) its codes end 287082, at 60 s (step 2) 359152.
    const QString secret = QStringLiteral("GEZDGNBVGY3TQOJQGEZDGNBVGY3TQOJQ");

private slots:
    void countdown() {
        vault().exec(
            QStringLiteral("UPDATE CatDef SET pwUDF4 = 'One-Time Code' WHERE pwCat = 'SOFTWARE LICENSE'"));
        vault().addEntry(QStringLiteral("Game"), QStringLiteral("SOFTWARE LICENSE"),
                         {"key", "me", "1", secret},
                         "first\notpauth://totp/x?secret=" + secret + "&digits=8\nlast");
        vault().addEntry(QStringLiteral("Plain"), QStringLiteral("WEB SITE"), {"www.plain.test", "me", "pw"});
        fake().clock = QDateTime::fromSecsSinceEpoch(59, Qt::UTC);
        frmMain& main = openMainWindow();
        QVERIFY(showActive(main));
        QCOMPARE(main.Picture5->Label3->text(), QStringLiteral("GAME"));
        QCOMPARE(main.Picture5->Text1->text(), QStringLiteral("key"));
        QCOMPARE(main.Picture5->Text4->text(), QStringLiteral("287 082  (1 s left)"));
        QCOMPARE(main.Picture5->Text5->toPlainText(),
                 QStringLiteral("first\nOne-time code: 9428 7082  (1 s left)\nlast"));

        fake().advance(1000);
        QCOMPARE(main.Picture5->Text4->text(), QStringLiteral("359 152  (30 s left)"));
        QCOMPARE(main.Picture5->Text5->toPlainText(),
                 QStringLiteral("first\nOne-time code: 3735 9152  (30 s left)\nlast"));
        fake().advance(1000);
        QCOMPARE(main.Picture5->Text4->text(), QStringLiteral("359 152  (29 s left)"));

        // The field's copy control and Ctrl+T copy the code; other fields copy their values.
        main.copyField(4);
        QCOMPARE(fake().clipboard, QStringLiteral("359152"));
        main.copyField(2);
        QCOMPARE(fake().clipboard, QStringLiteral("me"));
        QTest::keyClick(main.List1, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(fake().clipboard, QStringLiteral("359152"));

        // Another entry: no code, and the countdown no longer writes into its boxes.
        selectEntry(main, QStringLiteral("PLAIN"));
        QCOMPARE(main.Picture5->Text3->text(), QStringLiteral("pw"));
        fake().advance(3000);
        QCOMPARE(main.Picture5->Text4->text(), QString());
        QTest::keyClick(main.List1, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(fake().lastTitle(), QStringLiteral("No One-Time Code"));
        QCOMPARE(fake().messages.last().prompt,
                 QStringLiteral("The entry PLAIN has no one-time code.\nSet one up in the entry editor with "
                                "One-time code..."));
    }
};

QUORLANE_TEST(OneTimeViewTest);
#include "tst_onetimeview.moc"
