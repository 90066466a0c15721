// The category breakdown chart and the category transfer on the real windows.
#include "categories/frmresource.h"
#include "categories/frmxfer.h"
#include "categories/maincommands.h"
#include "categoryfixture.h"
#include "store/codec.h"
#include "store/vault.h"
#include "testmain.h"
#include "waits.h"

#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>

using namespace catfix;

namespace {

QAbstractBarSeries* seriesOf(const frmResource& window) {
    return qobject_cast<QAbstractBarSeries*>(window.m1->chart()->series().value(0));
}

// The bars as the chart holds them: "NAME=count", in series order.
QStringList bars(const frmResource& window) {
    QStringList out;
    for (const QBarSet* set : seriesOf(window)->barSets())
        out << set->label() + "=" + QString::number(set->sum());
    return out;
}

// The chart as the screen shows it.
QImage render(frmResource& window) {
    window.m1->grab();
    QCoreApplication::processEvents();
    return window.m1->grab().toImage();
}

// Where a category's bar stands in the chart view: the middle of its column, `height` entries up.
QPoint barPoint(frmResource& window, int column, double height) {
    render(window);
    QChart* chart = window.m1->chart();
    const QPointF inChart = chart->mapToPosition(QPointF(column, height), seriesOf(window));
    return window.m1->mapFromScene(chart->mapToScene(inChart));
}

// A click in the named category's column, just above the axis (on an empty column too).
void selectBar(frmResource& window, const QString& name) {
    const QList<CategoryCount>& counts = window.breakdown();
    const int column = int(
        std::find_if(counts.begin(), counts.end(), [&](const CategoryCount& c) { return c.name == name; }) -
        counts.begin());
    QVERIFY(column < counts.size());
    QPoint point = barPoint(window, column, 0);
    point.ry() -= 2;
    QTest::mouseClick(window.m1->viewport(), Qt::LeftButton, {}, point);
}

// HOME 3, EMAIL 2 (stored in other case and with blanks), WEB SITE 2, one entry in a category
// that is not listed, one without a category.
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

const QString Entries =
    QStringLiteral("SELECT pNum, PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU FROM PDF");

} // namespace

class BreakdownTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void barsAreOrderedByCount();
    void selectingABar_data();
    void selectingABar();
    void transfer_data();
    void transfer();
    void transferChecksTheSelections_data();
    void transferChecksTheSelections();
    void failedTransferMovesNothing();
    void manyCategoriesStayReadable();
    void mostCategoriesAreGrouped();
    void failedReadsAreReported_data();
    void failedReadsAreReported();
};

void BreakdownTest::barsAreOrderedByCount() {
    addSampleEntries(vault());
    form<frmMain>().Picture2->setPicture(QStringLiteral("cat_website"));
    QTest::mouseClick(form<frmMain>().Label35, Qt::LeftButton);
    QCOMPARE(fake().modals, QStringList{"frmResource"});
    const frmResource& window = form<frmResource>();
    // Equal counts keep the order of Cats; the unlisted and the empty category have no bar.
    QCOMPARE(bars(window), (QStringList{"HOME=3", "WEB SITE=2", "EMAIL=2", "CREDIT CARD=0", "BANK ACCOUNT=0",
                                        "SOFTWARE LICENSE=0", "WI-FI NETWORK=0"}));
    QChart* chart = window.m1->chart();
    QCOMPARE(chart->title(), QStringLiteral("Category Breakdown"));
    auto* names = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
    QCOMPARE(names->categories(), (QStringList{"HOME", "WEB SITE", "EMAIL", "CREDIT CARD", "BANK ACCOUNT",
                                               "SOFTWARE LICENSE", "WI-FI NETWORK"}));
    QCOMPARE(chart->axes(Qt::Horizontal).value(0)->titleText(), QStringLiteral("Category"));
    QCOMPARE(chart->axes(Qt::Vertical).value(0)->titleText(), QStringLiteral("Entries"));
    QVERIFY(seriesOf(window)->isLabelsVisible());
    QCOMPARE(seriesOf(window)->barSets().value(0)->labelFont().pointSize(), 10);
    QCOMPARE(window.Picture1->picture(), QStringLiteral("cat_website"));
    QCOMPARE(window.Label1->text(), QStringLiteral("No data point selected."));
}

