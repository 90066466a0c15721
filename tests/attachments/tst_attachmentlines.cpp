#include "attachments/attachmentlines.h"
#include "store/records.h"
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
