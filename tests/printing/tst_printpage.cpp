#include "store/printpage.h"
#include "store/vault.h"
#include "testmain.h"
#include "testvault.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Filling a template into a page file, byte by byte.
class RenderPrintPageTest final : public QObject {
    Q_OBJECT
private slots:
    void fills_data() {
        QTest::addColumn<QByteArray>("templateBytes");
        QTest::addColumn<QStringList>("pairs"); // placeholder, value, placeholder, value, ...
        QTest::addColumn<QByteArray>("page");
        const QStringList visa{"_F01!", "Visa"};
        QTest::newRow("placeholder twice on a line") << QByteArray("<td>_F01!</td><td>_F01!</td>\r\n") << visa
                                                     << QByteArray("<td>Visa</td><td>Visa</td>\r\n");
        QTest::newRow("none: copied unchanged") << QByteArray("<p>a</p>\r\n\r\n<p>b</p>\r\n") << visa
                                                << QByteArray("<p>a</p>\r\n\r\n<p>b</p>\r\n");
        QTest::newRow("split over two lines stays")
            << QByteArray("_F0\r\n1!\r\n") << visa << QByteArray("_F0\r\n1!\r\n");
        QTest::newRow("later pairs see earlier values, not the reverse")
            << QByteArray("_F01! _F02!\r\n") << QStringList{"_F01!", "x _F02!", "_F02!", "_F01!"}
            << QByteArray("x _F01! _F01!\r\n");
        QTest::newRow("every line ends in CR LF")
            << QByteArray("a\nb\rc") << visa << QByteArray("a\r\nb\r\nc\r\n");
        QTest::newRow("Windows-1252 in and out")
            << QByteArray("caf\xE9 \x80 _F01!\r\n") << QStringList{"_F01!", QStringLiteral("é€")}
            << QByteArray("caf\xE9 \x80 \xE9\x80\r\n");
        QTest::newRow("a character outside the code page is kept as a reference")
            << QByteArray("_F01!\r\n") << QStringList{"_F01!", QStringLiteral("2:05\u202FPM")}
            << QByteArray("2:05&#8239;PM\r\n");
    }
    void fills() {
        QFETCH(QByteArray, templateBytes);
        QFETCH(QStringList, pairs);
        QFETCH(QByteArray, page);
        QTemporaryDir dir;
        QFile source(dir.filePath("t.htm"));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write(templateBytes);
        source.close();
        PageSubstitutions substitutions;
        for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
            substitutions.append({pairs[i], pairs[i + 1]});
        RenderPrintPage(dir.filePath("t.htm"), dir.filePath("p.htm"), substitutions);
        QFile written(dir.filePath("p.htm"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), page);
    }
};
QUORLANE_TEST(RenderPrintPageTest);

// The listing of every entry, read from the vault.
class ListingTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void emptyVault() { QCOMPARE(*ListAllEntries(), QStringLiteral("(End of Listing)")); }

    void twoEntriesByteForByte() {
        vault().addEntry("Example Mail", "WEB SITE",
                         {"https://mail.example.com", "jdoe", "s3cret", "jd@example.com"},
                         "Security question:\r\nFirst pet");
        vault().addEntry("Visa", "CREDIT CARD", {"4111 1111", "12/27"}, {}, "01/02/2020 09:00:00 am");
        QCOMPARE(*ListAllEntries(),
                 QStringLiteral("<u>Category: </u>WEB SITE<br><br><u>Site:</u><br>Example Mail<br><br>"
                                "<u>Web Address:</u><br>https://mail.example.com<br><br>"
                                "<u>User Name:</u><br>jdoe<br><br><u>Password:</u><br>s3cret<br><br>"
                                "<u>E-mail:</u><br>jd@example.com<br><br>"
                                "<u>Notes:</u><br>Security question:<br>First pet<br><br>"
                                "<u>Last updated on:</u><br>03/15/2013 02:05:09 pm<br><br><hr>"
                                "<u>Category: </u>CREDIT CARD<br><br><u>Card:</u><br>Visa<br><br>"
                                "<u>Card Number:</u><br>4111 1111<br><br>"
                                "<u>Expiry Date:</u><br>12/27<br><br><u>Security Code:</u><br><br><br>"
                                "<u>PIN:</u><br><br><br><u>Notes:</u><br><br><br>"
                                "<u>Last updated on:</u><br>01/02/2020 09:00:00 am<br><br><hr>"
                                "(End of Listing)"));
    }

    // What is stored, and the fragment of the listing it gives.
    void valuesAndTitles_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("brackets and ampersands escaped, apostrophes and euro signs as typed")
            << "Tom's <R&D> &amp; \u20AC"
            << ""
            << "Code"
            << "<u>Item:</u><br>Tom's &lt;R&amp;D&gt; &amp;amp; \u20AC<br><br>";
        QTest::newRow("notes: every kind of line break")
            << "n"
            << "<one>\r\ntwo\nthree"
            << "Code"
            << "<u>Notes:</u><br>&lt;one&gt;<br>two<br>three<br><br>";
        QTest::newRow("title trimmed, brackets keep their text") << "t"
                                                                 << ""
                                                                 << "  Owner\u20ACs <PIN>  "
                                                                 << "<u>Owner's &lt;PIN&gt;:</u><br>";
    }
    void valuesAndTitles() {
        QFETCH(QString, description);
        QFETCH(QString, notes);
        QFETCH(QString, title);
        QFETCH(QString, fragment);
        vault().exec("UPDATE CatDef SET pwUDF1 = ? WHERE pwCat = 'HOME'", {title});
        vault().addEntry(description, "HOME", {}, notes);
        const QString listing = *ListAllEntries();
        QVERIFY2(listing.contains(fragment), qPrintable(listing));
    }
};
QUORLANE_TEST(ListingTest);

#include "tst_printpage.moc"
