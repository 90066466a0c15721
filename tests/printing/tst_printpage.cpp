#include "store/codec.h"
#include "store/globals.h"
#include "store/printpage.h"
#include "store/vault.h"
#include "testmain.h"
#include "testvault.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Placeholder and value alternate.
PageSubstitutions pairs(const QStringList& flat) {
    PageSubstitutions out;
    for (qsizetype i = 0; i + 1 < flat.size(); i += 2)
        out.append({flat[i], flat[i + 1]});
    return out;
}

} // namespace

// Filling a template into a page file, byte by byte.
class RenderPrintPageTest final : public QObject {
    Q_OBJECT
private slots:
    void fills_data() {
        QTest::addColumn<QByteArray>("templateBytes");
        QTest::addColumn<QStringList>("substitutions");
        QTest::addColumn<QByteArray>("page");
        const QStringList one{QStringLiteral("_F01!"), QStringLiteral("Visa")};
        QTest::newRow("placeholder twice on a line") << QByteArray("<td>_F01!</td><td>_F01!</td>\r\n") << one
                                                     << QByteArray("<td>Visa</td><td>Visa</td>\r\n");
        QTest::newRow("no placeholder: copied unchanged")
            << QByteArray("<html>\r\n<p>plain</p>\r\n</html>\r\n") << one
            << QByteArray("<html>\r\n<p>plain</p>\r\n</html>\r\n");
        QTest::newRow("placeholder split over two lines stays")
            << QByteArray("<p>_F0\r\n1!</p>\r\n") << one << QByteArray("<p>_F0\r\n1!</p>\r\n");
        QTest::newRow("placeholders are case-sensitive")
            << QByteArray("_f01! _F01!\r\n") << one << QByteArray("_f01! Visa\r\n");
        QTest::newRow("later pairs see earlier values")
            << QByteArray("_F01!\r\n") << QStringList{"_F01!", "x _F02! y", "_F02!", "B"}
            << QByteArray("x B y\r\n");
        QTest::newRow("earlier pairs do not see later values")
            << QByteArray("_F02!\r\n") << QStringList{"_F01!", "A", "_F02!", "_F01!"}
            << QByteArray("_F01!\r\n");
        QTest::newRow("several placeholders on one line")
            << QByteArray("_F09! _F03!\r\n") << QStringList{"_F03!", "4111", "_F09!", "Card Number:"}
            << QByteArray("Card Number: 4111\r\n");
        QTest::newRow("last line without line end gets CR LF")
            << QByteArray("a\r\nb") << one << QByteArray("a\r\nb\r\n");
        QTest::newRow("LF and CR line ends become CR LF")
            << QByteArray("a\nb\rc\r\n") << one << QByteArray("a\r\nb\r\nc\r\n");
        QTest::newRow("empty lines stay")
            << QByteArray("a\r\n\r\n\r\nb\r\n") << one << QByteArray("a\r\n\r\n\r\nb\r\n");
        QTest::newRow("empty template, empty page") << QByteArray() << one << QByteArray();
        QTest::newRow("Windows-1252 bytes of the template pass through")
            << QByteArray("caf\xE9 \x80 \x96 \x9F\r\n") << one << QByteArray("caf\xE9 \x80 \x96 \x9F\r\n");
        QTest::newRow("values are written in Windows-1252")
            << QByteArray("_F01!\r\n") << QStringList{"_F01!", QStringLiteral("café €5 Tom's")}
            << QByteArray("caf\xE9 \x80"
                          "5 Tom's\r\n");
        QTest::newRow("a character outside the code page is kept as a reference")
            << QByteArray("_F01!\r\n") << QStringList{"_F01!", QStringLiteral("2:05\u202FPM \U0001F600")}
            << QByteArray("2:05&#8239;PM &#128512;\r\n");
        QTest::newRow("line breaks inside a value are written as given")
            << QByteArray("<p>_F07!</p>\r\n") << QStringList{"_F07!", "one\r\ntwo"}
            << QByteArray("<p>one\r\ntwo</p>\r\n");
    }
    void fills() {
        QFETCH(QByteArray, templateBytes);
        QFETCH(QStringList, substitutions);
        QFETCH(QByteArray, page);
        QTemporaryDir dir;
        writeBytes(dir.filePath("template.htm"), templateBytes);
        RenderPrintPage(dir.filePath("template.htm"), dir.filePath("page.htm"), pairs(substitutions));
        QCOMPARE(readBytes(dir.filePath("page.htm")), page);
    }

