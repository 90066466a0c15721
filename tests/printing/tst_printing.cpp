#include "app/controls.h"
#include "app/forms.h"
#include "fakeplatform.h"
#include "mainwindow/frmmain.h"
#include "printing/frmprint.h"
#include "printing/frmprintconfirm.h"
#include "store/cp1252.h"
#include "store/globals.h"
#include "store/locations.h"
#include "store/vault.h"
#include "testmain.h"
#include "testvault.h"
#include "waits.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QWindow>

namespace {

QString inFolder(const QString& name) {
    return storeState().appFolder + QLatin1Char('/') + name;
}

// Where a print page is written: the private print folder.
QString pageFile(const QString& name) {
    return PrintFolder + QLatin1Char('/') + name;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void deliverTemplates() {
    for (const QString name : {"tblpnt.htm", "tblpnta.htm"})
        QFile::copy(QStringLiteral(QUORLANE_SOURCE_DIR "/resources/templates/") + name, inFolder(name));
}

// Shows the entry in the main window and opens the warning through the print button.
void openWarning(const QString& description) {
    frmMain& main = form<frmMain>();
    form<frmMain>().fillCategoryFilter();
    main.selectEntry(description.toUpper(), true);
    main.Command4_Click();
}

void print(bool all) {
    fake().answers = {MsgAnswer::Yes};
    if (all)
        form<frmPrintConfirm>().Command1_Click();
    else
        form<frmPrintConfirm>().Command20_Click();
}

// How things stood when the printer got the page.
struct PrintSeen {
    QString text;    // the document's plain text
    QByteArray page; // the page file, which must still exist
    bool hourglass = false, offScreen = false, confirmLoaded = true;
    bool ownerOnly = false; // the page 0600 in a folder 0700
    frmPrint* preview = nullptr;
    QTextBrowser* browser = nullptr;
};

void watchPrinting(PrintSeen& seen, const QString& pageName, bool succeeds = true) {
    fake().onPrint = [&seen, pageName, succeeds](QTextDocument& document) {
        frmPrint& preview = form<frmPrint>();
        const QCursor* cursor = QApplication::overrideCursor();
        seen = {
            document.toPlainText(),
            readFile(pageFile(pageName)),
            cursor && cursor->shape() == Qt::WaitCursor,
            !(preview.windowHandle() && preview.windowHandle()->isVisible()) &&
                preview.y() + preview.height() < 0,
            isLoaded<frmPrintConfirm>(),
            QFile::permissions(pageFile(pageName)) ==
                    (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser) &&
                (QFile::permissions(PrintFolder) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser)) ==
                    (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner),
            &preview,
            preview.wb};
        return succeeds;
    };
}

// A page (or the print folder) left behind, in the print folder or beside the program.
bool pagesLeft() {
    return QFileInfo::exists(PrintFolder) || QFile::exists(inFolder("tbltmp.htm")) ||
           QFile::exists(inFolder("tbltmpa.htm"));
}

} // namespace

class PrintingTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void printButtonOpensWarningForAnEntry() {
        openWarning("Visa");
        QVERIFY(fake().modals.isEmpty());
        vault().addEntry("Visa", "CREDIT CARD");
        openWarning("Visa");
        QCOMPARE(fake().modals, QStringList{"frmPrintConfirm"});
        const frmPrintConfirm& w = form<frmPrintConfirm>();
        QCOMPARE(
            QStringList({w.windowTitle(), w.Label1->text(), w.Label2->text(), w.Command20->toolTip(),
                         w.Command1->toolTip(), w.Command2->toolTip()}),
            QStringList(
                {"W A R N I N G !",
                 "Printing password information increases the chance of them being found by other people.",
                 "Click on GO if you are sure you still want to print. If you want to print ALL your "
                 "passwords, click on the PRINT ALL button.",
                 "Print selected password information.", "Print all passwords.", "Cancel print."}));
        for (const QPushButton* button : {w.Command20, w.Command1, w.Command2})
            QVERIFY(!button->icon().isNull());
    }

    void leavingPrintsNothing_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("warningStays");
        QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
        QTest::newRow("Enter: PRINT ALL asks, No preselected") << int(Qt::Key_Return) << true;
    }
    void leavingPrintsNothing() {
        QFETCH(int, key);
        QFETCH(bool, warningStays);
        deliverTemplates();
        vault().addEntry("Visa", "CREDIT CARD");
        openWarning("Visa");
        frmPrintConfirm& warning = form<frmPrintConfirm>();
        warning.show();
        QVERIFY(QTest::qWaitForWindowExposed(&warning, WaitMs));
        QTest::keyClick(warning.focusWidget() ? warning.focusWidget() : &warning, Qt::Key(key));
        if (warningStays) {
            QCOMPARE(fake().messages.size(), 1);
            const MessageRecord& q = fake().messages.first();
            QCOMPARE(q.title, QStringLiteral("** WARNING **"));
            QCOMPARE(q.prompt, QStringLiteral("WARNING! You are about to print ALL passwords.\n\n"
                                              "Are you absolutely sure you want to do this?"));
            QVERIFY(q.icon == MsgIcon::Error && q.buttons == MsgButtons::YesNo &&
                    q.defaultButton == MsgAnswer::No);
        }
        QCOMPARE(isLoaded<frmPrintConfirm>(), warningStays);
        QCOMPARE(fake().printCount, 0);
        QVERIFY(!pagesLeft());
    }

    // Every placeholder of the one-entry page, from the shown entry.
    void entryPage() {
        QFile custom(inFolder("tblpnt.htm"));
        QVERIFY(custom.open(QIODevice::WriteOnly));
        custom.write(
            "_F01!|_F02!|_F03!|_F04!|_F05!|_F06!\r\n_F07!\r\n_F08!|_F09!|_F10!|_F11!|_F12!|_F13!|_F18!\r\n"
            "\xE9t\xE9 \x80 _F14!\r\n");
        custom.close();
        vault().exec("UPDATE CatDef SET pwUDF4 = 'Owner\u20ACs <e-mail>' WHERE pwCat = 'WEB SITE'");
        vault().addEntry("Tom's <Shop> & Co", "WEB SITE",
                         {"https://s.example/?a=1&b=2", "tom", "p<a>ss&amp;", "t@s"},
                         "Line one\r\nLine <two>");
        PrintSeen seen;
        watchPrinting(seen, "tbltmp.htm");
        openWarning("Tom's <Shop> & Co");
        print(false);
        QCOMPARE(seen.page,
                 cp1252::encode(u"WEB SITE|TOM'S &lt;SHOP&gt; &amp; CO|https://s.example/?a=1&amp;b=2|tom|"
                                u"p&lt;a&gt;ss&amp;amp;|t@s\r\nLine one\nLine &lt;two&gt;\r\n"
                                u"Site:|Web Address:|User Name:|Password:|Owner's &lt;e-mail&gt;:|Notes:| "
                                u"03/15/2013\r\nété € _F14!\r\n"));
        QVERIFY2(seen.text.contains(u"été €"), qPrintable(seen.text)); // read as Windows-1252
        QVERIFY(fake().messages.isEmpty());
    }

    // An entry whose category has no titles prints under the detail view's design titles, not
    // under those of the entry shown before it.
    void entryWithoutTitles() {
        QFile custom(inFolder("tblpnt.htm"));
        QVERIFY(custom.open(QIODevice::WriteOnly));
        custom.write("_F01!|_F08!|_F09!|_F12!|_F13!\r\n");
        custom.close();
        vault().addEntry("A Site", "WEB SITE");
        vault().addEntry("B Locker", "GYM", {"17"});
        PrintSeen seen;
        watchPrinting(seen, "tbltmp.htm");
        openWarning("A Site");
        openWarning("B Locker");
        print(false);
        QCOMPARE(seen.page, QByteArray("GYM|Description Title:|User Defined Field (1):|User Defined Field "
                                       "(4):|Notes:\r\n"));
    }

    // The page goes to the printer under the hourglass, off screen, and is deleted afterwards;
    // all passwords printed brings the reminder, a cancelled print does not.
    void printing_data() {
        QTest::addColumn<bool>("all");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("GO") << false << true << QStringList();
        QTest::newRow("GO, cancelled") << false << false << QStringList();
        QTest::newRow("PRINT ALL") << true << true << QStringList{"** WARNING **", "** REMINDER **"};
        QTest::newRow("PRINT ALL, cancelled") << true << false << QStringList{"** WARNING **"};
    }
    void printing() {
        QFETCH(bool, all);
        QFETCH(bool, printed);
        QFETCH(QStringList, titles);
        deliverTemplates();
        vault().addEntry("Visa", "CREDIT CARD", {"4111"});
        vault().addEntry("Mail", "EMAIL", {"me@example.com"});
        PrintSeen seen;
        watchPrinting(seen, all ? "tbltmpa.htm" : "tbltmp.htm", printed);
        openWarning("Visa");
        print(all);
        QVERIFY(!seen.page.isEmpty() && seen.hourglass && seen.offScreen && !seen.confirmLoaded &&
                seen.ownerOnly);
        QVERIFY(seen.text.contains("4111"));
        QCOMPARE(seen.text.contains("me@example.com"), all);
        QCOMPARE(fake().printCount, 1);
        QCOMPARE(fake().titles(), titles);
        if (printed && all)
            QCOMPARE(fake().messages.last().prompt,
                     QStringLiteral(
                         "All passwords have been printed.\n\nYou should close this window ONLY after you "
                         "have retrieved your information from your printer."));
        QVERIFY(!pagesLeft());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(isLoaded<frmPrint>() && !form<frmPrint>().isVisible());
    }

    // Failures: the report with the warning icon, the arrow back, the warning open. A template or
    // page that fails is reported at once; the vault's listing is read under the access policy,
    // so a failing vault is tried its five times before the report.
    void failures_data() {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("attempts");
        QTest::newRow("no tblpnt.htm") << "tblpnt.htm"
                                       << "E204 : Conversion Error" << 0;
        QTest::newRow("no tblpnta.htm") << "tblpnta.htm"
                                        << "E228 : Conversion Error" << 1;
        QTest::newRow("a category without titles") << "ORPHANS"
                                                   << "E228 : Conversion Error" << 5;
        QTest::newRow("the vault fails") << "Injected failure"
                                         << "E228 : Conversion Error" << 5;
    }
    void failures() {
        QFETCH(QString, cause);
        QFETCH(QString, title);
        QFETCH(int, attempts);
        deliverTemplates();
        vault().addEntry("Visa", "CREDIT CARD");
        openWarning("Visa");
        QFile::remove(inFolder(cause));
        QVERIFY(QDir().mkdir(PrintFolder));
        QFile stale(pageFile(title.startsWith("E228") ? "tbltmpa.htm" : "tbltmp.htm")); // an earlier print's
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        if (cause == "ORPHANS") vault().addEntry("Stray", "ORPHANS");
        QSet<int> listingAttempts;
        setFaultHook([&listingAttempts, cause](int code, int attempt, int) {
            if (code == int(ErrorCode::PrintAll)) listingAttempts.insert(attempt);
            return code == int(ErrorCode::PrintAll) && cause == "Injected failure";
        });
        print(title.startsWith("E228"));
        const MessageRecord report = fake().messages.last();
        QCOMPARE(report.title, title);
        QVERIFY2(report.prompt.startsWith("Cannot modify template file.\n(") && report.prompt.endsWith(')') &&
                     report.prompt.contains(cause),
                 qPrintable(report.prompt));
        QVERIFY(report.icon == MsgIcon::Warning && report.buttons == MsgButtons::Ok);
        QCOMPARE(listingAttempts.size(), attempts);
        QCOMPARE(fake().printCount, 0);
        QVERIFY(isLoaded<frmPrintConfirm>() && !QApplication::overrideCursor() && !pagesLeft());
        QVERIFY(!vaultIsOpen());
    }

    // A second print reuses the window and its browser, and prints the new page.
    void printingTwice() {
        deliverTemplates();
        vault().addEntry("First Bank", "BANK ACCOUNT", {"11-22"});
        vault().addEntry("Second Bank", "BANK ACCOUNT", {"33-44"});
        PrintSeen first, second;
        watchPrinting(first, "tbltmp.htm");
        openWarning("First Bank");
        print(false);
        watchPrinting(second, "tbltmp.htm");
        openWarning("Second Bank");
        print(false);
        QVERIFY(second.preview == first.preview && second.browser == first.browser);
        QVERIFY(first.text.contains("11-22") && second.text.contains("33-44") &&
                !second.text.contains("11-22"));
        form<frmPrint>().Command2_Click();
        QVERIFY(!isLoaded<frmPrint>());
    }

    // The delivered templates printed to PDF and read back: paper shows values exactly as stored,
    // markup and entities included.
    void pdfReadsBack_data() {
        QTest::addColumn<bool>("all");
        QTest::addColumn<QStringList>("expected");
        const QStringList entry{"www.corner.example", "barista", "Latte&amp;Art<7>", "Loyalty card 55",
                                "Ann's table"};
        QTest::newRow("one entry") << false
                                   << entry + QStringList{"CORNER CAFÉ",
                                                          "Web Address:", "Last updated: 03/15/2013"};
        QTest::newRow("all entries") << true
                                     << entry + QStringList{"Corner Café", "99887766", "(End of Listing)"};
    }
    void pdfReadsBack() {
        QFETCH(bool, all);
        QFETCH(QStringList, expected);
        deliverTemplates();
        vault().addEntry("Corner Café", "WEB SITE",
                         {"www.corner.example", "barista", "Latte&amp;Art<7>", "c@example.com"},
                         "Loyalty card 55\r\nAsk for Ann's table");
        vault().addEntry("Savings", "BANK ACCOUNT", {"99887766"});
        const QString pdf = inFolder("printed.pdf");
        fake().onPrint = [&pdf](QTextDocument& document) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFileName(pdf);
            document.print(&printer);
            return true;
        };
        openWarning("Corner Café");
        print(all);
        QProcess reader;
        reader.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY2(reader.waitForFinished(WaitMs), "pdftotext (poppler-utils) is needed");
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        for (const QString& piece : expected)
            QVERIFY2(text.contains(piece), qPrintable(piece + " in:\n" + text));
        QCOMPARE(text.contains("99887766"), all);
        QVERIFY(text.contains("destroy"));
    }
};
QUORLANE_TEST(PrintingTest);

#include "tst_printing.moc"
