#include "app/traylock.h"
#include "entries/frmhealth.h"
#include "store/dates.h"
#include "testmain.h"
#include "testvault.h"
#include "waits.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QTableView>
#include <QTest>

namespace {

const QStringList Passwords{"letmein", "correcthorsebatterystaple", "rWibMFACxAUGZmxhVncy"};

// The report as the main window's button opens it, once its work is done (none when it never
// ends).
frmHealth* openReport(frmMain& main) {
    main.cmdHealth_Click();
    frmHealth& report = form<frmHealth>();
    return QTest::qWaitFor([&report] { return !report.working(); }, WaitMs) ? &report : nullptr;
}

// Every text the report's table shows, row by row, cells joined by '|'.
QStringList tableTexts(const frmHealth& report) {
    QStringList rows;
    const QAbstractItemModel* model = report.tblReport->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r, c).data().toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

} // namespace

class HealthWindowTest final : public VaultTestCase {
    Q_OBJECT

    void prepare() {
        fake().clock = QDateTime(QDate(2026, 12, 9), QTime(12, 0));
        vault().addEntry(QStringLiteral("Shop"), QStringLiteral("WEB SITE"),
                         {"www.shop.example", "joe", Passwords[0]}, {},
                         QStringLiteral("05/01/2020 10:00:00 am"));
        vault().addEntry(QStringLiteral("Mail"), QStringLiteral("EMAIL"), {"joe@mail.example", Passwords[1]});
        vault().addEntry(QStringLiteral("Forum"), QStringLiteral("WEB SITE"),
                         {"www.forum.example", "joe", Passwords[1]});
        vault().addEntry(QStringLiteral("Bank"), QStringLiteral("WEB SITE"),
                         {"www.bank.example", "joe", Passwords[2]}, {}, formatLastUpdate(fake().now()));
        vault().addEntry(QStringLiteral("Editor"), QStringLiteral("SOFTWARE LICENSE"), {"KEY-1"});
    }

private slots:
    // Worst first, the summary, and no password anywhere in what the table shows.
    void reportsWorstFirst() {
        prepare();
        frmMain& main = openMainWindow();
        frmHealth* opened = openReport(main);
        QVERIFY(opened);
        frmHealth& report = *opened;
        QCOMPARE(fake().modals, QStringList{"frmHealth"});
        QCOMPARE(tableTexts(report), (QStringList{"SHOP|WEB SITE|Very weak (0)|10^1.0||05/01/2020",
                                                  "FORUM|WEB SITE|Very strong (4)|10^14.3|1|03/15/2013",
                                                  "MAIL|EMAIL|Very strong (4)|10^14.3|1|03/15/2013",
                                                  "BANK|WEB SITE|Very strong (4)|10^33.4||12/09/2026"}));
        QCOMPARE(report.lblSummary->text(), QStringLiteral("4 passwords: 1 weak, 2 reused, 3 old."));
        QVERIFY(report.prgWork->isHidden());
        const QString shown = tableTexts(report).join(QLatin1Char('\n'));
        for (const QString& password : Passwords)
            QVERIFY2(!shown.contains(password, Qt::CaseInsensitive), qPrintable(password));
    }

    void filters_data() {
        QTest::addColumn<bool>("weak");
        QTest::addColumn<bool>("reused");
        QTest::addColumn<bool>("old");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("none chosen: all")
            << false << false << false << QStringList{"SHOP", "FORUM", "MAIL", "BANK"};
        QTest::newRow("weak") << true << false << false << QStringList{"SHOP"};
        QTest::newRow("reused") << false << true << false << QStringList{"FORUM", "MAIL"};
        QTest::newRow("old") << false << false << true << QStringList{"SHOP", "FORUM", "MAIL"};
        QTest::newRow("weak or reused") << true << true << false << QStringList{"SHOP", "FORUM", "MAIL"};
    }
    void filters() {
        QFETCH(bool, weak);
        QFETCH(bool, reused);
        QFETCH(bool, old);
        QFETCH(QStringList, entries);
        prepare();
        frmHealth* opened = openReport(openMainWindow());
        QVERIFY(opened);
        frmHealth& report = *opened;
        report.chkWeak->setChecked(weak);
        report.chkReused->setChecked(reused);
        report.chkOld->setChecked(old);
        QStringList shown;
        for (const QString& row : tableTexts(report))
            shown << row.section(QLatin1Char('|'), 0, 0);
        QCOMPARE(shown, entries);
    }

    // A row opens its entry in the main window, under every category, and the report closes.
    void rowOpensTheEntry() {
        prepare();
        frmMain& main = openMainWindow();
        main.chooseFilter(QStringLiteral("EMAIL"));
        frmHealth* opened = openReport(main);
        QVERIFY(opened);
        frmHealth& report = *opened;
        const QPointer<frmHealth> window = &report;
        report.tblReport->setCurrentIndex(report.tblReport->model()->index(3, 0));
        QTest::keyClick(report.tblReport, Qt::Key_Return);
        QVERIFY(closed(window));
        QCOMPARE(main.filterText(), QString());
        QCOMPARE(main.currentEntryText(), QStringLiteral("BANK"));
    }

    // Esc, and the lock while the report is open or still working, close it and keep nothing.
    void closesOnEscAndLock_data() {
        QTest::addColumn<bool>("lock");
        QTest::newRow("Esc") << false;
        QTest::newRow("lock") << true;
    }
    void closesOnEscAndLock() {
        QFETCH(bool, lock);
        prepare();
        frmMain& main = openMainWindow();
        main.cmdHealth_Click();
        const QPointer<frmHealth> window = &form<frmHealth>();
        if (lock)
            trayLock().lock();
        else
            QTest::keyClick(window.data(), Qt::Key_Escape);
        QVERIFY(!isLoaded<frmHealth>());
        QVERIFY(closed(window));
    }

    // An unreadable vault gets its report and no window.
    void unreadableVault() {
        prepare();
        frmMain& main = openMainWindow();
        failOperation(233);
        main.cmdHealth_Click();
        QCOMPARE(fake().messages.size(), 1);
        QCOMPARE(fake().messages.front().title, QStringLiteral("E233 : Retrieval Error"));
        QVERIFY(fake().modals.isEmpty());
        QVERIFY(!isLoaded<frmHealth>());
    }
};

QUORLANE_TEST(HealthWindowTest);
#include "tst_health.moc"
