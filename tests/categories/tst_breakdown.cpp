// The category breakdown chart and the category transfer on the real windows.
#include "categories/breakdown.h"
#include "categories/frmresource.h"
#include "categories/frmxfer.h"
#include "categoryfixture.h"
#include "store/codec.h"
#include "store/vault.h"
#include "testmain.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QLabel>
#include <QLegend>
#include <QTest>
#include <QValueAxis>

using namespace catfix;

namespace {

// The bars as the chart holds them: "NAME=count", in series order.
QStringList bars(const frmResource& window) {
    QStringList out;
    const auto* series = qobject_cast<QBarSeries*>(window.m1->chart()->series().value(0));
    if (!series) return out;
    for (const QBarSet* set : series->barSets())
        out << QStringLiteral("%1=%2").arg(set->label()).arg(set->at(0));
    return out;
}

QBarSet* barOf(const frmResource& window, const QString& name) {
    const auto* series = qobject_cast<QBarSeries*>(window.m1->chart()->series().value(0));
    for (QBarSet* set : series->barSets())
        if (set->label() == name) return set;
    return nullptr;
}

// Three HOME entries, two in EMAIL (stored in other cases and blanks), two in WEB SITE, one in
// a category that is not listed and one without a category.
void addSampleEntries(TestVault& vault) {
    for (const char* d : {"Alarm", "Garage", "Safe"})
        vault.addEntry(QString::fromLatin1(d), QStringLiteral("HOME"));
    vault.addEntry(QStringLiteral("Work mail"), QStringLiteral("email"));
    vault.addEntry(QStringLiteral("Home mail"), QStringLiteral(" Email "));
    vault.addEntry(QStringLiteral("Shop"), QStringLiteral("WEB SITE"));
    vault.addEntry(QStringLiteral("Forum"), QStringLiteral("WEB SITE"));
    vault.addEntry(QStringLiteral("Old"), QStringLiteral("GONE"));
    vault.addEntry(QStringLiteral("Loose"), QString());
}

} // namespace

class BreakdownTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void barsAreOrderedByCount();
    void selectingABarReadsItsCount_data();
    void selectingABarReadsItsCount();
    void jumpShowsTheCategoryInTheMainWindow_data();
    void jumpShowsTheCategoryInTheMainWindow();
    void failedCountShowsNothing();
    void transferMovesOnlyTheCategorysEntries();
    void transferFromAnEmptyCategoryStillSucceeds();
    void transferChecksTheSelections_data();
    void transferChecksTheSelections();
    void failedTransferMovesNothing_data();
    void failedTransferMovesNothing();
    void enterAndEscInTheTransferWindow();
};

void BreakdownTest::barsAreOrderedByCount() {
    addSampleEntries(vault());
    form<frmMain>().Picture2->setPicture(QStringLiteral("cat_website"));
    QTest::mouseClick(form<frmMain>().Label35, Qt::LeftButton);
    QCOMPARE(fake().modals, QStringList{"frmResource"});
    const frmResource& window = form<frmResource>();
    QCOMPARE(window.windowTitle(), QStringLiteral("Category Breakdown"));
    QCOMPARE(bars(window), (QStringList{"HOME=3", "WEB SITE=2", "EMAIL=2", "CREDIT CARD=0", "BANK ACCOUNT=0",
                                        "SOFTWARE LICENSE=0", "WI-FI NETWORK=0"}));
    QCOMPARE(BreakdownNames.mid(1), (QStringList{"HOME", "WEB SITE", "EMAIL", "CREDIT CARD", "BANK ACCOUNT",
                                                 "SOFTWARE LICENSE", "WI-FI NETWORK"}));
    QCOMPARE(BreakdownCounts.mid(1), (QStringList{"3", "2", "2", "0", "0", "0", "0"}));

    QChart* chart = window.m1->chart();
    QCOMPARE(chart->title(), QStringLiteral("Category Breakdown"));
    QVERIFY(chart->legend()->isVisible());
    QCOMPARE(chart->axes(Qt::Horizontal).value(0)->titleText(), QStringLiteral("Category"));
    QCOMPARE(chart->axes(Qt::Vertical).value(0)->titleText(), QStringLiteral("Entries"));
    const auto* series = qobject_cast<QBarSeries*>(chart->series().value(0));
    QVERIFY(series->isLabelsVisible());
    for (const QBarSet* set : series->barSets())
        QCOMPARE(set->labelFont().pointSize(), 10);
    QCOMPARE(window.Picture1->picture(), QStringLiteral("cat_website"));
    QCOMPARE(window.Label1->text(), QStringLiteral("No data point selected."));
    QVERIFY(!window.Check1->isChecked());
}

void BreakdownTest::selectingABarReadsItsCount_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("none") << "BANK ACCOUNT"
                          << "The BANK ACCOUNT category has 0 entries.";
    QTest::newRow("one") << "EMAIL"
                         << "The EMAIL category has 1 entry.";
    QTest::newRow("two") << "HOME"
                         << "The HOME category has 2 entries.";
}

