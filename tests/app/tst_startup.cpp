#include "apptestcase.h"
#include "fakeplatform.h"
#include "testmain.h"

#include "app/forms.h"
#include "app/modmain.h"
#include "mainwindow/frmmain.h"
#include "store/vault.h"

#include <QTest>

class StartUpTest final : public AppTestCase {
    Q_OBJECT
private slots:
    // A screen passes only when it is at least 11000 twips wide and 8000 high.
    void screenCheck_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("passes");
        QTest::newRow("800x600 at 15 twips per pixel") << 800 * 15 << 600 * 15 << true;
        QTest::newRow("640x480 at 15 twips per pixel") << 640 * 15 << 480 * 15 << false;
        QTest::newRow("exactly the limits") << 11000 << 8000 << true;
        QTest::newRow("too low, however wide") << 40000 << 7999 << false;
        QTest::newRow("too narrow, however high") << 10999 << 40000 << false;
    }
    void screenCheck() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, passes);
        QCOMPARE(screenLargeEnough(width, height), passes);
        fake().screenTwips = QSize(width, height);
        bool ended = false;
        try {
            StartUp();
        } catch (const ProgramEnded&) {
            ended = true;
        }
        QCOMPARE(ended, !passes);
        QCOMPARE(form<frmMain>().isVisible(), passes);
        if (passes) {
            QVERIFY(!fake().titles().contains(QStringLiteral("Invalid Resolution")));
            return;
        }
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("Invalid Resolution")});
        QCOMPARE(fake().messages[0].prompt,
                 QStringLiteral("QUORLANE does not support your current resolution mode.\n\n"
                                "Please change your resolution to at least 800x600 pixels."));
        QCOMPARE(fake().messages[0].icon, MsgIcon::Error);
        QVERIFY(fake().modals.isEmpty());
    }

    void appFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("appFolder");
        QTest::addColumn<QString>("vaultFile");
        // clang-format off
        QTest::newRow("root of a drive")  << "C:\\"               << "C:"                 << "C:/gpwdfsc.mdb";
        QTest::newRow("a folder")         << "C:\\Tools\\Quorlane" << "C:\\Tools\\Quorlane" << "C:\\Tools\\Quorlane/gpwdfsc.mdb";
        QTest::newRow("ending in a slash") << "/opt/quorlane/"      << "/opt/quorlane"      << "/opt/quorlane/gpwdfsc.mdb";
        // clang-format on
    }
    void appFolder() {
        QFETCH(QString, folder);
        AppFolder = appFolderFrom(folder);
        QTEST(AppFolder, "appFolder");
        QTEST(vaultFilePath(), "vaultFile");
    }
};

QUORLANE_TEST(StartUpTest);
#include "tst_startup.moc"
