#include "app/controls.h"
#include "app/forms.h"
#include "app/picturebox.h"
#include "entries/frmentry.h"
#include "entries/maincommands.h"
#include "fakeplatform.h"
#include "mainwindow/frmmain.h"
#include "store/globals.h"
#include "store/vault.h"
#include "testmain.h"
#include "testvault.h"

#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QTest>

namespace {

// The main window as start-up leaves it: filter and list filled, shown, first entry selected.
frmMain& started() {
    frmMain& main = form<frmMain>();
    form<frmMain>().fillCategoryFilter();
    main.show();
    if (main.List1->count() > 0) {
        main.List1->setFocus();
        setListIndex(main.List1, 0);
    }
    return main;
}

QStringList listed(const frmMain& main) {
    QStringList rows;
    for (int i = 0; i < main.List1->count(); ++i)
        rows << main.List1->entries().textAt(i);
    return rows;
}

QStringList comboRows(const QComboBox* box) {
    QStringList rows;
    for (int i = 0; i < box->count(); ++i)
        rows << box->itemText(i);
    return rows;
}

} // namespace

class EntryListTest final : public VaultTestCase {
    Q_OBJECT

    void addSampleEntries() {
        vault().addEntry(QStringLiteral("Northwind Bank"), QStringLiteral("CREDIT CARD"));
        vault().addEntry(QStringLiteral("example mail"), QStringLiteral("WEB SITE"));
        vault().addEntry(QStringLiteral("  Home Wi-Fi "), QStringLiteral("home"));
        vault().addEntry(QStringLiteral("Dad's Tablet"), QStringLiteral("HOME"));
        vault().addEntry(QStringLiteral("Old Locker"), QStringLiteral("GYM")); // category no longer exists
        vault().addEntry(QStringLiteral("Library Card"), QStringLiteral(" Home"));
    }

private slots:
    void filterListsTheCategorysEntries_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("all categories, the orphan included")
            << QStringLiteral("ALL CATEGORIES")
            << QStringList{"DAD'S TABLET", "EXAMPLE MAIL",   "HOME WI-FI",
                           "LIBRARY CARD", "NORTHWIND BANK", "OLD LOCKER"};
        QTest::newRow("category compared upper-cased and trimmed")
            << QStringLiteral("HOME") << QStringList{"DAD'S TABLET", "HOME WI-FI", "LIBRARY CARD"};
        QTest::newRow("one entry") << QStringLiteral("WEB SITE") << QStringList{"EXAMPLE MAIL"};
        QTest::newRow("empty category") << QStringLiteral("EMAIL") << QStringList{};
    }
    void filterListsTheCategorysEntries() {
        QFETCH(QString, category);
        QFETCH(QStringList, rows);
        addSampleEntries();
        frmMain& main = started();
        QVERIFY(setComboText(main.Combo1, category));
        QCOMPARE(listed(main), rows);
        QCOMPARE(main.Label35->text(), QString::number(rows.size()));
        QVERIFY(!main.List1->isHidden());
        QCOMPARE(main.Picture5->isHidden(), rows.isEmpty());
        if (rows.isEmpty()) {
            QVERIFY(!main.Picture7->isHidden());
            QVERIFY(main.Picture17->isHidden());
            QCOMPARE(main.Label29->text(), QString());
        } else {
            QCOMPARE(main.List1->currentRow(), 0);
            QCOMPARE(main.Picture5->Label3->text(), rows.first());
        }
        QVERIFY(fake().messages.isEmpty());
    }

    // A category may be called as the filter's first item reads: choosing it lists its own entries.
    void categoryNamedLikeEveryCategory() {
        vault().exec(QStringLiteral("INSERT INTO Cats (CatName) VALUES ('ALL CATEGORIES')"));
        vault().addEntry(QStringLiteral("Own"), QStringLiteral("ALL CATEGORIES"));
        vault().addEntry(QStringLiteral("Other"), QStringLiteral("HOME"));
        frmMain& main = started();
        QCOMPARE(listed(main), (QStringList{"OTHER", "OWN"}));
        QVERIFY(main.chooseFilter(QStringLiteral("ALL CATEGORIES")));
        QCOMPARE(main.filterText(), QStringLiteral("ALL CATEGORIES"));
        QCOMPARE(listed(main), QStringList{"OWN"});
    }

    void filterHoldsAllCategoriesThenTheCategoriesInNameOrder() {
        vault().exec(QStringLiteral("INSERT INTO Cats (CatName) VALUES ('garden')"));
        frmMain& main = started();
        QCOMPARE(comboRows(main.Combo1),
                 (QStringList{"ALL CATEGORIES", "BANK ACCOUNT", "CREDIT CARD", "EMAIL", "HOME",
                              "SOFTWARE LICENSE", "WEB SITE", "WI-FI NETWORK", "GARDEN"}));
        QCOMPARE(main.Combo1->currentText(), QStringLiteral("ALL CATEGORIES"));

        // The entry editor's box gets the categories alone, none chosen.
        FillEditorCategories();
        QComboBox* editor = form<frmEntry>().Combo1;
        QCOMPARE(comboRows(editor), comboRows(main.Combo1).mid(1));
        QCOMPARE(editor->currentIndex(), -1);
    }

    // The panels after an empty category: the detail pane comes back over the empty panel.
    void emptyCategoryThenEntries() {
        addSampleEntries();
        frmMain& main = started();
        setComboText(main.Combo1, QStringLiteral("EMAIL"));
        QVERIFY(main.Picture5->isHidden());
        setComboText(main.Combo1, QStringLiteral("HOME"));
        QVERIFY(!main.Picture5->isHidden());
        QCOMPARE(main.Picture5->x(), main.Picture7->x());
        QCOMPARE(main.Picture5->width(), main.Picture7->width());
        // The detail pane is drawn above the empty panel.
        QVERIFY(main.Picture1->children().indexOf(main.Picture5) >
                main.Picture1->children().indexOf(main.Picture7));
    }

    // Switching the filter keeps the selected position, not the entry.
    void switchingKeepsThePosition_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("shown");
        QTest::newRow("row 2 stays row 2") << 2 << 2 << QStringLiteral("LIBRARY CARD");
        QTest::newRow("no row selected gives the first") << -1 << 0 << QStringLiteral("DAD'S TABLET");
        QTest::newRow("a row beyond the new list selects nothing") << 5 << -1 << QString();
    }
    void switchingKeepsThePosition() {
        QFETCH(int, selected);
        QFETCH(int, expected);
        QFETCH(QString, shown);
        addSampleEntries();
        frmMain& main = started();
        if (selected < 0) {
            const QSignalBlocker blocker(main.List1);
            main.List1->setCurrentRow(-1);
        } else {
            setListIndex(main.List1, selected);
        }
        setComboText(main.Combo1, QStringLiteral("HOME"));
        QCOMPARE(main.List1->currentRow(), expected);
        if (!shown.isEmpty()) QCOMPARE(main.Picture5->Label3->text(), shown);
        QVERIFY(fake().messages.isEmpty());
    }

    void savedEntryIsSelectedAfterTheFill() {
        addSampleEntries();
        frmMain& main = started();
        main.fillEntryList(QStringLiteral("library card"));
        QCOMPARE(listText(main.List1), QStringLiteral("LIBRARY CARD"));
        QCOMPARE(main.Picture5->Label3->text(), QStringLiteral("LIBRARY CARD"));

        main.fillEntryList(QStringLiteral("nothing like it"));
        QCOMPARE(main.List1->currentRow(), -1);
    }

    // Letters beyond plain ASCII are upper-cased too, and the entry is found again by its row.
    void accentedDescriptions() {
        vault().addEntry(QStringLiteral("café crème"), QStringLiteral("HOME"), {QStringLiteral("latte")});
        vault().addEntry(QStringLiteral("Zoë's bike"), QStringLiteral("HOME"), {QStringLiteral("lock 1234")});
        frmMain& main = started();
        QCOMPARE(listed(main), (QStringList{"CAFÉ CRÈME", "ZOË'S BIKE"}));
        for (const QString& value : {QStringLiteral("latte"), QStringLiteral("lock 1234")}) {
            setListIndex(main.List1, value == QLatin1String("latte") ? 0 : 1);
            QCOMPARE(main.Picture5->Text1->text(), value);
        }
    }

    // Two entries with one description: two equal rows, each showing its own entry (also under
    // one category, and after the list is filled again).
    void duplicatesShowTheirOwnEntry() {
        const qint64 first =
            vault().addEntry(QStringLiteral("Twin"), QStringLiteral("HOME"), {QStringLiteral("first")});
        const qint64 second =
            vault().addEntry(QStringLiteral("twin "), QStringLiteral("HOME"), {QStringLiteral("second")});
        frmMain& main = started();
        for (const QString& category : {QStringLiteral("ALL CATEGORIES"), QStringLiteral("HOME")}) {
            setComboText(main.Combo1, category);
            QCOMPARE(listed(main), (QStringList{"TWIN", "TWIN"}));
            QSet<EntryKey> shown;
            for (int row : {1, 0, 1}) {
                setListIndex(main.List1, row);
                QCOMPARE(main.shownEntryKey(), listKey(main.List1));
                QCOMPARE(main.Picture5->Text1->text(),
                         main.shownEntryKey() == first ? QStringLiteral("first") : QStringLiteral("second"));
                shown << main.shownEntryKey().value_or(0);
            }
            QCOMPARE(shown, (QSet<EntryKey>{first, second}));
        }
        QVERIFY(fake().messages.isEmpty());
    }

    // Without its file the list fill fails five times and reports E213; the category fill then
    // fails once more and reports E211. Nothing else is asked and the list stays visible.
    void missingVaultReportsE213ThenE211() {
        QVERIFY(QFile::remove(vault().path()));
        frmMain& main = form<frmMain>();
        main.show();
        form<frmMain>().fillCategoryFilter();
        QCOMPARE(fake().titles(), (QStringList{"E213 : Retrieval Error", "E211 : Retrieval Error"}));
        QCOMPARE(storeState().attemptCount, short(6));
        for (const MessageRecord& m : fake().messages) {
            QVERIFY(m.prompt.startsWith(QStringLiteral("Could not retrieve data from database.\n(")));
            QCOMPARE(m.icon, MsgIcon::Error);
        }
        QVERIFY(!QFile::exists(vault().path()));
        QVERIFY(!main.List1->isHidden());
        QCOMPARE(main.List1->count(), 0);
        QCOMPARE(comboRows(main.Combo1), QStringList{"ALL CATEGORIES"});
    }

    // The category read failing on every attempt after a good list fill: five attempts, then
    // E211 once (the list fill, run once, does not start the count again).
    void categoryReadFailsAfterAGoodListFill() {
        vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"));
        int listFills = 0, categoryReads = 0;
        setFaultHook([&](int code, int, int) {
            listFills += code == 213;
            categoryReads += code == 211;
            return code == 211;
        });
        frmMain& main = form<frmMain>();
        form<frmMain>().fillCategoryFilter();
        QCOMPARE(listFills, 1);
        QCOMPARE(categoryReads, 5);
        QCOMPARE(fake().titles(), QStringList{"E211 : Retrieval Error"});
        QCOMPARE(listed(main), QStringList{"GARAGE"});
        QCOMPARE(comboRows(main.Combo1), QStringList{"ALL CATEGORIES"});
    }
};

QUORLANE_TEST(EntryListTest);
#include "tst_entrylist.moc"