void BreakdownTest::selectingABarReadsItsCount() {
    QFETCH(QString, name);
    QFETCH(QString, sentence);
    vault().addEntry(QStringLiteral("Alarm"), QStringLiteral("HOME"));
    vault().addEntry(QStringLiteral("Safe"), QStringLiteral("HOME"));
    vault().addEntry(QStringLiteral("Mail"), QStringLiteral("EMAIL"));
    BuildCategoryBreakdown();
    frmResource& window = form<frmResource>();
    QBarSet* bar = barOf(window, name);
    QVERIFY(bar);
    emit bar->clicked(0);
    QCOMPARE(window.Label1->text(), sentence);
    QVERIFY(isLoaded<frmResource>());
}

void BreakdownTest::jumpShowsTheCategoryInTheMainWindow_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("category with entries") << "HOME" << QStringList{"ALARM", "GARAGE", "SAFE"};
    QTest::newRow("empty category") << "BANK ACCOUNT" << QStringList{};
}

void BreakdownTest::jumpShowsTheCategoryInTheMainWindow() {
    QFETCH(QString, name);
    QFETCH(QStringList, listed);
    addSampleEntries(vault());
    FillCategoryFilter(0);
    BuildCategoryBreakdown();
    frmResource& window = form<frmResource>();
    window.Check1->setChecked(true);
    emit barOf(window, name)->clicked(0);
    QVERIFY(!isLoaded<frmResource>());
    frmMain& main = form<frmMain>();
    QCOMPARE(main.Combo1->currentText(), name);
    QCOMPARE(itemsOf(main.List1), listed);
    QCOMPARE(main.List1->currentRow(), listed.isEmpty() ? -1 : 0);
    QCOMPARE(main.Label35->text(), QString::number(listed.size()));
}

void BreakdownTest::failedCountShowsNothing() {
    setFaultHook([](int code, int, int) { return code == 201; });
    BuildCategoryBreakdown();
    QCOMPARE(fake().titles(), QStringList{"E201 : Retrieval Error"});
    QVERIFY(fake().messages[0].prompt.startsWith("Could not retrieve data from database."));
    QVERIFY(fake().modals.isEmpty());
    QVERIFY(!isLoaded<frmResource>());
}

void BreakdownTest::transferMovesOnlyTheCategorysEntries() {
    addSampleEntries(vault());
    const auto before = vault().rows("SELECT pNum, PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU FROM PDF");
    QList<QStringList> rebuilt;
    fake().onShowModal = [&rebuilt](QDialog& dialog) {
        if (dialog.objectName() == QLatin1String("frmResource"))
            rebuilt << bars(static_cast<frmResource&>(dialog));
        if (dialog.objectName() != QLatin1String("frmXFer")) return;
        auto& transfer = static_cast<frmXFer&>(dialog);
        QCOMPARE(itemsOf(transfer.Combo1), (QStringList{"BANK ACCOUNT", "CREDIT CARD", "EMAIL", "HOME",
                                                        "SOFTWARE LICENSE", "WEB SITE", "WI-FI NETWORK"}));
        QCOMPARE(itemsOf(transfer.Combo2), itemsOf(transfer.Combo1));
        QCOMPARE(transfer.Combo1->currentIndex(), -1);
        QCOMPARE(transfer.Combo2->currentIndex(), -1);
        setComboText(transfer.Combo1, QStringLiteral("EMAIL"));
        setComboText(transfer.Combo2, QStringLiteral("CREDIT CARD"));
        QTest::mouseClick(transfer.Command2, Qt::LeftButton);
    };
    BuildCategoryBreakdown();
    QTest::mouseClick(form<frmResource>().Command1, Qt::LeftButton);

    QCOMPARE(fake().titles(), QStringList{"Success"});
    QCOMPARE(fake().messages[0].prompt, QStringLiteral("Transfer successfully completed."));
    QCOMPARE(fake().modals, (QStringList{"frmResource", "frmXFer", "frmResource"}));
    QVERIFY(!isLoaded<frmXFer>());
    // Built anew with the moved entries under the TO category.
    QCOMPARE(rebuilt.last(), (QStringList{"HOME=3", "CREDIT CARD=2", "WEB SITE=2", "EMAIL=0",
                                          "BANK ACCOUNT=0", "SOFTWARE LICENSE=0", "WI-FI NETWORK=0"}));

    const auto after = vault().rows("SELECT pNum, PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU FROM PDF");
    QCOMPARE(after.size(), before.size());
    QSet<QString> movedCategoryTexts;
    for (int i = 0; i < after.size(); ++i) {
        const bool moved = DecodeValue(before[i][7].toString()).toUpper().trimmed() == QLatin1String("EMAIL");
        for (int c : {0, 1, 2, 3, 4, 5, 6, 8})
            QCOMPARE(after[i][c], before[i][c]);
        if (moved) {
            QCOMPARE(DecodeValue(after[i][7].toString()), QStringLiteral("CREDIT CARD"));
            movedCategoryTexts << after[i][7].toString();
        } else {
            QCOMPARE(after[i][7].toByteArray(), before[i][7].toByteArray());
        }
    }
    // The TO name is encoded once: every moved entry holds the same stored text.
    QCOMPARE(movedCategoryTexts.size(), 1);
}

