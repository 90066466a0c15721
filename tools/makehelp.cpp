// Turns the user's guide (Markdown text) into the Help.pdf delivered beside the program.
// Usage: makehelp <guide.md> <Help.pdf>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: makehelp <guide.md> <Help.pdf>\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "makehelp: cannot read %s\n", argv[1]);
        return 1;
    }
    QTextDocument guide;
    QFont body(QStringLiteral("DejaVu Sans"));
    body.setPointSize(10);
    guide.setDefaultFont(body);
    guide.setDefaultStyleSheet(
        QStringLiteral("h1 { color: #1d3f6e; } h2 { color: #1d3f6e; } "
                       "th { background-color: #dfe7f1; padding: 4px; } td { padding: 4px; }"));
    const QString text = QString::fromUtf8(source.readAll());
    guide.setMarkdown(text);
    // Markdown tables come without padding or a light border; the style sheet does not reach them.
    for (QTextFrame* frame : guide.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        QTextTableFormat format = table->format();
        format.setCellPadding(4);
        format.setCellSpacing(0);
        format.setBorder(0.5);
        format.setBorderCollapse(true);
        format.setBorderBrush(QColor(0xa0, 0xae, 0xc0));
        table->setFormat(format);
    }
    // The document's title is the guide's first heading, in the guide's language.
    guide.setMetaInformation(QTextDocument::DocumentTitle,
                             text.section(QLatin1Char('\n'), 0, 0).mid(2).trimmed());

    // The document adds a margin of its own when printed.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(argv[2]));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                      QPageLayout::Millimeter));
    printer.setDocName(QStringLiteral("Quorlane User's Guide"));
    printer.setCreator(QStringLiteral("Quorlane"));
    guide.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        std::fprintf(stderr, "makehelp: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