// With 30 categories every bar has a colour of its own that stands out on white, every name
// stands under its bar, and a click on any bar selects its category.
void BreakdownTest::manyCategoriesStayReadable() {
    vault().exec(QStringLiteral("DELETE FROM Cats"));
    for (int i = 1; i <= 30; ++i) {
        const QString name = QStringLiteral("GROUP %1").arg(i, 2, 10, QLatin1Char('0'));
        vault().exec(QStringLiteral("INSERT INTO Cats (CatName) VALUES (?)"), {name});
        for (int k = 0; k < i % 4 + 1; ++k)
            vault().addEntry(QStringLiteral("E%1-%2").arg(i).arg(k), name);
    }
    form<frmMain>().fillCategoryFilter();
    BuildCategoryBreakdown();
    frmResource& window = form<frmResource>();
    QCOMPARE(window.breakdown().size(), 30);
    QStringList inOrder;
    for (const CategoryCount& category : window.breakdown())
        inOrder << category.name;
    auto* names = qobject_cast<QBarCategoryAxis*>(window.m1->chart()->axes(Qt::Horizontal).value(0));
    QCOMPARE(names->categories(), inOrder);
    QVERIFY(!names->truncateLabels());

    const QImage image = render(window);
    QList<QColor> seen;
    for (int column = 0; column < 30; ++column) {
        const QPoint middle = barPoint(window, column, double(window.breakdown()[column].count) / 2);
        const QColor colour = image.pixelColor(middle);
        QVERIFY2(colour.valueF() < 0.85 || colour.saturationF() > 0.5,
                 qPrintable(QStringLiteral("bar %1 is faint: %2").arg(column + 1).arg(colour.name())));
        for (const QColor& other : seen) {
            const int distance = std::abs(colour.red() - other.red()) +
                                 std::abs(colour.green() - other.green()) +
                                 std::abs(colour.blue() - other.blue());
            QVERIFY2(distance > 12, qPrintable(QStringLiteral("bar %1 looks like another").arg(column + 1)));
        }
        seen << colour;
    }
    for (QBarSet* set : seriesOf(window)->barSets())
        QCOMPARE(set->labelColor(), QColor(Qt::black));
    QVERIFY(seriesOf(window)->isLabelsVisible());

    selectBar(window, QStringLiteral("GROUP 29"));
    QCOMPARE(window.Label1->text(), QStringLiteral("The GROUP 29 category has 2 entries."));
}

// Beyond 30 categories the smallest share the last column; the table beside lists every one,
// and choosing a row there is choosing its category.
void BreakdownTest::mostCategoriesAreGrouped() {
    vault().exec(QStringLiteral("DELETE FROM Cats"));
    for (int i = 1; i <= 40; ++i) {
        const QString name = QStringLiteral("GROUP %1").arg(i, 2, 10, QLatin1Char('0'));
        vault().exec(QStringLiteral("INSERT INTO Cats (CatName) VALUES (?)"), {name});
        if (i <= 2) vault().addEntry(QStringLiteral("E%1").arg(i), name);
    }
    form<frmMain>().fillCategoryFilter();
    BuildCategoryBreakdown();
    frmResource& window = form<frmResource>();
    const QStringList shown = bars(window);
    QCOMPARE(shown.size(), frmResource::GroupedBars);
    QVERIFY(shown.first().endsWith(QStringLiteral("=1")));
    QCOMPARE(shown.last(), QStringLiteral("21 MORE=0"));
    QVERIFY(!window.List1->isHidden());
    QCOMPARE(window.List1->topLevelItemCount(), 40);
    QTreeWidgetItem* last = window.List1->topLevelItem(39);
    const QString smallest = window.breakdown()[39].name;
    QCOMPARE(last->text(0), smallest);
    emit window.List1->itemClicked(last, 0);
    QCOMPARE(window.Label1->text(), QStringLiteral("The %1 category has 0 entries.").arg(smallest));
}