    void replacesAnExistingPage() {
        QTemporaryDir dir;
        writeBytes(dir.filePath("template.htm"), "short\r\n");
        writeBytes(dir.filePath("page.htm"), QByteArray(5000, 'x'));
        RenderPrintPage(dir.filePath("template.htm"), dir.filePath("page.htm"), {});
        QCOMPARE(readBytes(dir.filePath("page.htm")), QByteArray("short\r\n"));
    }

    void failures_data() {
        QTest::addColumn<bool>("templateExists");
        QTest::addColumn<bool>("pageIsFolder");
        QTest::addColumn<QString>("named");
        QTest::newRow("missing template") << false << false << "tblpnt.htm";
        QTest::newRow("page cannot be written") << true << true << "tbltmp.htm";
    }
    void failures() {
        QFETCH(bool, templateExists);
        QFETCH(bool, pageIsFolder);
        QFETCH(QString, named);
        QTemporaryDir dir;
        if (templateExists) writeBytes(dir.filePath("tblpnt.htm"), "_F01!\r\n");
        if (pageIsFolder) QVERIFY(QDir(dir.path()).mkdir("tbltmp.htm"));
        try {
            RenderPrintPage(dir.filePath("tblpnt.htm"), dir.filePath("tbltmp.htm"), pairs({"_F01!", "x"}));
            QFAIL("no failure");
        } catch (const VaultFailure& failure) {
            QVERIFY2(failure.description.startsWith(named + ": "), qPrintable(failure.description));
        }
        if (!templateExists) QVERIFY(!QFile::exists(dir.filePath("tbltmp.htm")));
    }

    void escaping_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("angle brackets") << "<b>1 > 0</b>"
                                        << "&lt;b&gt;1 &gt; 0&lt;/b&gt;";
        QTest::newRow("ampersand and quotes stay") << "A&amp;B \"q\" 'a'"
                                                   << "A&amp;B \"q\" 'a'";
        QTest::newRow("an entity typed as text stays an entity") << "&lt;"
                                                                 << "&lt;";
    }
    void escaping() {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(escapePageText(text), escaped);
    }
};
QUORLANE_TEST(RenderPrintPageTest);

