#include "app/controls.h"
#include "app/forms.h"
#include "app/modmain.h"
#include "app/picturebox.h"
#include "fakeplatform.h"
#include "mainwindow/frmmain.h"
#include "printing/frmprint.h"
#include "printing/frmprintconfirm.h"
#include "store/cp1252.h"
#include "store/vault.h"
#include "testmain.h"
#include "testvault.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QWindow>

namespace {

const QString EntryPage = QStringLiteral("tbltmp.htm");
const QString ListingPage = QStringLiteral("tbltmpa.htm");

void copyDeliveredTemplates(const QString& folder) {
    for (const char* name : {"tblpnt.htm", "tblpnta.htm"}) {
        const QString target = folder + QLatin1Char('/') + QLatin1String(name);
        QFile::remove(target);
        QVERIFY(QFile::copy(QStringLiteral(QUORLANE_SOURCE_DIR "/resources/templates/") + QLatin1String(name),
                            target));
    }
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The main window filled from the vault, with the entry of that description shown.
frmMain& showEntry(const QString& description) {
    frmMain& main = form<frmMain>();
    FillCategoryFilter(0);
    const auto items = main.List1->findItems(description.toUpper(), Qt::MatchExactly);
    if (!items.isEmpty()) setListIndex(main.List1, main.List1->row(items.first()));
    return main;
}

// What the printer was handed, and how things stood at that moment.
struct PrintSeen {
    int count = 0;
    QString text;           // the document's plain text
    QByteArray page;        // the page file's bytes while printing
    bool hourglass = false; // the wait cursor was on
    bool previewOnScreen = true;
    bool previewAboveScreen = false;
    bool confirmLoaded = true;
    frmPrint* preview = nullptr;
    QTextBrowser* browser = nullptr;
};

void watchPrinting(PrintSeen& seen, const QString& pageName, bool succeeds = true) {
    fake().onPrint = [&seen, pageName, succeeds](QTextDocument& document) {
        ++seen.count;
        seen.text = document.toPlainText();
        seen.page = readFile(AppFolder + QLatin1Char('/') + pageName);
        seen.hourglass =
            QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        frmPrint& preview = form<frmPrint>();
        seen.preview = &preview;
        seen.browser = preview.wb;
        seen.previewOnScreen = preview.windowHandle() && preview.windowHandle()->isVisible();
        seen.previewAboveScreen = preview.isVisible() && preview.y() + preview.height() < 0;
        seen.confirmLoaded = isLoaded<frmPrintConfirm>();
        return succeeds;
    };
}

QStringList pageFilesLeft() {
    QStringList left;
    for (const QString& name : {EntryPage, ListingPage})
        if (QFile::exists(AppFolder + QLatin1Char('/') + name)) left << name;
    return left;
}

} // namespace

class PrintingTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    // The print button opens the warning only when an entry is current.
    void printButtonNeedsAnEntry() {
        frmMain& main = form<frmMain>();
        FillCategoryFilter(0);
        main.Command4_Click();
        QVERIFY(fake().modals.isEmpty());

        vault().addEntry(QStringLiteral("Visa"), QStringLiteral("CREDIT CARD"));
        showEntry(QStringLiteral("Visa")).Command4_Click();
        QCOMPARE(fake().modals, QStringList{QStringLiteral("frmPrintConfirm")});
        const frmPrintConfirm& confirm = form<frmPrintConfirm>();
        QCOMPARE(confirm.windowTitle(), QStringLiteral("W A R N I N G !"));
        QCOMPARE(
            confirm.Label1->text(),
            QStringLiteral("Printing password information increases the chance of them being found by other "
                           "people."));
        QCOMPARE(confirm.Label2->text(),
                 QStringLiteral(
                     "Click on GO if you are sure you still want to print. If you want to print ALL your "
                     "passwords, click on the PRINT ALL button."));
        QCOMPARE(confirm.Command20->toolTip(), QStringLiteral("Print selected password information."));
        QCOMPARE(confirm.Command1->toolTip(), QStringLiteral("Print all passwords."));
        QCOMPARE(confirm.Command2->toolTip(), QStringLiteral("Cancel print."));
        for (const QPushButton* button : {confirm.Command20, confirm.Command1, confirm.Command2})
            QVERIFY2(!button->icon().isNull(), qPrintable(button->objectName()));
        QCOMPARE(confirm.Picture2->picture(), QStringLiteral("warning"));
        QVERIFY(confirm.Command1->isDefault());
        QVERIFY(fake().messages.isEmpty());
    }

