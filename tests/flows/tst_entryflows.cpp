#include "categories/frmcatadd.h"
#include "categories/frmeditor.h"
#include "entries/frmentry.h"
#include "entries/frmsearch.h"
#include "store/vault.h"
#include "testmain.h"
#include "testvault.h"
#include "windowfixture.h"

#include "app/picturebox.h"
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QToolButton>

// Flows that start in the main window, go through the entry editor (and from there the category
// windows) and come back to the main list and detail view.
class EntryFlowsTest final : public VaultTestCase {
    Q_OBJECT

private slots:
    // New entry → category button → new category, retitled → chosen in the entry editor →
    // saved: the main window lists and shows the new entry under the new titles, the filter set
    // back to where it was.
    void newEntryInNewCategory_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("all categories") << QStringLiteral("ALL CATEGORIES")
                                        << QStringList{QStringLiteral("ALARM"), QStringLiteral("GARAGE"),
                                                       QStringLiteral("ROSE'S BED"), QStringLiteral("SHOP")}
                                        << QStringLiteral("ROSE'S BED");
        QTest::newRow("another category")
            << QStringLiteral("HOME") << QStringList{QStringLiteral("ALARM"), QStringLiteral("GARAGE")}
            << QStringLiteral("ALARM");
    }
    void newEntryInNewCategory() {
        QFETCH(QString, filter);
        QFETCH(QStringList, listed);
        QFETCH(QString, shown);
        vault().addSampleEntries();
        frmMain& main = openMainWindow();
        setComboText(main.Combo1, filter);

        ModalScript script;
        QStringList entryBoxAfterCreate;
        script.on<frmCatAdd>(QStringLiteral("frmCatAdd"), [](frmCatAdd& add) {
            add.Text2->setText(QStringLiteral("  garden "));
            add.Command21_Click();
        });
        script.on<frmEditor>(QStringLiteral("frmEditor"), [&](frmEditor& editor) {
            editor.Command10_Click();
            entryBoxAfterCreate.clear();
            for (int i = 0; i < form<frmEntry>().Combo1->count(); ++i)
                entryBoxAfterCreate << form<frmEntry>().Combo1->itemText(i);
            const auto rows = editor.List1->findItems(QStringLiteral("GARDEN"), Qt::MatchExactly);
            QVERIFY(!rows.isEmpty());
            setListIndex(editor.List1, editor.List1->row(rows.first()));
            editor.Command11_Click();
            editor.Text2->setText(QStringLiteral("Plant"));
            editor.Text1->setText(QStringLiteral("Owner's name"));
            editor.Command21_Click();
            editor.Command2_Click();
        });
        script.on<frmEntry>(QStringLiteral("frmEntry"), [](frmEntry& entry) {
            entry.Text2->setText(QStringLiteral("Rose's bed"));
            entry.Command6_Click();
            QVERIFY(entry.Combo1->currentText().isEmpty());
            QVERIFY(setComboText(entry.Combo1, QStringLiteral("GARDEN")));
            QCOMPARE(entry.Label1->text(), QStringLiteral("Plant:"));
            QCOMPARE(entry.Label4->text(), QStringLiteral("Owner's name:"));
            QCOMPARE(entry.Label8->text(), QStringLiteral("Notes:"));
            QCOMPARE(entry.Text2->text(), QStringLiteral("Rose's bed"));
            entry.Text1->setText(QStringLiteral("Anne"));
            entry.Command21_Click();
        });
        main.Command10_Click();
        settle();

        QVERIFY(entryBoxAfterCreate.contains(QStringLiteral("GARDEN")));
        QVERIFY(!isLoaded<frmEditor>() && !isLoaded<frmCatAdd>());
        QCOMPARE(fake().titles(), (QStringList{QStringLiteral("Success"), QStringLiteral("Success"),
                                               QStringLiteral("Success")}));
        QCOMPARE(main.Combo1->currentText(), filter);
        QVERIFY(main.Combo1->findText(QStringLiteral("GARDEN")) > 0);
        QCOMPARE(listRows(main.List1), listed);
        QCOMPARE(main.Label35->text(), QString::number(listed.size()));
        QCOMPARE(listText(main.List1), shown);
        QCOMPARE(main.Picture5->Label3->text(), shown);
        if (shown == QLatin1String("ROSE'S BED")) {
            QCOMPARE(main.Picture5->Label10->text(), QStringLiteral("GARDEN"));
            QCOMPARE(shownTitles(*main.shownEntry())[0], QStringLiteral("Plant:"));
            QCOMPARE(main.Picture5->Label4->text(), QStringLiteral("Owner's name:"));
            QCOMPARE(main.Picture5->Text1->text(), QStringLiteral("Anne"));
            QVERIFY(!main.Picture5->isHidden());
        }
    }

    // Edit the shown entry and move it to another category: the list, the detail view and its
    // titles follow, whichever category the filter shows.
    void editMovesEntry_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("filterAfter");
        QTest::newRow("all categories")
            << QStringLiteral("ALL CATEGORIES") << QStringLiteral("ALL CATEGORIES");
        // The entry leaves the listed category: the filter widens so that the entry stays shown.
        QTest::newRow("the entry's old category")
            << QStringLiteral("HOME") << QStringLiteral("ALL CATEGORIES");
    }
    void editMovesEntry() {
        QFETCH(QString, filter);
        QFETCH(QString, filterAfter);
        vault().addSampleEntries();
        frmMain& main = openMainWindow();
        setComboText(main.Combo1, filter);
        selectEntry(main, QStringLiteral("GARAGE"));
        QCOMPARE(main.Picture5->Label4->text(), QStringLiteral("Code:"));

        ModalScript script;
        script.on<frmEntry>(QStringLiteral("frmEntry"), [](frmEntry& entry) {
            QVERIFY(setComboText(entry.Combo1, QStringLiteral("WEB SITE")));
            entry.Text1->setText(QStringLiteral("https://garage.example"));
            entry.Command21_Click();
        });
        main.Command11_Click();
        settle();

        QCOMPARE(fake().titles(), QStringList{QStringLiteral("Success")});
        QCOMPARE(main.Combo1->currentText(), filterAfter);
        const QStringList listed{QStringLiteral("ALARM"), QStringLiteral("GARAGE"), QStringLiteral("SHOP")};
        QCOMPARE(listRows(main.List1), listed);
        QCOMPARE(main.Label35->text(), QString::number(listed.size()));
        // The edited entry is shown under its new category, and the view never goes on showing
        // the entry as it was before the save.
        QCOMPARE(listText(main.List1), QStringLiteral("GARAGE"));
        QCOMPARE(main.Picture5->Label3->text(), QStringLiteral("GARAGE"));
        QCOMPARE(main.Picture5->Label10->text(), QStringLiteral("WEB SITE"));
        QCOMPARE(main.Picture5->Label4->text(), QStringLiteral("Web Address:"));
        QCOMPARE(shownTitles(*main.shownEntry())[0], QStringLiteral("Site:"));
        QCOMPARE(main.Picture5->Picture6->picture(), QStringLiteral("cat_website"));
        QCOMPARE(main.Picture5->Text1->text(), QStringLiteral("https://garage.example"));
        QVERIFY(!main.Picture5->web1->isHidden());
        QVERIFY(!main.Picture5->isHidden());
    }

    // A failed update leaves the editor open over an unchanged main window (same entry, same
    // key), so that saving again writes the entry that was being edited.
    void editFailsThenSaves() {
        vault().addSampleEntries();
        frmMain& main = openMainWindow();
        setComboText(main.Combo1, QStringLiteral("HOME"));
        selectEntry(main, QStringLiteral("GARAGE"));
        const QString key = QString::number(main.shownEntryKey().value_or(0));

        ModalScript script;
        QString keyAfterFailure;
        bool listedAfterFailure = false;
        script.on<frmEntry>(QStringLiteral("frmEntry"), [&](frmEntry& entry) {
            QVERIFY(setComboText(entry.Combo1, QStringLiteral("WEB SITE")));
            entry.Text2->setText(QStringLiteral("Carport"));
            setFaultHook([](int code, int, int) { return code == 223; });
            entry.Command21_Click();
            setFaultHook({});
            keyAfterFailure = QString::number(main.shownEntryKey().value_or(0));
            listedAfterFailure = main.Combo1->currentText() == QLatin1String("HOME");
            QVERIFY(isLoaded<frmEntry>());
            entry.Command21_Click();
        });
        main.Command11_Click();
        settle();

        QCOMPARE(keyAfterFailure, key);
        QVERIFY(listedAfterFailure);
        QCOMPARE(fake().titles(),
                 (QStringList{QStringLiteral("E223 : Update Failed"), QStringLiteral("Success")}));
        QCOMPARE(vault().decodedEntry(key.toLongLong()).value(0), QStringLiteral("Carport"));
        QCOMPARE(vault().decodedEntry(key.toLongLong()).value(6), QStringLiteral("WEB SITE"));
        QCOMPARE(main.Combo1->currentText(), QStringLiteral("ALL CATEGORIES"));
        QCOMPARE(listText(main.List1), QStringLiteral("CARPORT"));
        QCOMPARE(main.Picture5->Label10->text(), QStringLiteral("WEB SITE"));
    }

    // A search result from another category: the filter goes to "ALL CATEGORIES" only when it
    // shows one category, and the result is shown with the main panel visible.
    void searchPick_data() {
        QTest::addColumn<QString>("filter");
        QTest::newRow("filtered") << QStringLiteral("HOME");
        QTest::newRow("unfiltered") << QStringLiteral("ALL CATEGORIES");
        QTest::newRow("empty category") << QStringLiteral("EMAIL");
    }
    void searchPick() {
        QFETCH(QString, filter);
        vault().addSampleEntries();
        frmMain& main = openMainWindow();
        setComboText(main.Combo1, filter);
        if (main.List1->count() > 0) selectEntry(main, QStringLiteral("GARAGE"));

        ModalScript script;
        int filterChanges = 0;
        connect(main.Combo1, &QComboBox::activated, this, [&] { ++filterChanges; });
        script.on<frmSearch>(QStringLiteral("frmSearch"), [](frmSearch& search) {
            // What is typed at once goes into the word box.
            QCOMPARE(search.focusWidget(), search.Text1);
            search.Text1->setText(QStringLiteral("joe"));
            search.Command1_Click();
            QCOMPARE(listRows(search.List1), QStringList{QStringLiteral("SHOP")});
            setListIndex(search.List1, 0);
            search.Command15_Click();
        });
        main.Command3_Click();
        settle();

        QCOMPARE(filterChanges, filter == QLatin1String("ALL CATEGORIES") ? 0 : 1);
        QCOMPARE(main.Combo1->currentText(), QStringLiteral("ALL CATEGORIES"));
        QCOMPARE(main.Label35->text(), QStringLiteral("3"));
        QCOMPARE(listText(main.List1), QStringLiteral("SHOP"));
        QCOMPARE(main.Picture5->Label10->text(), QStringLiteral("WEB SITE"));
        QCOMPARE(main.Picture5->Text2->text(), QStringLiteral("joe"));
        QVERIFY(!main.Picture1->isHidden() && !main.Picture5->isHidden());
        QVERIFY(!isLoaded<frmSearch>());
    }
};

QUORLANE_TEST(EntryFlowsTest);
#include "tst_entryflows.moc"
