#include "entries/frmsearch.h"
#include "store/vault.h"
#include "testmain.h"
#include "testvault.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class SearchTest final : public VaultTestCase {
    Q_OBJECT

    void prepare() {
        vault().addEntry(QStringLiteral("Home Router"), QStringLiteral("HOME"),
                         {QStringLiteral("admin"), QStringLiteral("Cellar shelf")},
                         QStringLiteral("Reset: hold 10 s"));
        vault().addEntry(QStringLiteral("Joe's Bank"), QStringLiteral("BANK ACCOUNT"),
                         {QStringLiteral("12-34"), QStringLiteral("router pin 77")},
                         QStringLiteral("router\nrouter"));
        vault().addEntry(QStringLiteral("  webmail  "), QStringLiteral("WEB SITE"),
                         {QStringLiteral("www.mail.example")}, QStringLiteral("The home page"));
        vault().addEntry(QStringLiteral("Café"), QStringLiteral("HOME"), {}, QStringLiteral("Hauptstraße 5"));
        vault().addEntry(QStringLiteral("Twin"), QStringLiteral("HOME"), {QStringLiteral("one")});
        vault().addEntry(QStringLiteral("Twin"), QStringLiteral("EMAIL"), {QStringLiteral("two")});
    }

    frmSearch& search(const QString& word) {
        frmSearch& window = form<frmSearch>();
        window.Text1->setText(word);
        window.Command1_Click();
        return window;
    }