    // Leaving the warning without printing: nothing printed, no page written.
    void leavingPrintsNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("confirmStays");
        QTest::newRow("Esc") << "esc" << false;
        QTest::newRow("cancel button") << "cancel" << false;
        QTest::newRow("PRINT ALL, answered No") << "no" << true;
        QTest::newRow("Enter, question left at its default") << "enter" << true;
    }
    void leavingPrintsNothing() {
        QFETCH(QString, how);
        QFETCH(bool, confirmStays);
        copyDeliveredTemplates(AppFolder);
        vault().addEntry(QStringLiteral("Visa"), QStringLiteral("CREDIT CARD"));
        showEntry(QStringLiteral("Visa")).Command4_Click();
        frmPrintConfirm& confirm = form<frmPrintConfirm>();
        confirm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&confirm));
        QWidget* focused = confirm.focusWidget() ? confirm.focusWidget() : &confirm;
        if (how == QLatin1String("esc")) QTest::keyClick(focused, Qt::Key_Escape);
        if (how == QLatin1String("cancel")) QTest::mouseClick(confirm.Command2, Qt::LeftButton);
        if (how == QLatin1String("no")) {
            fake().answers = {MsgAnswer::No};
            QTest::mouseClick(confirm.Command1, Qt::LeftButton);
        }
        if (how == QLatin1String("enter")) QTest::keyClick(focused, Qt::Key_Return);

        if (how == QLatin1String("no") || how == QLatin1String("enter")) {
            QCOMPARE(fake().messages.size(), 1);
            const MessageRecord& question = fake().messages.first();
            QCOMPARE(question.title, QStringLiteral("** WARNING **"));
            QCOMPARE(question.prompt, QStringLiteral("WARNING! You are about to print ALL passwords.\n\n"
                                                     "Are you absolutely sure you want to do this?"));
            QCOMPARE(question.icon, MsgIcon::Error);
            QCOMPARE(question.buttons, MsgButtons::YesNo);
            QCOMPARE(question.defaultButton, MsgAnswer::No);
        } else {
            QVERIFY(fake().messages.isEmpty());
        }
        QCOMPARE(isLoaded<frmPrintConfirm>(), confirmStays);
        QCOMPARE(fake().printCount, 0);
        QCOMPARE(pageFilesLeft(), QStringList());
        QVERIFY(!isLoaded<frmPrint>());
    }

    // The one-entry page: every placeholder with the shown entry's titles and values.
    void entryPage() {
        writeFile(AppFolder + QStringLiteral("/tblpnt.htm"),
                  "01=_F01!\r\n02=_F02!\r\n03=_F03!\r\n04=_F04!\r\n05=_F05!\r\n06=_F06!\r\n07=_F07!\r\n"
                  "08=_F08!\r\n09=_F09!\r\n10=_F10!\r\n11=_F11!\r\n12=_F12!\r\n13=_F13!\r\n18=_F18!\r\n"
                  "no 14 to 17: _F14!_F17!\r\n");
        vault().exec(QStringLiteral("UPDATE CatDef SET pwUDF4 = ? WHERE pwCat = 'WEB SITE'"),
                     {QStringLiteral("Owner\u20ACs <e-mail>")});
        vault().addEntry(QStringLiteral("Tom's <Shop> & Co"), QStringLiteral("WEB SITE"),
                         {QStringLiteral("https://shop.example.com/?a=1&b=2"), QStringLiteral("tom"),
                          QStringLiteral("p<a>ss&amp;"), QStringLiteral("tom@example.com")},
                         QStringLiteral("Line one\r\nLine <two>"), QStringLiteral("03/15/2013 02:05:09 pm"));
        PrintSeen seen;
        watchPrinting(seen, EntryPage);
        showEntry(QStringLiteral("Tom's <Shop> & Co")).Command4_Click();
        form<frmPrintConfirm>().Command20_Click();

        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.page, cp1252::encode(QStringLiteral("01=WEB SITE\r\n"
                                                          "02=TOM'S &lt;SHOP&gt; & CO\r\n"
                                                          "03=https://shop.example.com/?a=1&b=2\r\n"
                                                          "04=tom\r\n"
                                                          "05=p&lt;a&gt;ss&amp;\r\n"
                                                          "06=tom@example.com\r\n"
                                                          "07=Line one\r\nLine &lt;two&gt;\r\n"
                                                          "08=Site:\r\n"
                                                          "09=Web Address:\r\n"
                                                          "10=User Name:\r\n"
                                                          "11=Password:\r\n"
                                                          "12=Owner's &lt;e-mail&gt;:\r\n"
                                                          "13=Notes:\r\n"
                                                          "18= 03/15/2013\r\n"
                                                          "no 14 to 17: _F14!_F17!\r\n")));
        QVERIFY(fake().messages.isEmpty());
    }

    // Each kind of print: the page is handed over under the hourglass, off screen, and is gone
    // afterwards; the windows end as they should.
    void printingCleansUp_data() {
        QTest::addColumn<bool>("all");
        QTest::newRow("GO") << false;
        QTest::newRow("PRINT ALL") << true;
    }
    void printingCleansUp() {
        QFETCH(bool, all);
        copyDeliveredTemplates(AppFolder);
        vault().addEntry(QStringLiteral("Visa"), QStringLiteral("CREDIT CARD"), {QStringLiteral("4111")});
        vault().addEntry(QStringLiteral("Mail"), QStringLiteral("EMAIL"), {QStringLiteral("me@example.com")});
        PrintSeen seen;
        watchPrinting(seen, all ? ListingPage : EntryPage);
        showEntry(QStringLiteral("Visa")).Command4_Click();
        frmPrintConfirm& confirm = form<frmPrintConfirm>();
        if (all) {
            fake().answers = {MsgAnswer::Yes};
            confirm.Command1_Click();
        } else {
            confirm.Command20_Click();
        }

        QCOMPARE(seen.count, 1);
        QVERIFY2(!seen.page.isEmpty(), "the page was gone before the printer had it");
        QVERIFY(seen.hourglass);
        QVERIFY(!seen.previewOnScreen);
        QVERIFY(seen.previewAboveScreen);
        QVERIFY(!seen.confirmLoaded);
        QVERIFY(seen.text.contains(QStringLiteral("4111")));
        QCOMPARE(seen.text.contains(QStringLiteral("me@example.com")), all);

        QCOMPARE(pageFilesLeft(), QStringList());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(isLoaded<frmPrint>());
        QVERIFY(!form<frmPrint>().isVisible());
        if (all) {
            QCOMPARE(fake().messages.size(), 2);
            const MessageRecord& reminder = fake().messages.last();
            QCOMPARE(reminder.title, QStringLiteral("** REMINDER **"));
            QCOMPARE(reminder.prompt,
                     QStringLiteral("All passwords have been printed.\n\nYou should close this window "
                                    "ONLY after you have retrieved your information from your "
                                    "printer."));
            QCOMPARE(reminder.icon, MsgIcon::Information);
            QCOMPARE(reminder.buttons, MsgButtons::Ok);
        } else {
            QVERIFY(fake().messages.isEmpty());
        }
    }

    // A print that the person cancels in the print dialog (or that fails) leaves no page and
    // no claim that everything was printed.
    void cancelledPrint_data() { printingCleansUp_data(); }
    void cancelledPrint() {
        QFETCH(bool, all);
        copyDeliveredTemplates(AppFolder);
        vault().addEntry(QStringLiteral("Visa"), QStringLiteral("CREDIT CARD"));
        PrintSeen seen;
        watchPrinting(seen, all ? ListingPage : EntryPage, false);
        showEntry(QStringLiteral("Visa")).Command4_Click();
        fake().answers = {MsgAnswer::Yes};
        if (all)
            form<frmPrintConfirm>().Command1_Click();
        else
            form<frmPrintConfirm>().Command20_Click();
        QCOMPARE(seen.count, 1);
        QCOMPARE(fake().titles(), all ? QStringList{QStringLiteral("** WARNING **")} : QStringList());
        QCOMPARE(pageFilesLeft(), QStringList());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!form<frmPrint>().isVisible());
    }

    // Failures end in the conversion report: warning icon, no retry, the arrow back, the
    // warning window still open and nothing printed.
    void failures_data() {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<bool>("all");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("named");
        QTest::newRow("E204: no one-entry template") << "no tblpnt.htm" << false << "E204 : Conversion Error"
                                                     << "tblpnt.htm";
        QTest::newRow("E228: no all-entries template")
            << "no tblpnta.htm" << true << "E228 : Conversion Error"
            << "tblpnta.htm";
        QTest::newRow("E228: a category without titles") << "no CatDef" << true << "E228 : Conversion Error"
                                                         << "ORPHANS";
        QTest::newRow("E228: the vault fails, once") << "vault" << true << "E228 : Conversion Error"
                                                     << "Injected failure";
    }
    void failures() {
        QFETCH(QString, cause);
        QFETCH(bool, all);
        QFETCH(QString, title);
        QFETCH(QString, named);
        copyDeliveredTemplates(AppFolder);
        vault().addEntry(QStringLiteral("Visa"), QStringLiteral("CREDIT CARD"));
        showEntry(QStringLiteral("Visa")).Command4_Click();
        int faults = 0;
        if (cause == QLatin1String("no tblpnt.htm")) QFile::remove(AppFolder + QStringLiteral("/tblpnt.htm"));
        if (cause == QLatin1String("no tblpnta.htm"))
            QFile::remove(AppFolder + QStringLiteral("/tblpnta.htm"));
        if (cause == QLatin1String("no CatDef"))
            vault().addEntry(QStringLiteral("Stray"), QStringLiteral("ORPHANS"));
        if (cause == QLatin1String("vault"))
            setFaultHook([&faults](int code, int, int) { return code == 0 && ++faults > 0; });
        PrintSeen seen;
        watchPrinting(seen, all ? ListingPage : EntryPage);
        fake().answers = {MsgAnswer::Yes};
        if (all)
            form<frmPrintConfirm>().Command1_Click();
        else
            form<frmPrintConfirm>().Command20_Click();

        const MessageRecord report = fake().messages.last();
        QCOMPARE(report.title, title);
        QVERIFY2(report.prompt.startsWith(QStringLiteral("Cannot modify template file.\n(")) &&
                     report.prompt.endsWith(QLatin1Char(')')) && report.prompt.contains(named),
                 qPrintable(report.prompt));
        QCOMPARE(report.icon, MsgIcon::Warning);
        QCOMPARE(report.buttons, MsgButtons::Ok);
        QCOMPARE(fake().messages.size(), all ? 2 : 1);
        if (cause == QLatin1String("vault")) QCOMPARE(faults, 1);
        QCOMPARE(seen.count, 0);
        QVERIFY(isLoaded<frmPrintConfirm>());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(pageFilesLeft(), QStringList());
        QVERIFY(!VaultRecords && !CategoryRecords);
        QVERIFY(!QSqlDatabase::database(QStringLiteral("VaultConnection"), false).isOpen());
    }

    // A second print reuses the window and its browser, and prints the new page, not the last.
    void printingTwice() {
        copyDeliveredTemplates(AppFolder);
        vault().addEntry(QStringLiteral("First Bank"), QStringLiteral("BANK ACCOUNT"),
                         {QStringLiteral("11-22")});
        vault().addEntry(QStringLiteral("Second Bank"), QStringLiteral("BANK ACCOUNT"),
                         {QStringLiteral("33-44")});
        PrintSeen first;
        watchPrinting(first, EntryPage);
        showEntry(QStringLiteral("First Bank")).Command4_Click();
        form<frmPrintConfirm>().Command20_Click();
        PrintSeen second;
        watchPrinting(second, EntryPage);
        showEntry(QStringLiteral("Second Bank")).Command4_Click();
        form<frmPrintConfirm>().Command20_Click();

        QCOMPARE(fake().printCount, 2);
        QCOMPARE(second.preview, first.preview);
        QCOMPARE(second.browser, first.browser);
        QVERIFY(first.text.contains(QStringLiteral("11-22")));
        QVERIFY(second.text.contains(QStringLiteral("33-44")));
        QVERIFY(!second.text.contains(QStringLiteral("11-22")));
    }

    void closeWindowUnloadsPreview() {
        frmPrint& preview = form<frmPrint>();
        QCOMPARE(preview.windowTitle(), QStringLiteral("Print (Print Preview)"));
        QCOMPARE(preview.Command1->text(), QStringLiteral("SEND TO &PRINTER"));
        QCOMPARE(preview.Command2->text(), QStringLiteral("&CLOSE WINDOW"));
        QCOMPARE(preview.Command1->toolTip(), QStringLiteral("Click to send form to printer."));
        QCOMPARE(preview.Command2->toolTip(), QStringLiteral("Click to close print preview window."));
        preview.Command2_Click();
        QVERIFY(!isLoaded<frmPrint>());
    }

    // The real templates printed to PDF and read back as text.
    void pdfReadsBack_data() { printingCleansUp_data(); }
    void pdfReadsBack() {
        QFETCH(bool, all);
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is needed");
        copyDeliveredTemplates(AppFolder);
        vault().addEntry(QStringLiteral("Corner Café"), QStringLiteral("WEB SITE"),
                         {QStringLiteral("www.corner.example"), QStringLiteral("barista"),
                          QStringLiteral("Latte&Art<7>"), QStringLiteral("cafe@example.com")},
                         QStringLiteral("Loyalty card no. 55\r\nAsk for Ann's table"));
        vault().addEntry(QStringLiteral("Savings"), QStringLiteral("BANK ACCOUNT"),
                         {QStringLiteral("99887766")});
        const QString pdf = AppFolder + QStringLiteral("/printed.pdf");
        fake().onPrint = [&pdf](QTextDocument& document) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            document.print(&printer);
            return printer.printerState() != QPrinter::Error;
        };
        showEntry(QStringLiteral("Corner Café")).Command4_Click();
        fake().answers = {MsgAnswer::Yes};
        if (all)
            form<frmPrintConfirm>().Command1_Click();
        else
            form<frmPrintConfirm>().Command20_Click();

        QProcess reader;
        reader.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(reader.waitForFinished());
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        QStringList expected{QStringLiteral("Quorlane"),
                             QStringLiteral("CORNER CAFÉ"),
                             QStringLiteral("www.corner.example"),
                             QStringLiteral("barista"),
                             QStringLiteral("Latte&Art<7>"),
                             QStringLiteral("Web Address:"),
                             QStringLiteral("Loyalty card no. 55"),
                             QStringLiteral("Ask for Ann's table"),
                             QStringLiteral("destroy")};
        if (all) {
            expected.replace(1, QStringLiteral("Corner Café"));
            expected << QStringLiteral("99887766") << QStringLiteral("(End of Listing)")
                     << QStringLiteral("03/15/2013 02:05:09 pm");
        } else {
            expected << QStringLiteral("Last updated: 03/15/2013");
        }
        for (const QString& piece : expected)
            QVERIFY2(text.contains(piece), qPrintable(piece + " in:\n" + text));
        if (!all) QVERIFY(!text.contains(QStringLiteral("99887766")));
    }

    // The delivered templates: CR LF lines, Windows-1252, every placeholder of their kind.
    void deliveredTemplates_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("placeholders");
        QTest::newRow("one entry") << "tblpnt.htm" << QStringList{"_F01!", "_F02!", "_F03!", "_F04!", "_F05!",
                                                                  "_F06!", "_F07!", "_F08!", "_F09!", "_F10!",
                                                                  "_F11!", "_F12!", "_F13!", "_F18!"};
        QTest::newRow("all entries") << "tblpnta.htm" << QStringList{"_~p1", "_~p2"};
    }
    void deliveredTemplates() {
        QFETCH(QString, name);
        QFETCH(QStringList, placeholders);
        const QByteArray bytes = readFile(QStringLiteral(QUORLANE_SOURCE_DIR "/resources/templates/") + name);
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count('\n'));
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
        QVERIFY(bytes.contains("charset=windows-1252"));
        const QString text = cp1252::decode(bytes);
        for (const QString& placeholder : placeholders)
            QVERIFY2(text.contains(placeholder), qPrintable(placeholder));
    }
};
QUORLANE_TEST(PrintingTest);

#include "tst_printing.moc"