// The listing of every entry, read from the vault.
class ListingTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void twoEntriesByteForByte() {
        vault().addEntry(QStringLiteral("Example Mail"), QStringLiteral("WEB SITE"),
                         {QStringLiteral("https://mail.example.com"), QStringLiteral("jdoe"),
                          QStringLiteral("s3cret"), QStringLiteral("jdoe@example.com")},
                         QStringLiteral("Security question:\r\nFirst pet"),
                         QStringLiteral("03/15/2013 02:05:09 pm"));
        vault().addEntry(QStringLiteral("Visa"), QStringLiteral("CREDIT CARD"),
                         {QStringLiteral("4111 1111 1111 1111"), QStringLiteral("12/27")}, QString(),
                         QStringLiteral("01/02/2020 09:00:00 am"));
        QCOMPARE(ListAllEntries(), QStringLiteral("<u>Category: </u>WEB SITE<br><br>"
                                                  "<u>Site:</u><br>Example Mail<br><br>"
                                                  "<u>Web Address:</u><br>https://mail.example.com<br><br>"
                                                  "<u>User Name:</u><br>jdoe<br><br>"
                                                  "<u>Password:</u><br>s3cret<br><br>"
                                                  "<u>E-mail:</u><br>jdoe@example.com<br><br>"
                                                  "<u>Notes:</u><br>Security question:<br>First pet<br><br>"
                                                  "<u>Last updated on:</u><br>03/15/2013 02:05:09 pm<br><br>"
                                                  "<hr>"
                                                  "<u>Category: </u>CREDIT CARD<br><br>"
                                                  "<u>Card:</u><br>Visa<br><br>"
                                                  "<u>Card Number:</u><br>4111 1111 1111 1111<br><br>"
                                                  "<u>Expiry Date:</u><br>12/27<br><br>"
                                                  "<u>Security Code:</u><br><br><br>"
                                                  "<u>PIN:</u><br><br><br>"
                                                  "<u>Notes:</u><br><br><br>"
                                                  "<u>Last updated on:</u><br>01/02/2020 09:00:00 am<br><br>"
                                                  "<hr>"
                                                  "(End of Listing)"));
        QVERIFY(!VaultRecords && !CategoryRecords);
    }

    void emptyVault() { QCOMPARE(ListAllEntries(), QStringLiteral("(End of Listing)")); }

    // Each row: what is stored, and the fragment of the listing it gives.
    void valuesAndTitles_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("udf1Title");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("less and greater than escaped") << "a<b>c"
                                                       << ""
                                                       << "Code"
                                                       << "<u>Item:</u><br>a&lt;b&gt;c<br><br>";
        QTest::newRow("ampersand stays") << "R&D"
                                         << ""
                                         << "Code"
                                         << "<u>Item:</u><br>R&D<br><br>";
        QTest::newRow("apostrophe substitute turned back") << "Tom's \u20ACkey"
                                                           << ""
                                                           << "Code"
                                                           << "<u>Item:</u><br>Tom's 'key<br><br>";
        QTest::newRow("notes: CR LF, LF and CR each a line")
            << "n"
            << "one\r\ntwo\nthree\rfour"
            << "Code"
            << "<u>Notes:</u><br>one<br>two<br>three<br>four<br><br>";
        QTest::newRow("notes escaped, breaks kept") << "n"
                                                    << "<tag>\r\n&"
                                                    << "Code"
                                                    << "<u>Notes:</u><br>&lt;tag&gt;<br>&<br><br>";
        QTest::newRow("title trimmed, apostrophe back") << "t"
                                                        << ""
                                                        << "  Owner\u20ACs code  "
                                                        << "<u>Owner's code:</u><br>";
        QTest::newRow("title with angle brackets keeps its text") << "t"
                                                                  << ""
                                                                  << "PIN <4 digits>"
                                                                  << "<u>PIN &lt;4 digits&gt;:</u><br>";
    }
    void valuesAndTitles() {
        QFETCH(QString, description);
        QFETCH(QString, notes);
        QFETCH(QString, udf1Title);
        QFETCH(QString, fragment);
        vault().exec(QStringLiteral("UPDATE CatDef SET pwUDF1 = ? WHERE pwCat = 'HOME'"), {udf1Title});
        vault().addEntry(description, QStringLiteral("HOME"), {}, notes);
        const QString listing = ListAllEntries();
        QVERIFY2(listing.contains(fragment), qPrintable(listing));
    }

    void nullColumnsListEmpty() {
        const qint64 key =
            vault().addEntry(QStringLiteral("Gate"), QStringLiteral("HOME"), {QStringLiteral("1234")});
        vault().exec(QStringLiteral("UPDATE PDF SET PDF2 = NULL, PDF6 = NULL WHERE pNum = ?"), {key});
        const QString listing = ListAllEntries();
        QVERIFY(listing.contains(QStringLiteral("<u>Code:</u><br><br><br>")));
        QVERIFY(listing.contains(QStringLiteral("<u>Notes:</u><br><br><br>")));
    }

    // An entry whose category has no titles fails the listing, and the vault is let go.
    void categoryWithoutTitlesFails() {
        vault().addEntry(QStringLiteral("First"), QStringLiteral("HOME"));
        vault().addEntry(QStringLiteral("Orphan"), QStringLiteral("GONE"));
        try {
            ListAllEntries();
            QFAIL("no failure");
        } catch (const VaultFailure& failure) {
            QVERIFY2(failure.description.contains(QStringLiteral("GONE")), qPrintable(failure.description));
        }
        QVERIFY(!VaultRecords && !CategoryRecords);
        QVERIFY(!QSqlDatabase::database(QStringLiteral("VaultConnection"), false).isOpen());
    }
};
QUORLANE_TEST(ListingTest);

#include "tst_printpage.moc"
