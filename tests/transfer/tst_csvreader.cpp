#include "testmain.h"
#include "transfer/csvreader.h"

#include <QTest>

using Rows = QList<QStringList>;

namespace {

QByteArray utf16le(const QString& text) {
    QByteArray out("\xFF\xFE", 2);
    for (QChar c : text) {
        out += char(c.unicode() & 0xFF);
        out += char(c.unicode() >> 8);
    }
    return out;
}

} // namespace

class CsvReaderTest final : public QObject {
    Q_OBJECT
private slots:
    void reads_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<Rows>("records");
        QTest::addColumn<QList<int>>("lines");
        const QStringList ab = {"a", "b"};
        QTest::newRow("LF") << QByteArray("a,b\n1,2\n3,4\n") << ab << Rows{{"1", "2"}, {"3", "4"}}
                            << QList<int>{2, 3};
        QTest::newRow("CR LF, no break at the end")
            << QByteArray("a,b\r\n1,2\r\n3,4") << ab << Rows{{"1", "2"}, {"3", "4"}} << QList<int>{2, 3};
        QTest::newRow("CR alone") << QByteArray("a,b\r1,2\r3,4\r") << ab << Rows{{"1", "2"}, {"3", "4"}}
                                  << QList<int>{2, 3};
        QTest::newRow("comma in quotes")
            << QByteArray("a,b\n\"x,y\",z\n") << ab << Rows{{"x,y", "z"}} << QList<int>{2};
        QTest::newRow("doubled quotes") << QByteArray("a,b\n\"say \"\"hi\"\"\",\"\"\"\"\n") << ab
                                        << Rows{{"say \"hi\"", "\""}} << QList<int>{2};
        QTest::newRow("line breaks in quotes move the line count")
            << QByteArray("a,b\n\"l1\nl2\r\nl3\",x\n3,4\n") << ab << Rows{{"l1\nl2\r\nl3", "x"}, {"3", "4"}}
            << QList<int>{2, 5};
        QTest::newRow("quoted header")
            << QByteArray("\"a\",\"b\"\r\n\"1\",2\r\n") << ab << Rows{{"1", "2"}} << QList<int>{2};
        QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                             "a,b\n1,2\n")
                                               << ab << Rows{{"1", "2"}} << QList<int>{2};
        QTest::newRow("UTF-8 beyond ASCII") << QByteArray("a,b\nGr\xC3\xBC\xC3\x9F"
                                                          "e,\xE2\x82\xAC\n")
                                            << ab << Rows{{u"Grüße"_qs, u"€"_qs}} << QList<int>{2};
        QTest::newRow("UTF-16 with its mark")
            << utf16le(u"a,b\r\nç,2\r\n"_qs) << ab << Rows{{u"ç"_qs, "2"}} << QList<int>{2};
        QTest::newRow("empty values") << QByteArray("a,b,c\n,,\n\"\",x,\"\"\n") << QStringList{"a", "b", "c"}
                                      << Rows{{"", "", ""}, {"", "x", ""}} << QList<int>{2, 3};
        QTest::newRow("comma at the very end")
            << QByteArray("a,b\n1,") << ab << Rows{{"1", ""}} << QList<int>{2};
        QTest::newRow("empty lines skipped") << QByteArray("\na,b\n\n1,2\n\n\n3,4\n\n") << ab
                                             << Rows{{"1", "2"}, {"3", "4"}} << QList<int>{4, 7};
        QTest::newRow("quote inside an unquoted value kept")
            << QByteArray("a,b\nab\"c,5\"\n") << ab << Rows{{"ab\"c", "5\""}} << QList<int>{2};
        QTest::newRow("spaces kept") << QByteArray("a,b\n  x , y \n") << ab << Rows{{"  x ", " y "}}
                                     << QList<int>{2};
        QTest::newRow("header only") << QByteArray("a,b\r\n") << ab << Rows{} << QList<int>{};
    }
    void reads() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, header);
        QFETCH(Rows, records);
        QFETCH(QList<int>, lines);
        const auto result = csv::read(file);
        QVERIFY2(std::holds_alternative<csv::Table>(result),
                 qPrintable(std::get_if<csv::Failure>(&result) ? std::get<csv::Failure>(result).reason
                                                               : QString()));
        const csv::Table& table = std::get<csv::Table>(result);
        QCOMPARE(table.header, header);
        Rows read;
        QList<int> readLines;
        for (const csv::Record& record : table.records) {
            read.append(record.fields);
            readLines.append(record.line);
        }
        QCOMPARE(read, records);
        QCOMPARE(readLines, lines);
    }

    void refuses_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << QByteArray() << 0 << "The file is empty.";
        QTest::newRow("byte-order mark only") << QByteArray("\xEF\xBB\xBF") << 0 << "The file is empty.";
        QTest::newRow("blank lines only") << QByteArray("\r\n\n\r\n") << 0 << "The file is empty.";
        QTest::newRow("quote never closed")
            << QByteArray("a,b\n1,2\n\"open,3\n4,5\n") << 3
            << "Line 3: a value in quotes begins here and its closing quote is missing.";
        QTest::newRow("quote never closed in the header") << QByteArray("\"a,b\n") << 1
                                                          << "Line 1: a value in quotes begins here and its "
                                                             "closing quote is missing.";
        QTest::newRow("text after a closing quote")
            << QByteArray("a,b\n1,2\n\"x\"y,2\n") << 3
            << "Line 3: a value in quotes is followed by \"y\" before the "
               "next comma.";
        QTest::newRow("more values than the header")
            << QByteArray("a,b\n1,2\n1,2,3\n") << 3 << "Line 3 has 3 values, but the header (line 1) has 2.";
        QTest::newRow("fewer values, after a value over two lines")
            << QByteArray("\n\na,b\n\"x\ny\",1\nz\n") << 6
            << "Line 6 has 1 value, but the header (line 3) has 2.";
        QTest::newRow("zero byte")
            << QByteArray("a,b\n1,\0x\n", 9) << 2
            << "Line 2 holds binary data (a zero byte): the file is not a CSV text file.";
        QTest::newRow("picture file")
            << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) << 3
            << "Line 3 holds binary data (a zero byte): the file is not a CSV text file.";
        QTest::newRow("not UTF-8") << QByteArray("a,b\n1,2\nCaf\xE9,1\n") << 3
                                   << "Line 3 is not UTF-8 text. Save the file as UTF-8 CSV and try again.";
    }
    void refuses() {
        QFETCH(QByteArray, file);
        QFETCH(int, line);
        QFETCH(QString, reason);
        const auto result = csv::read(file);
        QVERIFY(std::holds_alternative<csv::Failure>(result));
        QCOMPARE(std::get<csv::Failure>(result).line, line);
        QCOMPARE(std::get<csv::Failure>(result).reason, reason);
    }

    // What the writer puts out, the reader gives back, whatever the values hold.
    void writtenRecordsReadBack() {
        const QStringList header = {"one", "two", "three"};
        const Rows rows = {{"plain", "with, comma", "with \"quotes\""},
                           {"line\r\nbreak", "", " spaces "},
                           {u"Grüße €"_qs, "\"", "a\nb\rc"}};
        QByteArray file = csv::writeRecord(header);
        for (const QStringList& row : rows)
            file += csv::writeRecord(row);
        QVERIFY(file.startsWith("\"one\",\"two\",\"three\"\r\n"));
        const auto result = csv::read(file);
        QVERIFY(std::holds_alternative<csv::Table>(result));
        Rows read;
        for (const csv::Record& record : std::get<csv::Table>(result).records)
            read.append(record.fields);
        QCOMPARE(read, rows);
    }

    // A large file reports its progress now and then, ending at its full size.
    void reportsProgress() {
        QByteArray file = "a,b\n";
        while (file.size() < 3'000'000)
            file += "\"some value\",another\n";
        QList<qint64> done;
        qint64 total = 0;
        const auto result = csv::read(file, [&](qint64 d, qint64 t) {
            done.append(d);
            total = t;
        });
        QVERIFY(std::holds_alternative<csv::Table>(result));
        QVERIFY(done.size() >= 3);
        QVERIFY(std::is_sorted(done.begin(), done.end()));
        QCOMPARE(done.last(), total);
    }
};

QUORLANE_TEST(CsvReaderTest);
#include "tst_csvreader.moc"