void BreakdownTest::transferFromAnEmptyCategoryStillSucceeds() {
    addSampleEntries(vault());
    const auto before = vault().rows("SELECT * FROM PDF");
    BuildCategoryBreakdown();
    form<frmResource>().Command1_Click();
    frmXFer& transfer = form<frmXFer>();
    setComboText(transfer.Combo1, QStringLiteral("BANK ACCOUNT"));
    setComboText(transfer.Combo2, QStringLiteral("HOME"));
    transfer.Command2_Click();
    QCOMPARE(fake().titles(), QStringList{"Success"});
    QCOMPARE(vault().rows("SELECT * FROM PDF"), before);
    QVERIFY(!isLoaded<frmXFer>());
    QVERIFY(isLoaded<frmResource>());
    QCOMPARE(fake().modals, (QStringList{"frmResource", "frmXFer", "frmResource"}));
}

void BreakdownTest::transferChecksTheSelections_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("focused");
    QTest::newRow("no FROM") << ""
                             << "HOME" << QStringList{} << "Combo1";
    QTest::newRow("no TO") << "HOME"
                           << "" << QStringList{} << "Combo2";
    QTest::newRow("same category") << "HOME"
                                   << "HOME" << QStringList{"Invalid Selections"} << "Combo2";
}

void BreakdownTest::transferChecksTheSelections() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, titles);
    QFETCH(QString, focused);
    vault().addEntry(QStringLiteral("Alarm"), QStringLiteral("HOME"));
    frmXFer& transfer = form<frmXFer>();
    transfer.show();
    QVERIFY(QTest::qWaitForWindowActive(&transfer));
    transfer.FillTransferLists();
    if (!from.isEmpty()) setComboText(transfer.Combo1, from);
    if (!to.isEmpty()) setComboText(transfer.Combo2, to);
    setFaultHook([](int, int, int) { return true; }); // nothing may be read
    QTest::mouseClick(transfer.Command2, Qt::LeftButton);
    QCOMPARE(fake().titles(), titles);
    if (!titles.isEmpty()) {
        QCOMPARE(fake().messages[0].prompt,
                 QStringLiteral("Selected categories must be different before performing transfer."));
        QCOMPARE(fake().messages[0].icon, MsgIcon::Error);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    QCOMPARE(DecodeValue(vault().value("SELECT sCat FROM PDF").toString()), QStringLiteral("HOME"));
    QVERIFY(isLoaded<frmXFer>());
}

void BreakdownTest::failedTransferMovesNothing_data() {
    QTest::addColumn<int>("failedAttempts");
    QTest::addColumn<int>("movedCount");
    QTest::newRow("second update fails once: the retry moves all") << 1 << 3;
    QTest::newRow("every attempt fails: nothing moved") << 5 << 0;
}

void BreakdownTest::failedTransferMovesNothing() {
    QFETCH(int, failedAttempts);
    QFETCH(int, movedCount);
    addSampleEntries(vault());
    frmXFer& transfer = form<frmXFer>();
    transfer.FillTransferLists();
    setComboText(transfer.Combo1, QStringLiteral("HOME"));
    setComboText(transfer.Combo2, QStringLiteral("BANK ACCOUNT"));
    // Statement 1 reads the entries; statement 3 is the second update.
    setFaultHook([failedAttempts](int code, int attempt, int statement) {
        return code == 202 && attempt <= failedAttempts && statement == 3;
    });
    transfer.Command2_Click();
    int moved = 0;
    for (const QVariantList& row : vault().rows("SELECT sCat FROM PDF"))
        moved += DecodeValue(row[0].toString()) == QLatin1String("BANK ACCOUNT");
    QCOMPARE(moved, movedCount);
    if (failedAttempts == 5) {
        QCOMPARE(fake().titles(), QStringList{"E202 : Transfer Failed"});
        QVERIFY(fake().messages[0].prompt.startsWith("Could not complete category transfer."));
        QVERIFY(isLoaded<frmXFer>());
        QCOMPARE(transfer.Combo1->currentText(), QStringLiteral("HOME"));
    } else {
        QCOMPARE(fake().titles(), QStringList{"Success"});
    }
}

void BreakdownTest::enterAndEscInTheTransferWindow() {
    frmXFer& transfer = form<frmXFer>();
    QCOMPARE(transfer.windowTitle(), QStringLiteral("Category Transfer"));
    transfer.show();
    QVERIFY(QTest::qWaitForWindowActive(&transfer));
    transfer.FillTransferLists();
    transfer.Combo1->setFocus();
    QTest::keyClick(transfer.Combo1, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), transfer.Combo2);
    QTest::keyClick(transfer.Combo2, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), transfer.Command2);
    QVERIFY(fake().messages.isEmpty());
    QTest::keyClick(&transfer, Qt::Key_Escape);
    QVERIFY(!isLoaded<frmXFer>());
}

QUORLANE_TEST(BreakdownTest);
#include "tst_breakdown.moc"
