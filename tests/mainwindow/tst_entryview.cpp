#include "app/controls.h"
#include "app/forms.h"
#include "app/picturebox.h"
#include "app/twips.h"
#include "fakeplatform.h"
#include "mainwindow/frmmain.h"
#include "store/codec.h"
#include "store/vault.h"
#include "testmain.h"
#include "testvault.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

frmMain& started() {
    frmMain& main = form<frmMain>();
    form<frmMain>().fillCategoryFilter();
    main.show();
    if (main.List1->count() > 0) setListIndex(main.List1, 0);
    return main;
}

bool selectEntry(frmMain& main, const QString& description) {
    return main.selectEntry(description, false);
}

} // namespace

class EntryViewTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    // Everything the detail view shows for one entry of a preset category.
    void showsTheEntry() {
        const QString longValue = QString(1000, QLatin1Char('x'));
        const qint64 key = vault().addEntry(
            QStringLiteral("Joe's Card"), QStringLiteral("CREDIT CARD"),
            {QStringLiteral("  4111 1111 "), QStringLiteral("it's 09/29"), longValue, QString()},
            QStringLiteral("line one\nline two's end\n"), QStringLiteral("03/15/2013 02:05:09 pm"));
        frmMain& main = started();

        QCOMPARE(main.Picture5->Label3->text(), QStringLiteral("JOE'S CARD"));
        QCOMPARE(main.Picture5->Label13->text(), main.Picture5->Label3->text());
        QCOMPARE(main.Picture5->Label10->text(), QStringLiteral("CREDIT CARD"));
        QCOMPARE(QString::number(main.shownEntryKey().value_or(0)), QString::number(key));
        QCOMPARE(main.Picture5->Text1->text(), QStringLiteral("4111 1111"));
        QCOMPARE(main.Picture5->Text2->text(), QStringLiteral("it's 09/29"));
        QCOMPARE(main.Picture5->Text3->text(), longValue);
        QCOMPARE(main.Picture5->Text4->text(), QString());
        QCOMPARE(main.Picture5->Text5->toPlainText(), QStringLiteral("line one\nline two's end"));
        QCOMPARE(main.Label29->text(), QStringLiteral("Last Updated: 03/15/2013"));
        const QStringList titles{main.Picture5->Label4->text(), main.Picture5->Label5->text(),
                                 main.Picture5->Label6->text(), main.Picture5->Label7->text(),
                                 main.Picture5->Label8->text(), shownTitles(*main.shownEntry())[0]};
        QCOMPARE(titles,
                 (QStringList{"Card Number:", "Expiry Date:", "Security Code:", "PIN:", "Notes:", "Card:"}));
        QCOMPARE(main.Picture5->Text1->toolTip(), QStringLiteral("Card Number:"));
        QCOMPARE(main.Picture5->Text5->toolTip(), QStringLiteral("Notes:"));
        QCOMPARE(main.Picture5->Picture6->picture(), QStringLiteral("cat_creditcard"));
        QVERIFY(!main.Picture5->isHidden());
        QVERIFY(main.Picture9->isHidden());
        QVERIFY(main.Picture17->isHidden());
        QVERIFY(fake().messages.isEmpty());
    }

    void categoryIcon_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("picture");
        QTest::newRow("0: credit card") << QStringLiteral("0") << QStringLiteral("cat_creditcard");
        QTest::newRow("3: web site") << QStringLiteral("3") << QStringLiteral("cat_website");
        QTest::newRow("2: home") << QStringLiteral("2") << QStringLiteral("cat_home");
        QTest::newRow("1: default") << QStringLiteral("1") << QStringLiteral("cat_default");
        QTest::newRow("255: default") << QStringLiteral("255") << QStringLiteral("cat_default");
        QTest::newRow("blanks around") << QStringLiteral(" 3 ") << QStringLiteral("cat_website");
    }
    void categoryIcon() {
        QFETCH(QString, stored);
        QFETCH(QString, picture);
        vault().exec(QStringLiteral("UPDATE CatDef SET pwImg = ? WHERE pwCat = 'EMAIL'"), {stored});
        vault().addEntry(QStringLiteral("Mailbox"), QStringLiteral("EMAIL"));
        frmMain& main = started();
        QCOMPARE(main.Picture5->Picture6->picture(), picture);
        QVERIFY(fake().messages.isEmpty());
    }

    // An icon number that is not a byte fails the read: E214 after five attempts, the busy
    // indicator left showing and the pane hidden.
    void badIconNumberReportsE214_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("empty") << QVariant(QString());
        QTest::newRow("null") << QVariant();
        QTest::newRow("a word") << QVariant(QStringLiteral("house"));
        QTest::newRow("above a byte") << QVariant(256);
        QTest::newRow("negative") << QVariant(-1);
    }
    void badIconNumberReportsE214() {
        QFETCH(QVariant, stored);
        vault().exec(QStringLiteral("UPDATE CatDef SET pwImg = ? WHERE pwCat = 'EMAIL'"), {stored});
        vault().addEntry(QStringLiteral("Mailbox"), QStringLiteral("EMAIL"));
        int attempts = 0;
        setFaultHook([&attempts](int code, int, int statement) {
            if (code == 214 && statement == 1) ++attempts;
            return false;
        });
        frmMain& main = started();
        QCOMPARE(attempts, 5);
        QCOMPARE(fake().titles(), QStringList{"E214 : Retrieval Error"});
        QVERIFY(!main.Picture9->isHidden());
        QVERIFY(main.Picture5->isHidden());
    }

    // An entry deleted by another program after the list was filled: clicking its row reads
    // nothing and reports E214 as a failed read does; the other rows still show.
    void entryDeletedBehindTheProgramsBack() {
        vault().addEntry(QStringLiteral("Kept"), QStringLiteral("HOME"), {QStringLiteral("here")});
        const qint64 gone = vault().addEntry(QStringLiteral("Gone"), QStringLiteral("HOME"));
        frmMain& main = started();
        vault().exec(QStringLiteral("DELETE FROM PDF WHERE pNum = ?"), {gone});
        QVERIFY(selectEntry(main, QStringLiteral("GONE")));
        QCOMPARE(fake().titles(), QStringList{"E214 : Retrieval Error"});
        QCOMPARE(fake().messages.first().prompt,
                 QStringLiteral("Could not retrieve data from database.\n(Quorlane: -1: The entry is no "
                                "longer in the vault)"));
        QVERIFY(main.Picture5->isHidden());
        QVERIFY(!main.Picture9->isHidden());
        QVERIFY(selectEntry(main, QStringLiteral("KEPT")));
        QCOMPARE(main.Picture5->Text1->text(), QStringLiteral("here"));
        QVERIFY(!main.Picture5->isHidden());
        QCOMPARE(fake().messages.size(), 1);
    }

    // An entry whose category has no definition keeps the titles and icon shown before on
    // screen; the commands get the entry without titles.
    void missingDefinitionKeepsTheTitles() {
        vault().addEntry(QStringLiteral("A Site"), QStringLiteral("WEB SITE"));
        vault().addEntry(QStringLiteral("B Locker"), QStringLiteral("GYM"), {QStringLiteral("17")});
        frmMain& main = started();
        QCOMPARE(main.Picture5->Label4->text(), QStringLiteral("Web Address:"));
        QVERIFY(selectEntry(main, QStringLiteral("B LOCKER")));
        QCOMPARE(main.Picture5->Label10->text(), QStringLiteral("GYM"));
        QCOMPARE(main.Picture5->Text1->text(), QStringLiteral("17"));
        QCOMPARE(main.Picture5->Label4->text(), QStringLiteral("Web Address:"));
        QVERIFY(!main.shownEntry()->definition);
        QCOMPARE(main.Picture5->Picture6->picture(), QStringLiteral("cat_website"));
        QVERIFY(fake().messages.isEmpty());
    }

    // Values that are not valid encodings never stop the view: one that cannot be decoded at all,
    // and one that decodes to control characters only, show as unreadable.
    void undecodableValuesAreShown() {
        const qint64 key = vault().addEntry(QStringLiteral("Odd"), QStringLiteral("HOME"));
        vault().exec(
            QStringLiteral("UPDATE PDF SET PDF2 = '999', PDF3 = 'not encoded', dtLU = NULL WHERE pNum = ?"),
            {key});
        frmMain& main = started();
        QCOMPARE(main.Picture5->Label3->text(), QStringLiteral("ODD"));
        QCOMPARE(main.Picture5->Text1->text(), QString());
        QCOMPARE(main.Picture5->Text1->placeholderText(),
                 QStringLiteral("This field could not be read. It is kept as stored."));
        QCOMPARE(main.Picture5->Text2->text(), QString());
        QCOMPARE(main.Picture5->Text2->placeholderText(), main.Picture5->Text1->placeholderText());
        QCOMPARE(main.Label29->text(), QStringLiteral("Last Updated: "));
        QVERIFY(fake().messages.isEmpty());
    }

    void lastUpdateDate_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("afternoon") << QStringLiteral("03/15/2013 02:05:09 pm")
                                   << QStringLiteral("03/15/2013");
        QTest::newRow("just after midnight")
            << QStringLiteral("12/31/1999 12:00:01 am") << QStringLiteral("12/31/1999");
        QTest::newRow("not a date") << QStringLiteral("yesterday") << QStringLiteral("yesterday");
    }
    void lastUpdateDate() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        vault().addEntry(QStringLiteral("Dated"), QStringLiteral("HOME"), {}, {}, stored);
        frmMain& main = started();
        QCOMPARE(main.Label29->text(), QStringLiteral("Last Updated: ") + shown);
    }

    // The launch button shows beside a value that starts with a web-address prefix, in any case.
    void webAddresses_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("launch");
        QTest::newRow("www. lower case") << QStringLiteral("www.example.com") << true;
        QTest::newRow("WWW. upper case") << QStringLiteral("WWW.EXAMPLE.COM") << true;
        QTest::newRow("Http:// mixed case") << QStringLiteral("Http://example.com") << true;
        QTest::newRow("https://") << QStringLiteral("https://example.com/a?b=c") << true;
        QTest::newRow("blanks before the prefix") << QStringLiteral("   https://example.com") << true;
        QTest::newRow("prefix later on") << QStringLiteral("see www.example.com") << false;
        QTest::newRow("another scheme") << QStringLiteral("ftp://example.com") << false;
        QTest::newRow("no dot") << QStringLiteral("wwwexample") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void webAddresses() {
        QFETCH(QString, value);
        QFETCH(bool, launch);
        vault().addEntry(QStringLiteral("Site"), QStringLiteral("WEB SITE"),
                         {QStringLiteral("plain"), QStringLiteral("plain"), QStringLiteral("plain"), value},
                         QStringLiteral("www.notes.example"));
        frmMain& main = started();
        const mainlayout::MainLayout& l = main.layoutInForce();
        QCOMPARE(!main.Picture5->web4->isHidden(), launch);
        QVERIFY(main.Picture5->web1->isHidden() && main.Picture5->web2->isHidden() &&
                main.Picture5->web3->isHidden());
        QCOMPARE(main.Picture5->Text4->width(), twips::toPx(launch ? l.text5Width - 450 : l.text5Width));
        QCOMPARE(main.Picture5->Text1->width(), main.Picture5->Text5->width());
        if (launch) QCOMPARE(main.Picture5->web4->x(), twips::toPx(l.picture5Width - 530));

        // The button opens the trimmed value.
        if (launch) {
            main.Picture5->web4->click();
            QCOMPARE(fake().opened, QStringList{value.trimmed()});
        }
    }

    // Showing a plain entry after a web address takes the button away again.
    void launchButtonGoesWithTheAddress() {
        vault().addEntry(QStringLiteral("A"), QStringLiteral("WEB SITE"), {QStringLiteral("www.a.example")});
        vault().addEntry(QStringLiteral("B"), QStringLiteral("WEB SITE"), {QStringLiteral("b")});
        frmMain& main = started();
        QVERIFY(!main.Picture5->web1->isHidden());
        QVERIFY(selectEntry(main, QStringLiteral("B")));
        QVERIFY(main.Picture5->web1->isHidden());
        QCOMPARE(main.Picture5->Text1->width(), main.Picture5->Text5->width());
    }

    void launchFailureIsReported() {
        vault().addEntry(QStringLiteral("A"), QStringLiteral("WEB SITE"),
                         {QStringLiteral("www.unreachable.invalid")});
        frmMain& main = started();
        fake().openSucceeds = false;
        main.Picture5->web1->click();
        QCOMPARE(fake().messages.size(), 1);
        QCOMPARE(fake().messages.first().title, QStringLiteral("Failed Execution"));
        QCOMPARE(fake().messages.first().prompt, QStringLiteral("Failed to open browser."));
        QCOMPARE(fake().messages.first().icon, MsgIcon::Error);
        QCOMPARE(main.Picture5->Label3->text(), QStringLiteral("A"));
    }

    // Each copy picture puts its whole box on the clipboard, an empty one included.
    void copyButtons_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("copied");
        QTest::newRow("field 1") << 1 << QStringLiteral("user'name");
        QTest::newRow("field 2, empty") << 2 << QString();
        QTest::newRow("field 4") << 4 << QStringLiteral("www.example.com");
        QTest::newRow("notes with line breaks, copied as CR LF") << 5 << QStringLiteral("first\r\nsecond");
    }
    void copyButtons() {
        QFETCH(int, field);
        QFETCH(QString, copied);
        vault().addEntry(
            QStringLiteral("Copy me"), QStringLiteral("HOME"),
            {QStringLiteral("user'name"), QString(), QStringLiteral("x"), QStringLiteral("www.example.com")},
            QStringLiteral("first\nsecond"));
        frmMain& main = started();
        main.Check2->setChecked(true); // copying works the same with the values hidden
        fake().clipboard = QStringLiteral("before");
        PictureBox* pictures[] = {main.Picture5->Picture10, main.Picture5->Picture11,
                                  main.Picture5->Picture12, main.Picture5->Picture13,
                                  main.Picture5->Picture14};
        QTest::mouseClick(pictures[field - 1], Qt::LeftButton);
        QCOMPARE(fake().clipboard, copied);
        QVERIFY(fake().messages.isEmpty());
    }

    // Enter in a value box moves on to the next box, the fourth to the notes.
    void enterMovesThroughTheBoxes() {
        vault().addEntry(QStringLiteral("A"), QStringLiteral("HOME"));
        frmMain& main = started();
        main.activateWindow();
        QWidget* order[] = {main.Picture5->Text1, main.Picture5->Text2, main.Picture5->Text3,
                            main.Picture5->Text4, main.Picture5->Text5};
        main.Picture5->Text1->setFocus();
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(order[i], Qt::Key_Return);
            QCOMPARE(main.focusWidget(), order[i + 1]);
        }
    }

    void attachmentIndicator() {
        const qint64 with = vault().addEntry(QStringLiteral("With"), QStringLiteral("HOME"));
        vault().addEntry(QStringLiteral("Without"), QStringLiteral("HOME"));
        vault().exec(
            QStringLiteral(
                "INSERT INTO eAttach (eID, AttachName, AttachPath, AttachPic) VALUES (?, 'a', 'b', '1')"),
            {QString::number(with)});
        frmMain& main = started();
        QVERIFY(selectEntry(main, QStringLiteral("WITH")));
        QVERIFY(!main.Picture17->isHidden());
        QVERIFY(selectEntry(main, QStringLiteral("WITHOUT")));
        QVERIFY(main.Picture17->isHidden());
    }
};

QUORLANE_TEST(EntryViewTest);
#include "tst_entryview.moc"