void BreakdownTest::selectingABar_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("jump");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QStringList>("listed"); // by the main window after a jump
    QTest::newRow("no entry") << "BANK ACCOUNT" << false << "The BANK ACCOUNT category has 0 entries."
                              << QStringList{};
    QTest::newRow("one entry") << "EMAIL" << false << "The EMAIL category has 1 entry." << QStringList{};
    QTest::newRow("two entries") << "HOME" << false << "The HOME category has 2 entries." << QStringList{};
    QTest::newRow("jump") << "HOME" << true << "" << QStringList{"ALARM", "SAFE"};
    QTest::newRow("jump to an empty category") << "BANK ACCOUNT" << true << "" << QStringList{};
}

void BreakdownTest::selectingABar() {
    QFETCH(QString, name);
    QFETCH(bool, jump);
    QFETCH(QString, sentence);
    QFETCH(QStringList, listed);
    vault().addEntry(QStringLiteral("Alarm"), QStringLiteral("HOME"));
    vault().addEntry(QStringLiteral("Safe"), QStringLiteral("HOME"));
    vault().addEntry(QStringLiteral("Mail"), QStringLiteral("EMAIL"));
    form<frmMain>().fillCategoryFilter();
    BuildCategoryBreakdown();
    frmResource& window = form<frmResource>();
    QVERIFY(!window.Check1->isChecked());
    window.Check1->setChecked(jump);
    selectBar(window, name);
    QCOMPARE(isLoaded<frmResource>(), !jump);
    if (!jump) {
        QCOMPARE(window.Label1->text(), sentence);
        QCOMPARE(form<frmMain>().Combo1->currentText(), QStringLiteral("ALL CATEGORIES"));
        return;
    }
    frmMain& main = form<frmMain>();
    QCOMPARE(main.Combo1->currentText(), name);
    QCOMPARE(itemsOf(main.List1), listed);
    QCOMPARE(main.List1->currentRow(), listed.isEmpty() ? -1 : 0);
}

void BreakdownTest::transfer_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("rebuilt");
    QTest::newRow("two entries") << "EMAIL"
                                 << "CREDIT CARD"
                                 << QStringList{"HOME=3",         "CREDIT CARD=2",  "WEB SITE=2",
                                                "EMAIL=0",        "BANK ACCOUNT=0", "SOFTWARE LICENSE=0",
                                                "WI-FI NETWORK=0"};
    QTest::newRow("from an empty category")
        << "BANK ACCOUNT"
        << "HOME" << QStringList{"HOME=3",         "WEB SITE=2",         "EMAIL=2",        "CREDIT CARD=0",
                                 "BANK ACCOUNT=0", "SOFTWARE LICENSE=0", "WI-FI NETWORK=0"};
}

