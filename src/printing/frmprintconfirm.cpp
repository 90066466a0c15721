#include "frmprintconfirm.h"

#include "app/colours.h"
#include "app/forms.h"
#include "app/language.h"
#include "app/mainwindowport.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/twips.h"
#include "app/vaultreport.h"
#include "app/windowkit.h"
#include "frmprint.h"
#include "hourglass.h"
#include "store/dates.h"
#include "store/locations.h"
#include "store/printpage.h"
#include "store/vault.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <exception>

using namespace windowkit;

namespace {

QLabel* wrappedLabel(QWidget* parent, const char* name, const QString& caption) {
    QLabel* wrapped = label(parent, name, caption);
    wrapped->setWordWrap(true);
    wrapped->setAlignment(Qt::AlignCenter);
    return wrapped;
}

// The entry shown in the main window, as its detail view shows it, for the one-entry template.
PageSubstitutions shownEntrySubstitutions(const ShownEntry& shown) {
    // The notes keep their line breaks as the view holds them (one LF each): a CR beside them
    // would count as a second break in the page's pre-formatted notes.
    const Entry& entry = shown.entry;
    QString notes = entry.notes;
    notes.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const std::array<QString, 6> titles = shownTitles(shown);
    return {
        {QStringLiteral("_F01!"), escapePageText(entry.category)},
        {QStringLiteral("_F02!"), escapePageText(entry.description)},
        {QStringLiteral("_F03!"), escapePageText(entry.fields[0])},
        {QStringLiteral("_F04!"), escapePageText(entry.fields[1])},
        {QStringLiteral("_F05!"), escapePageText(entry.fields[2])},
        {QStringLiteral("_F06!"), escapePageText(entry.fields[3])},
        {QStringLiteral("_F07!"), escapePageText(notes)},
        {QStringLiteral("_F08!"), escapePageText(titles[0])},
        {QStringLiteral("_F09!"), escapePageText(titles[1])},
        {QStringLiteral("_F10!"), escapePageText(titles[2])},
        {QStringLiteral("_F11!"), escapePageText(titles[3])},
        {QStringLiteral("_F12!"), escapePageText(titles[4])},
        {QStringLiteral("_F13!"), escapePageText(titles[5])},
        {QStringLiteral("_F18!"), QLatin1Char(' ') + shownUpdateDate(entry.lastUpdate).trimmed()},
    };
}

// The current date and time in the system's short-date and long-time forms.
QString printDateText() {
    const QDateTime now = platform().now();
    const QLocale locale = QLocale::system();
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(now.time(), QLocale::LongFormat);
}

// Hands a written page to the preview window, which prints it off screen; closes this window.
bool printThroughPreview(const QString& page) {
    frmPrint& preview = form<frmPrint>();
    preview.Navigate(page);
    unload<frmPrintConfirm>();
    preview.move(preview.x(), twips::toPx(-5000));
    preview.show();
    return preview.PrintPreviewPage();
}

// A printing failure: no page with passwords stays behind, the arrow comes back, then the
// report (warning icon, no retry).
void reportPrintFailure(ErrorCode code, const VaultFailure& failure, Hourglass& hourglass,
                        const QString& page) {
    removePrintPage(page);
    rememberFailure(failure);
    hourglass.release();
    showConversionReport(code);
}

VaultFailure failureOf(const std::exception& e) {
    return {QStringLiteral("Quorlane"), -1, QString::fromLocal8Bit(e.what())};
}

// Runs print (writing the page and printing it); a failure of either kind is reported under code
// and answers false.
template <class Print>
bool printOrReport(ErrorCode code, Hourglass& hourglass, const QString& page, Print print) {
    try {
        print();
        return true;
    } catch (const VaultFailure& failure) {
        reportPrintFailure(code, failure, hourglass, page);
    } catch (const std::exception& e) {
        reportPrintFailure(code, failureOf(e), hourglass, page);
    }
    return false;
}

} // namespace

