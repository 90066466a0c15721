#include "app/picturebox.h"
#include "categories/frmeditor.h"
#include "categories/frmresource.h"
#include "categories/frmxfer.h"
#include "entries/frmentry.h"
#include "testmain.h"
#include "testvault.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <algorithm>

// Flows between the main window and the category windows: the breakdown with its jump and its
// transfer, and the category editor reached from the entry editor.
class CategoryFlowsTest final : public VaultTestCase {
    Q_OBJECT

    qint64 alarmKey = 0;

    void seed() { alarmKey = vault().addSampleEntries().alarm; }

    // The category's place in the breakdown window's chart, from 1; 0 when it is not there.
    static int seriesOf(const frmResource& breakdown, const QString& name) {
        const QList<CategoryCount>& counts = breakdown.breakdown();
        const auto found = std::find_if(counts.begin(), counts.end(),
                                        [&](const CategoryCount& c) { return c.name == name; });
        return found == counts.end() ? 0 : int(found - counts.begin()) + 1;
    }

    // The count of each category as the breakdown window shows it.
    static QString countOf(const frmResource& breakdown, const QString& name) {
        const int series = seriesOf(breakdown, name);
        return series ? QString::number(breakdown.breakdown()[series - 1].count) : QString();
    }

private slots:
    // The count label opens the breakdown; a bar with the jump box ticked sets the main filter
    // and shows the category's first entry, or an empty list.
    void breakdownJump_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("with entries")
            << QStringLiteral("HOME") << QStringList{QStringLiteral("ALARM"), QStringLiteral("GARAGE")};
        QTest::newRow("empty") << QStringLiteral("EMAIL") << QStringList{};
    }
    void breakdownJump() {
        QFETCH(QString, category);
        QFETCH(QStringList, listed);
        seed();
        frmMain& main = openMainWindow();
        selectEntry(main, QStringLiteral("SHOP"));

        ModalScript script;
        script.on<frmResource>(QStringLiteral("frmResource"), [&](frmResource& breakdown) {
            breakdown.Check1->setChecked(true);
            breakdown.m1_SeriesSelected(seriesOf(breakdown, category));
        });
        main.Label35_Click();
        settle();

        QVERIFY(!isLoaded<frmResource>());
        QCOMPARE(main.Combo1->currentText(), category);
        QCOMPARE(listRows(main.List1), listed);
        QCOMPARE(main.Label35->text(), QString::number(listed.size()));
        if (listed.isEmpty()) {
            QVERIFY(main.Picture5->isHidden() && !main.Picture7->isHidden() && main.Picture17->isHidden());
        } else {
            QCOMPARE(listText(main.List1), listed.first());
            QCOMPARE(main.Picture5->Label3->text(), listed.first());
            QCOMPARE(main.Picture5->Label10->text(), category);
            QVERIFY(!main.Picture5->isHidden());
        }
    }

    // Breakdown → transfer: the breakdown comes back with the new counts, and the main window
    // lists what each category now holds; the shown entry carries its new category.
    void breakdownTransfer_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("shownCategory");
        QTest::newRow("the FROM category") << QStringLiteral("HOME") << QStringList{} << QString();
        QTest::newRow("the TO category")
            << QStringLiteral("EMAIL") << QStringList{QStringLiteral("ALARM"), QStringLiteral("GARAGE")}
            << QStringLiteral("EMAIL");
        QTest::newRow("all categories")
            << QStringLiteral("ALL CATEGORIES")
            << QStringList{QStringLiteral("ALARM"), QStringLiteral("GARAGE"), QStringLiteral("SHOP")}
            << QStringLiteral("EMAIL");
    }
    void breakdownTransfer() {
        QFETCH(QString, filter);
        QFETCH(QStringList, listed);
        QFETCH(QString, shownCategory);
        seed();
        frmMain& main = openMainWindow();
        setComboText(main.Combo1, filter);

        ModalScript script;
        QStringList countsAfter;
        int shows = 0;
        script.on<frmXFer>(QStringLiteral("frmXFer"), [](frmXFer& transfer) {
            setComboText(transfer.Combo1, QStringLiteral("HOME"));
            setComboText(transfer.Combo2, QStringLiteral("EMAIL"));
            transfer.Command2_Click();
        });
        script.on<frmResource>(QStringLiteral("frmResource"), [&](frmResource& breakdown) {
            if (++shows == 1) return breakdown.Command1_Click();
            countsAfter = {countOf(breakdown, QStringLiteral("HOME")),
                           countOf(breakdown, QStringLiteral("EMAIL"))};
            breakdown.Command5_Click();
        });
        main.Label35_Click();
        settle();

        QCOMPARE(shows, 2);
        QCOMPARE(countsAfter, (QStringList{QStringLiteral("0"), QStringLiteral("2")}));
        QVERIFY(!isLoaded<frmResource>() && !isLoaded<frmXFer>());
        QCOMPARE(main.Combo1->currentText(), filter);
        QCOMPARE(listRows(main.List1), listed);
        QCOMPARE(main.Label35->text(), QString::number(listed.size()));
        if (listed.isEmpty()) {
            QVERIFY(main.Picture5->isHidden() && !main.Picture7->isHidden());
            QVERIFY(!main.hasCurrentEntry());
        } else {
            QCOMPARE(listText(main.List1), QStringLiteral("ALARM"));
            QCOMPARE(main.Picture5->Label10->text(), shownCategory);
            QCOMPARE(main.Picture5->Label4->text(), QStringLiteral("E-mail Address:"));
            QVERIFY(!main.Picture5->isHidden());
            // Editing the shown entry afterwards keeps it where the transfer put it.
            script.on<frmEntry>(QStringLiteral("frmEntry"), [](frmEntry& entry) { entry.Command21_Click(); });
            main.Command11_Click();
            QCOMPARE(vault().decodedEntry(alarmKey).value(6), QStringLiteral("EMAIL"));
        }
    }

    // The category editor retitles the shown entry's category: the main window shows the new
    // titles once the entry is shown again (after the entry editor is left without saving).
    void retitleShownCategory() {
        seed();
        frmMain& main = openMainWindow();
        selectEntry(main, QStringLiteral("SHOP"));

        ModalScript script;
        script.on<frmEditor>(QStringLiteral("frmEditor"), [](frmEditor& editor) {
            QCOMPARE(listText(editor.List1), QStringLiteral("WEB SITE"));
            editor.Command11_Click();
            editor.Text2->setText(QStringLiteral("Shop's name"));
            editor.Text1->setText(QStringLiteral("Address"));
            editor.Command21_Click();
            editor.Command2_Click();
        });
        script.on<frmEntry>(QStringLiteral("frmEntry"), [](frmEntry& entry) {
            entry.Command6_Click();
            entry.Command2_Click();
        });
        main.Command11_Click();
        settle();
        QCOMPARE(main.Picture5->Label4->text(), QStringLiteral("Web Address:"));
        selectEntry(main, QStringLiteral("SHOP"));
        QCOMPARE(shownTitles(*main.shownEntry())[0], QStringLiteral("Shop's name:"));
        QCOMPARE(main.Picture5->Label4->text(), QStringLiteral("Address:"));
        QCOMPARE(main.Picture5->Text1->toolTip(), QStringLiteral("Address:"));
        QCOMPARE(
            vault().value(QStringLiteral("SELECT pwDesc FROM CatDef WHERE pwCat = 'WEB SITE'")).toString(),
            QStringLiteral("Shop\u20acs name"));
    }

    // Deleting a category from the category editor while the main filter shows it: the filter
    // falls back to "ALL CATEGORIES" and the list with it; another filter stays as it was.
    void deleteFilteredCategory_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("filterAfter");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("the deleted category")
            << QStringLiteral("EMAIL") << QStringLiteral("ALL CATEGORIES")
            << QStringList{QStringLiteral("ALARM"), QStringLiteral("GARAGE"), QStringLiteral("SHOP")};
        QTest::newRow("another category") << QStringLiteral("WEB SITE") << QStringLiteral("WEB SITE")
                                          << QStringList{QStringLiteral("SHOP")};
    }
    void deleteFilteredCategory() {
        QFETCH(QString, filter);
        QFETCH(QString, filterAfter);
        QFETCH(QStringList, listed);
        seed();
        frmMain& main = openMainWindow();
        setComboText(main.Combo1, filter);

        ModalScript script;
        fake().answers = {MsgAnswer::Yes};
        script.on<frmEditor>(QStringLiteral("frmEditor"), [](frmEditor& editor) {
            const auto rows = editor.List1->findItems(QStringLiteral("EMAIL"), Qt::MatchExactly);
            setListIndex(editor.List1, editor.List1->row(rows.first()));
            editor.Command8_Click();
            editor.Command2_Click();
        });
        script.on<frmEntry>(QStringLiteral("frmEntry"), [](frmEntry& entry) {
            entry.Command6_Click();
            QCOMPARE(entry.Combo1->findText(QStringLiteral("EMAIL")), -1);
            entry.Command2_Click();
        });
        main.Command10_Click();
        settle();

        QCOMPARE(fake().titles(), (QStringList{QStringLiteral("Confirmation"), QStringLiteral("Success")}));
        QCOMPARE(main.Combo1->findText(QStringLiteral("EMAIL")), -1);
        QCOMPARE(main.Combo1->currentText(), filterAfter);
        QCOMPARE(listRows(main.List1), listed);
        QCOMPARE(main.Label35->text(), QString::number(listed.size()));
        QCOMPARE(listText(main.List1), listed.first());
        QCOMPARE(main.Picture5->Label3->text(), listed.first());
        QVERIFY(!main.Picture5->isHidden());
    }
};

QUORLANE_TEST(CategoryFlowsTest);
#include "tst_categoryflows.moc"
