#include "entries/frmentry.h"
#include "entries/frmonetime.h"
#include "testmain.h"
#include "testvault.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

// The entry editor's one-time code window: where a pasted setting goes, what is refused, and the
// QR code behind its warning.
class OneTimeWindowTest final : public VaultTestCase {
    Q_OBJECT

    frmEntry& newEntry(const QString& category, const QString& notes) {
        // A category of the user's own with a one-time code title.
        vault().exec(
            QStringLiteral("UPDATE CatDef SET pwUDF4 = 'One-Time Code' WHERE pwCat = 'SOFTWARE LICENSE'"));
        openMainWindow().Command10_Click();
        frmEntry& editor = form<frmEntry>();
        setComboText(editor.Combo1, category);
        for (QLineEdit* box : {editor.Text2, editor.Text1, editor.Text3, editor.Text4, editor.Text5})
            box->setText(QStringLiteral("kept"));
        editor.Text6->setPlainText(notes);
        return editor;
    }

    frmOneTime& openOneTime(frmEntry& editor) {
        editor.cmdOneTime->click();
        if (fake().modals.last() != QLatin1String("frmOneTime"))
            qFatal("the one-time code window did not open");
        return form<frmOneTime>();
    }

private slots:
    void setupGoesIntoItsPlace_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("box"); // the box that receives it
        QTest::addColumn<QString>("stored");
        const QString address = "otpauth://totp/ACME:me?secret=GEZDGNBV&issuer=ACME";
        QTest::newRow("the category's one-time code field") << "SOFTWARE LICENSE"
                                                            << ""
                                                            << " " + address + " "
                                                            << "Text5" << address;
        QTest::newRow("no such field: a line of the notes, a bare secret as an address")
            << "WEB SITE"
            << "first line"
            << "gezd gnbv"
            << "Text6"
            << "first line\notpauth://totp/?secret=GEZDGNBV";
        QTest::newRow("the setting in the notes is replaced")
            << "WEB SITE"
            << "a\notpauth://totp/old?secret=MFRGG\nb" << address << "Text6"
            << "a\n" + address + "\nb";
    }
    void setupGoesIntoItsPlace() {
        QFETCH(QString, category);
        QFETCH(QString, notes);
        QFETCH(QString, pasted);
        QFETCH(QString, box);
        QFETCH(QString, stored);
        frmEntry& editor = newEntry(category, notes);
        frmOneTime& window = openOneTime(editor);
        window.Text1->setText(pasted);
        QVERIFY2(window.Label2->text().startsWith(QLatin1String("Code now: ")),
                 qPrintable(window.Label2->text()));
        window.Command21_Click();
        QVERIFY(!isLoaded<frmOneTime>());
        QVERIFY(fake().messages.isEmpty());
        for (QLineEdit* other : {editor.Text1, editor.Text3, editor.Text4, editor.Text5})
            QCOMPARE(other->text(), other->objectName() == box ? stored : QStringLiteral("kept"));
        QCOMPARE(editor.Text6->toPlainText(), box == QLatin1String("Text6") ? stored : notes);
    }

    // Bad input is refused with its reason (the reasons themselves are the parser's) and changes
    // nothing in the editor.
    void badInputIsRefused() {
        const QString reason = "The algorithm \"MD5\" is not known; use SHA1, SHA256 or SHA512.";
        frmEntry& editor = newEntry(QStringLiteral("SOFTWARE LICENSE"), QStringLiteral("kept"));
        frmOneTime& window = openOneTime(editor);
        window.Text1->setText("otpauth://totp/a?secret=GEZDGNBV&algorithm=MD5");
        QCOMPARE(window.Label2->text(), reason);
        QVERIFY(!window.Command1->isEnabled());
        window.Command21_Click();
        QCOMPARE(fake().messages.size(), 1);
        QCOMPARE(fake().messages[0].title, QStringLiteral("One-Time Code"));
        QCOMPARE(fake().messages[0].prompt, reason + "\n\nThe entry is unchanged.");
        QVERIFY(fake().messages[0].icon == MsgIcon::Error);
        QVERIFY(isLoaded<frmOneTime>());
        window.reject();
        QVERIFY(!isLoaded<frmOneTime>());
        for (QLineEdit* box : {editor.Text2, editor.Text1, editor.Text3, editor.Text4, editor.Text5})
            QCOMPARE(box->text(), QStringLiteral("kept"));
        QCOMPARE(editor.Text6->toPlainText(), QStringLiteral("kept"));
    }

    // The window opens on the entry's setting; its QR code shows only after the warning is
    // answered Yes, and goes as soon as the text changes.
    void qrCodeAfterTheWarning() {
        const QString address = "otpauth://totp/ACME:me?secret=GEZDGNBV";
        frmEntry& editor = newEntry(QStringLiteral("WEB SITE"), "note\n" + address);
        frmOneTime& window = openOneTime(editor);
        QCOMPARE(window.Text1->text(), address);
        QCOMPARE(window.Combo1->currentText(), QStringLiteral("Notes"));

        fake().answers = {MsgAnswer::No};
        window.Command1->click();
        QCOMPARE(fake().messages.size(), 1);
        QCOMPARE(fake().messages[0].title, QStringLiteral("Show QR Code"));
        QVERIFY(fake().messages[0].icon == MsgIcon::Warning);
        QVERIFY(fake().messages[0].defaultButton == MsgAnswer::No);
        QVERIFY(window.Picture1->isHidden());

        fake().answers = {MsgAnswer::Yes};
        window.Command1->click();
        QVERIFY(!window.Picture1->isHidden());
        const QPixmap qr = window.Picture1->pixmap();
        QVERIFY(!qr.isNull() && qr.width() == qr.height() && qr.width() >= 100);

        window.Text1->setText(address + "&digits=8");
        QVERIFY(window.Picture1->isHidden());
        QVERIFY(window.Picture1->pixmap().isNull());
    }
};

QUORLANE_TEST(OneTimeWindowTest);
#include "tst_onetime.moc"
