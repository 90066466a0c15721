#include "attachments/attachmentlines.h"
#include "testmain.h"

#include <QTest>

using namespace attachments;

class AttachmentLinesTest final : public QObject {
    Q_OBJECT
private slots:
    // Only the last three characters count, in any case, also without a dot.
    void pictureFromFileName_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("picture");
        QTest::newRow("photo.jpg") << QStringLiteral("/home/ann/photo.jpg") << 2;
        QTest::newRow("PHOTO.JPEG") << QStringLiteral("/home/ann/PHOTO.JPEG") << 5;
        QTest::newRow("setup.exe") << QStringLiteral("C:\\Temp\\setup.exe") << 1;
        QTest::newRow("run.Com") << QStringLiteral("/bin/run.Com") << 1;
        QTest::newRow("notes.txt") << QStringLiteral("/docs/notes.txt") << 4;
        QTest::newRow("README") << QStringLiteral("/src/README") << 5;
        QTest::newRow("MYTXT without a dot") << QStringLiteral("/src/MYTXT") << 4;
        QTest::newRow("ledger.dbf") << QStringLiteral("/data/ledger.dbf") << 3;
    }
    void pictureFromFileName() {
        QFETCH(QString, file);
        QFETCH(int, picture);
        QCOMPARE(pictureForFile(file), picture);
    }

    // A line comes apart into what the save writes: the description with its blank, the path
    // as it was, whatever it holds.
    void splitLine_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("path");
        QTest::newRow("plain") << QStringLiteral("PASSPORT") << QStringLiteral("/home/ann/passport.pdf");
        QTest::newRow("apostrophe and case")
            << QStringLiteral("BOB`S KEY") << QStringLiteral("/Users/Bob/O'Neil's Key.TXT");
        QTest::newRow("separator inside the path")
            << QStringLiteral("ODD") << QStringLiteral("/tmp/a \u00b7 \u00b7 b.txt");
        QTest::newRow("empty path") << QStringLiteral("NOTHING") << QString();
    }
    void splitLine() {
        QFETCH(QString, description);
        QFETCH(QString, path);
        const QString line = attachmentLine(description, path);
        QCOMPARE(line, description + QStringLiteral(" \u00b7 \u00b7 ") + path);
        const LineParts parts = splitAttachmentLine(line);
        QCOMPARE(parts.description, description + QLatin1Char(' '));
        QCOMPARE(parts.path, path);
    }

    void storedValues() {
        QCOMPARE(storedDescription(QStringLiteral("  bob's 'key'  ")), QStringLiteral("BOB`S `KEY`"));
        QCOMPARE(storedPictureNumber(QStringLiteral("2")), 2);
        QCOMPARE(storedPictureNumber(QStringLiteral(" 4 ")), 4);
        // Numbers that name no picture show the one of other files.
        for (const char* odd : {"", "0", "6", "x"})
            QCOMPARE(storedPictureNumber(QLatin1String(odd)), 5);
        QCOMPARE(pictureKey(1), QStringLiteral("Executables"));
        QCOMPARE(pictureKey(4), QStringLiteral("Document"));
        QCOMPARE(pictureKey(5), QStringLiteral("Others"));
    }
};

QUORLANE_TEST(AttachmentLinesTest);
#include "tst_attachmentlines.moc"