void BreakdownTest::transfer() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, rebuilt);
    addSampleEntries(vault());
    const auto before = vault().rows(Entries);
    QList<QStringList> shown;
    fake().onShowModal = [&](QDialog& dialog) {
        if (auto* chart = qobject_cast<frmResource*>(&dialog)) shown << bars(*chart);
        auto* window = qobject_cast<frmXFer*>(&dialog);
        if (!window) return;
        QCOMPARE(itemsOf(window->Combo1), (QStringList{"BANK ACCOUNT", "CREDIT CARD", "EMAIL", "HOME",
                                                       "SOFTWARE LICENSE", "WEB SITE", "WI-FI NETWORK"}));
        QCOMPARE(itemsOf(window->Combo2), itemsOf(window->Combo1));
        QVERIFY(window->Combo1->currentIndex() == -1 && window->Combo2->currentIndex() == -1);
        setComboText(window->Combo1, from);
        setComboText(window->Combo2, to);
        QTest::mouseClick(window->Command2, Qt::LeftButton);
    };
    BuildCategoryBreakdown();
    QTest::mouseClick(form<frmResource>().Command1, Qt::LeftButton);

    QCOMPARE(fake().titles(), QStringList{"Success"});
    QCOMPARE(fake().messages[0].prompt, QStringLiteral("Transfer successfully completed."));
    QCOMPARE(fake().modals, (QStringList{"frmResource", "frmXFer", "frmResource"}));
    QVERIFY(!isLoaded<frmXFer>());
    QCOMPARE(shown.last(), rebuilt);
    // Only sCat of the moved entries changes, all to one stored text; the rest is byte for byte as it was.
    const auto after = vault().rows(Entries);
    QCOMPARE(after.size(), before.size());
    QSet<QString> movedTexts;
    for (int i = 0; i < after.size(); ++i) {
        for (int c : {0, 1, 2, 3, 4, 5, 6, 8})
            QCOMPARE(after[i][c], before[i][c]);
        if (DecodeValue(before[i][7].toString()).toUpper().trimmed() != from) {
            QCOMPARE(after[i][7].toByteArray(), before[i][7].toByteArray());
            continue;
        }
        QCOMPARE(DecodeValue(after[i][7].toString()), to);
        movedTexts << after[i][7].toString();
    }
    QVERIFY(movedTexts.size() <= 1);
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
    frmXFer& window = form<frmXFer>();
    QVERIFY(showActive(window));
    window.FillTransferLists();
    // Enter moves from the FROM list to the TO list and on to the transfer button.
    window.Combo1->setFocus();
    QTest::keyClick(window.Combo1, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), window.Combo2);
    QTest::keyClick(window.Combo2, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), window.Command2);

    setComboText(window.Combo1, from);
    setComboText(window.Combo2, to);
    setFaultHook([](int, int, int) { return true; }); // nothing may be read
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    QCOMPARE(fake().titles(), titles);
    if (!titles.isEmpty())
        QCOMPARE(fake().messages[0].prompt,
                 QStringLiteral("Selected categories must be different before performing transfer."));
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    QCOMPARE(DecodeValue(vault().value("SELECT sCat FROM PDF").toString()), QStringLiteral("HOME"));
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!isLoaded<frmXFer>());
}

void BreakdownTest::failedTransferMovesNothing() {
    addSampleEntries(vault());
    const auto before = vault().rows(Entries);
    frmXFer& window = form<frmXFer>();
    window.FillTransferLists();
    setComboText(window.Combo1, QStringLiteral("HOME"));
    setComboText(window.Combo2, QStringLiteral("BANK ACCOUNT"));
    setFaultHook([](int code, int, int statement) { return code == 202 && statement == 3; }); // second update
    window.Command2_Click();
    QCOMPARE(fake().titles(), QStringList{"E202 : Transfer Failed"});
    QVERIFY(fake().messages[0].prompt.startsWith("Could not complete category transfer."));
    QCOMPARE(vault().rows(Entries), before);
    QVERIFY(isLoaded<frmXFer>());
    QCOMPARE(window.Combo1->currentText(), QStringLiteral("HOME"));
}

void BreakdownTest::failedReadsAreReported_data() {
    QTest::addColumn<int>("code");
    QTest::newRow("breakdown") << 201;
    QTest::newRow("transfer lists") << 217;
    QTest::newRow("editor's list") << 218;
    QTest::newRow("titles") << 219;
}

void BreakdownTest::failedReadsAreReported() {
    QFETCH(int, code);
    setFaultHook([code](int c, int, int) { return c == code; });
    if (code == 201) BuildCategoryBreakdown();
    if (code == 217) form<frmXFer>().FillTransferLists();
    if (code >= 218) openEditor(QStringLiteral("HOME"));
    QCOMPARE(fake().titles(), QStringList{QStringLiteral("E%1 : Retrieval Error").arg(code)});
    QVERIFY(fake().messages[0].prompt.startsWith("Could not retrieve data from database."));
    // A failed breakdown shows nothing.
    QCOMPARE(isLoaded<frmResource>(), false);
}

QUORLANE_TEST(BreakdownTest);
#include "tst_breakdown.moc"
