#include "frmprint.h"

#include "app/forms.h"
#include "app/platform.h"
#include "app/windowkit.h"
#include "hourglass.h"
#include "store/cp1252.h"
#include "store/vault.h"

#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

using namespace windowkit;

namespace {

// The printed pages are Windows-1252 text; the view reads them as such (it would take them for
// UTF-8) and notes when a page cannot be read.
class PageBrowser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QString failure;

    QVariant loadResource(int type, const QUrl& name) override {
        if (type != QTextDocument::HtmlResource || !name.isLocalFile())
            return QTextBrowser::loadResource(type, name);
        QFile page(name.toLocalFile());
        if (!page.open(QIODevice::ReadOnly)) {
            failure = page.fileName() + QStringLiteral(": ") + page.errorString();
            return QString();
        }
        return cp1252::decode(page.readAll());
    }
};

} // namespace

frmPrint::frmPrint() {
    setUpWindow(this, "frmPrint", tr("Print (Print Preview)"));
    // The window is made visible only to print, and never reaches the screen.
    setAttribute(Qt::WA_DontShowOnScreen);
    fixSize(this, 4020, 1890);

    wb = named(new PageBrowser(this), "wb");
    wb->setOpenLinks(false);
    place(wb, 45, 45, 3930, 1185);
    wb->setAccessibleName(tr("Print preview"));

    Command1 = captionButton(this, "Command1", tr("SEND TO &PRINTER"), "print", 240,
                             tr("Click to send form to printer."));
    place(Command1, 45, 1305, 1950, 525);
    Command2 = captionButton(this, "Command2", tr("&CLOSE WINDOW"), "close", 240,
                             tr("Click to close print preview window."));
    place(Command2, 2025, 1305, 1950, 525);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

frmPrint::~frmPrint() = default;

void frmPrint::Form_Load() {}

void frmPrint::Navigate(const QString& pageFile) {
    auto* browser = static_cast<PageBrowser*>(wb);
    browser->failure.clear();
    const QUrl url = QUrl::fromLocalFile(pageFile);
    // The same page file holds a new page each time: load it again.
    if (wb->source() == url)
        wb->reload();
    else
        wb->setSource(url, QTextDocument::HtmlResource);
    if (!browser->failure.isEmpty()) throw VaultFailure{QStringLiteral("Quorlane"), -1, browser->failure};
}

bool frmPrint::PrintPreviewPage() {
    Hourglass hourglass;
    const bool printed = platform().print(*wb->document());
    hide();
    return printed;
}

void frmPrint::Command1_Click() {
    PrintPreviewPage();
}

void frmPrint::Command2_Click() {
    unload<frmPrint>();
}

void frmPrint::reject() {
    Command2_Click();
}