frmPrintConfirm::frmPrintConfirm() {
    setUpWindow(this, "frmPrintConfirm", tr("W A R N I N G !"));
    // The spaced caption is read letter by letter; assistive technology reads the word.
    setAccessibleName(tr("Warning!"));
    fixSize(this, 5160, 3420);

    Picture2 = picture(this, "Picture2", QStringLiteral("warning"));
    place(Picture2, 520, 150, 4120, 900);

    Label1 = wrappedLabel(
        this, "Label1",
        tr("Printing password information increases the chance of them being found by other people."));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setStyleSheet(QStringLiteral("color: %1;").arg(colours::warningText().name()));
    place(Label1, 240, 1140, 4680, 600);
    Label2 = wrappedLabel(this, "Label2",
                          tr("Click on GO if you are sure you still want to print. If you want to print "
                             "ALL your passwords, click on the PRINT ALL button."));
    place(Label2, 240, 1770, 4680, 690);

    Command20 = captionButton(this, "Command20", tr("&GO"), "printone", 390,
                              tr("Print selected password information."));
    place(Command20, 240, 2640, 1440, 570);
    Command1 = captionButton(this, "Command1", tr("PRINT &ALL"), "printall", 390, tr("Print all passwords."));
    place(Command1, 1860, 2640, 1440, 570);
    Command1->setDefault(true);
    Command2 = captionButton(this, "Command2", tr("&CANCEL"), "close", 390, tr("Cancel print."));
    place(Command2, 3480, 2640, 1440, 570);
    // Unlike the other windows' buttons, these take Enter when they have the focus.
    for (QPushButton* b : {Command20, Command1, Command2})
        b->setAutoDefault(true);
    Command1->setFocus();

    connect(Command20, &QPushButton::clicked, this, [this] { Command20_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

frmPrintConfirm::~frmPrintConfirm() = default;

void frmPrintConfirm::Form_Load() {
    if (platform().twipsPerPixel() == 12) place(Picture2, 500, 100, 4120, 1000);
}

// GO: prints the entry shown in the main window.
void frmPrintConfirm::Command20_Click() {
    const MainWindowPort& main = mainWindow();
    const std::optional<ShownEntry>& shown = main.shownEntry();
    if (!main.hasCurrentEntry() || !shown) return;
    Hourglass hourglass;
    QString page;
    const bool written = printOrReport(ErrorCode::PrintEntry, hourglass, page, [&] {
        page = printPagePath(EntryPageName);
        RenderPrintPage(deliveredInLanguage(QLatin1String(EntryTemplateName)), page,
                        shownEntrySubstitutions(*shown));
        printThroughPreview(page);
    });
    if (!written) return;
    removePrintPage(page);
}

// PRINT ALL: asks once more, then prints every entry and reminds to collect the pages.
void frmPrintConfirm::Command1_Click() {
    const MsgAnswer answer = platform().messageBox(
        frmPrintConfirm::tr("** WARNING **"),
        tr("WARNING! You are about to print ALL passwords.\n\nAre you absolutely sure you want to do this?"),
        MsgIcon::Error, MsgButtons::YesNo, MsgAnswer::No);
    if (answer != MsgAnswer::Yes) return;
    Hourglass hourglass;
    const Result<QString> listing = ListAllEntries();
    if (!listing) {
        // The vault's attempts are spent: no earlier listing stays behind, then the report.
        if (!storeState().printFolder.isEmpty())
            removePrintPage(storeState().printFolder + QLatin1Char('/') + QLatin1String(ListingPageName));
        hourglass.release();
        showConversionReport(listing.code());
        return;
    }
    QString page;
    bool printed = false;
    const bool written = printOrReport(ErrorCode::PrintAll, hourglass, page, [&] {
        page = printPagePath(ListingPageName);
        RenderPrintPage(deliveredInLanguage(QLatin1String(ListingTemplateName)), page,
                        {{QStringLiteral("_~p1"), *listing}, {QStringLiteral("_~p2"), printDateText()}});
        printed = printThroughPreview(page);
    });
    if (!written) return;
    removePrintPage(page);
    hourglass.release();
    // Nothing to collect from the printer when the print was cancelled or failed.
    if (!printed) return;
    platform().messageBox(frmPrintConfirm::tr("** REMINDER **"),
                          tr("All passwords have been printed.\n\nYou should close this window ONLY "
                             "after you have retrieved your information from your printer."),
                          MsgIcon::Information);
}

void frmPrintConfirm::Command2_Click() {
    unload<frmPrintConfirm>();
}

void frmPrintConfirm::reject() {
    Command2_Click();
}