private slots:
    void results_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QString>("count");
        QTest::newRow("case-blind, in fields and notes, each entry once")
            << "ROUTER" << QStringList{"HOME ROUTER", "JOE'S BANK"} << "2 Matches.";
        QTest::newRow("outer spaces of the word ignored")
            << "  cellar " << QStringList{"HOME ROUTER"} << "1 Match.";
        QTest::newRow("inner spaces count") << "pin 77" << QStringList{"JOE'S BANK"} << "1 Match.";
        QTest::newRow("inner spaces count, no match") << "pin  77" << QStringList{} << "0 Matches.";
        QTest::newRow("apostrophe") << "joe's" << QStringList{"JOE'S BANK"} << "1 Match.";
        QTest::newRow("category names are not searched") << "bank account" << QStringList{} << "0 Matches.";
        QTest::newRow("in a description, trimmed in the list")
            << "WEBMAIL" << QStringList{"WEBMAIL"} << "1 Match.";
        QTest::newRow("entries sharing a description")
            << "twin" << QStringList{"TWIN", "TWIN"} << "2 Matches.";
        QTest::newRow("accented letters") << "café" << QStringList{"CAFÉ"} << "1 Match.";
        QTest::newRow("sharp s stays itself") << "STRAßE" << QStringList{"CAFÉ"} << "1 Match.";
        QTest::newRow("sharp s is not SS") << "STRASSE" << QStringList{} << "0 Matches.";
        QTest::newRow("empty word lists every entry")
            << "   " << QStringList{"CAFÉ", "HOME ROUTER", "JOE'S BANK", "TWIN", "TWIN", "WEBMAIL"}
            << "6 Matches.";
    }
    void results() {
        QFETCH(QString, word);
        QFETCH(QStringList, results);
        QFETCH(QString, count);
        prepare();
        frmSearch& window = search(QStringLiteral("HOME"));
        QCOMPARE(listRows(window.List1), (QStringList{"HOME ROUTER", "WEBMAIL"}));
        window.Text1->setText(word);
        window.Command1_Click();
        QCOMPARE(listRows(window.List1), results);
        QCOMPARE(window.Label4->text(), count);
        QCOMPARE(window.Text1->text(), QString());
        QVERIFY(window.Picture4->isHidden());
        QVERIFY(fake().messages.isEmpty());
    }

    // The empty word finds an entry of a blank description by another value that is not blank;
    // an entry with no value at all is not found.
    void emptyWordAndBlankDescriptions() {
        vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"));
        const qint64 gate = vault().addEntry(QStringLiteral("  "), QStringLiteral("HOME"), {},
                                             QStringLiteral("gate code 4711"));
        vault().addEntry(QString(), QStringLiteral("HOME"), {QStringLiteral(" ")});
        frmSearch& window = search(QString());
        QCOMPARE(listRows(window.List1), (QStringList{QString(), QStringLiteral("GARAGE")}));
        QCOMPARE(window.Label4->text(), QStringLiteral("2 Matches."));
        window.List1->setCurrentRow(0);
        QCOMPARE(listKey(window.List1), std::optional(gate));
    }

    // Picking a result shows it in the main window, switching to every category only when needed.
    void pickingAResult() {
        prepare();
        frmMain& main = openMainWindow();
        setComboText(main.Combo1, QStringLiteral("HOME"));
        main.Command3_Click();
        QCOMPARE(fake().modals, QStringList{QStringLiteral("frmSearch")});
        frmSearch& window = search(QStringLiteral("bank"));
        setListIndex(window.List1, 0);
        QCOMPARE(main.Combo1->currentText(), QStringLiteral("ALL CATEGORIES"));
        QCOMPARE(listText(main.List1), QStringLiteral("JOE'S BANK"));
        QCOMPARE(main.Picture5->Text2->text(), QStringLiteral("router pin 77"));
        QVERIFY(!main.Picture1->isHidden());
        QVERIFY(isLoaded<frmSearch>());

        // Already unfiltered: the list is not refilled (an entry added meanwhile stays unlisted).
        vault().addEntry(QStringLiteral("Added Later"), QStringLiteral("HOME"), {QStringLiteral("router")});
        search(QStringLiteral("cellar"));
        setListIndex(window.List1, 0);
        QCOMPARE(listText(main.List1), QStringLiteral("HOME ROUTER"));
        QCOMPARE(main.List1->count(), 6);

        // Results of one description each show their own entry.
        search(QStringLiteral("twin"));
        for (int row : {1, 0}) {
            setListIndex(window.List1, row);
            QCOMPARE(main.Picture5->Text1->text(), row == 0 ? QStringLiteral("one") : QStringLiteral("two"));
            QCOMPARE(main.Picture5->Label10->text(),
                     row == 0 ? QStringLiteral("HOME") : QStringLiteral("EMAIL"));
        }
    }

    // The search that cannot read the vault: the report after the busy picture is hidden again.
    void failedSearch() {
        prepare();
        frmSearch& window = form<frmSearch>();
        window.Text1->setText(QStringLiteral("router"));
        // While the vault is read the busy picture shows and the pointer is the hourglass.
        QList<bool> busyShown;
        setFaultHook([&](int code, int, int) {
            busyShown << (!window.Picture4->isHidden() && window.cursor().shape() == Qt::WaitCursor);
            return code == 206;
        });
        window.Command1_Click();
        QCOMPARE(busyShown, QList<bool>(5, true));
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("E206 : Retrieval Error")});
        QCOMPARE(fake().messages.first().prompt,
                 "Could not retrieve data from database.\n" + InjectedFailure);
        QVERIFY(window.Picture4->isHidden());
        QCOMPARE(window.Text1->text(), QStringLiteral("router"));
        QCOMPARE(window.Label4->text(), QStringLiteral("0 Matches"));
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    }

    // Enter in the word box runs the search once; Esc closes the window.
    void keyboard() {
        prepare();
        frmSearch& window = form<frmSearch>();
        window.show();
        int searches = 0;
        setFaultHook([&](int code, int attempt, int statement) {
            searches += code == 206 && attempt == 1 && statement == 1;
            return false;
        });
        QTest::keyClicks(window.Text1, QStringLiteral("cellar"));
        QTest::keyClick(window.Text1, Qt::Key_Return);
        QCOMPARE(searches, 1);
        QCOMPARE(listRows(window.List1), QStringList{"HOME ROUTER"});
        const QPointer<frmSearch> shown(&window);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(closed(shown));
    }
};

QUORLANE_TEST(SearchTest);
#include "tst_search.moc"
