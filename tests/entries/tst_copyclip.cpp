#include "entries/frmmainclip.h"
#include "testmain.h"
#include "testvault.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

class CopyToClipboardTest final : public VaultTestCase {
    Q_OBJECT

    frmMainClip& open() {
        vault().addEntry(
            QStringLiteral("Joe's site"), QStringLiteral("WEB SITE"),
            {QStringLiteral("www.example.com"), QStringLiteral("joe"), QString(), QStringLiteral("j@x.org")},
            QStringLiteral("line one\nline two"));
        openMainWindow().Command1_Click();
        return form<frmMainClip>();
    }

private slots:
    // The boxes carry the entry's field titles; description to notes are ticked, the category not.
    void opening() {
        frmMainClip& clip = open();
        QCOMPARE(fake().modals, QStringList{QStringLiteral("frmMainClip")});
        const QList<QCheckBox*> boxes = {clip.Check1, clip.Check17, clip.Check2, clip.Check3,
                                         clip.Check4, clip.Check5,  clip.Check6};
        QStringList captions;
        QList<bool> ticked;
        for (QCheckBox* box : boxes) {
            captions << box->text();
            ticked << box->isChecked();
        }
        QCOMPARE(captions, (QStringList{"Site", "Web Address", "User Name", "Password", "E-mail", "Notes",
                                        "Category"}));
        QCOMPARE(ticked, (QList<bool>{true, true, true, true, true, true, false}));
    }

    void copying_data() {
        QTest::addColumn<bool>("titles");
        QTest::addColumn<QString>("ticks"); // one letter per box in screen order: x ticked
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("with titles, as opened")
            << true << "xxxxxx-"
            << "SITE: JOE'S SITE\r\nWEB ADDRESS: www.example.com\r\nUSER NAME: joe\r\nPASSWORD: \r\n"
               "E-MAIL: j@x.org\r\nNOTES: line one\r\nline two\r\n";
        QTest::newRow("without titles, as opened")
            << false << "xxxxxx-"
            << "JOE'S SITE\r\nwww.example.com\r\njoe\r\n\r\nj@x.org\r\nline one\r\nline two\r\n";
        QTest::newRow("category comes last") << true << "x-----x"
                                             << "SITE: JOE'S SITE\r\nCATEGORY: WEB SITE\r\n";
        QTest::newRow("nothing ticked") << false << "-------"
                                        << "";
    }
    void copying() {
        QFETCH(bool, titles);
        QFETCH(QString, ticks);
        QFETCH(QString, clipboard);
        frmMainClip& clip = open();
        const QList<QCheckBox*> boxes = {clip.Check1, clip.Check17, clip.Check2, clip.Check3,
                                         clip.Check4, clip.Check5,  clip.Check6};
        for (int i = 0; i < boxes.size(); ++i)
            boxes[i]->setChecked(ticks[i] == QLatin1Char('x'));
        fake().clipboard = QStringLiteral("old");
        fake().answers = {titles ? MsgAnswer::Yes : MsgAnswer::No};
        clip.Command20_Click();
        QCOMPARE(fake().clipboard, clipboard);
        QCOMPARE(fake().titles(),
                 (QStringList{QStringLiteral("Copy to Clipboard"), QStringLiteral("Success")}));
        QCOMPARE(fake().messages.first().prompt,
                 QStringLiteral("Do you want field titles to accompany the data?"));
        QCOMPARE(fake().messages.first().buttons, MsgButtons::YesNo);
        QCOMPARE(fake().messages.last().prompt,
                 QStringLiteral("Data successfully copied to your clipboard."));
        QVERIFY(isLoaded<frmMainClip>());
    }

    // A title holding "&" is shown as typed (not as a shortcut marker) and copied as typed.
    void ampersandInTitles() {
        vault().exec(QStringLiteral("UPDATE CatDef SET pwUDF1 = 'R&D Portal' WHERE pwCat = 'WEB SITE'"));
        frmMainClip& clip = open();
        QCOMPARE(clip.Check17->text(), QStringLiteral("R&&D Portal"));
        for (QCheckBox* box : {clip.Check1, clip.Check2, clip.Check3, clip.Check4, clip.Check5})
            box->setChecked(false);
        fake().answers = {MsgAnswer::Yes};
        clip.Command20_Click();
        QCOMPARE(fake().clipboard, QStringLiteral("R&D PORTAL: www.example.com\r\n"));
    }

    void selectAllAndNone() {
        frmMainClip& clip = open();
        clip.Command4_Click();
        for (QCheckBox* box : clip.findChildren<QCheckBox*>())
            QVERIFY(box->isChecked());
        clip.Command3_Click();
        for (QCheckBox* box : clip.findChildren<QCheckBox*>())
            QVERIFY(!box->isChecked());
    }

    // Without a current entry the command opens nothing.
    void noCurrentEntry() {
        frmMain& main = openMainWindow();
        main.Command1_Click();
        QVERIFY(fake().modals.isEmpty());
    }

    // Enter copies; Esc closes the window.
    void keyboard() {
        frmMainClip& clip = open();
        clip.show();
        fake().answers = {MsgAnswer::No};
        QTest::keyClick(&clip, Qt::Key_Return);
        QCOMPARE(fake().titles(),
                 (QStringList{QStringLiteral("Copy to Clipboard"), QStringLiteral("Success")}));
        QCOMPARE(fake().clipboard.count(QStringLiteral("\r\n")), 7);
        const QPointer<frmMainClip> shown(&clip);
        QTest::keyClick(&clip, Qt::Key_Escape);
        QVERIFY(closed(shown));
    }
};

QUORLANE_TEST(CopyToClipboardTest);
#include "tst_copyclip.moc"
