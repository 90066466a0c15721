#include "apptestcase.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "waits.h"

#include "app/controls.h"
#include "app/forms.h"
#include "app/modmain.h"
#include "app/modregistry.h"
#include "app/twips.h"
#include "mainwindow/frmmain.h"
#include "store/errorcodes.h"
#include "store/globals.h"
#include "store/locations.h"
#include "store/vault.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

class StartUpTest final : public AppTestCase {
    Q_OBJECT
private slots:
    // A screen passes only when it holds the main window's design size at the current font:
    // 11000 x 8000 twips at the design font. A refusal says what is needed and what there is in
    // the screen's own pixels (fewer than the device's at a display scaling above 100 %).
    void screenCheck_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("needAndHave"); // empty: the screen passes
        QTest::newRow("800x600 at 15 twips per pixel") << 800 * 15 << 600 * 15 << 9 << "";
        QTest::newRow("640x480 at 15 twips per pixel")
            << 640 * 15 << 480 * 15 << 9 << "733x533 pixels; this screen has 640x480";
        QTest::newRow("1280x1024 at 200 % scaling")
            << 640 * 15 << 512 * 15 << 9 << "733x533 pixels; this screen has 640x512";
        QTest::newRow("exactly the limits") << 11000 << 8000 << 9 << "";
        QTest::newRow("too low, however wide")
            << 40000 << 7999 << 9 << "733x533 pixels; this screen has 2666x533";
        QTest::newRow("too narrow, however high")
            << 10999 << 40000 << 9 << "733x533 pixels; this screen has 733x2666";
        QTest::newRow("800x600 with a 16-point font")
            << 800 * 15 << 600 * 15 << 16 << "%1x%2 pixels; this screen has 800x600";
        QTest::newRow("1920x1080 with a 16-point font") << 1920 * 15 << 1080 * 15 << 16 << "";
    }
    void screenCheck() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, points);
        QFETCH(QString, needAndHave);
        const QFont before = QApplication::font();
        const auto restoreFont = qScopeGuard([before] { QApplication::setFont(before); });
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), points));
        const bool passes = needAndHave.isEmpty();
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
                                "At the current display scaling and font size it needs a screen of at least "
                                "%1. Please lower the display scaling or the font size, or raise the "
                                "resolution.")
                     .arg(needAndHave.contains(QLatin1String("%1"))
                              ? needAndHave.arg(twips::toPx(11000)).arg(twips::toPx(8000))
                              : needAndHave));
        QCOMPARE(fake().messages[0].icon, MsgIcon::Error);
        QVERIFY(fake().modals.isEmpty());
    }

    // Exit keeps the main window's place, size and maximised state; the next start shows it so.
    void windowGeometryIsRemembered_data() {
        QTest::addColumn<QRect>("placed");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("moved and enlarged") << QRect(40, 30, 900, 700) << false;
        QTest::newRow("maximised") << QRect(10, 10, 700, 520) << true;
    }
    void windowGeometryIsRemembered() {
        QFETCH(QRect, placed);
        QFETCH(bool, maximised);
        StartUp();
        auto* main = &form<frmMain>();
        main->setGeometry(placed);
        if (maximised) main->showMaximized();
        QTRY_COMPARE_WITH_TIMEOUT(main->isMaximized(), maximised, WaitMs);
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, main->Command2_Click());
        QVERIFY(!stored(QLatin1String(setting::MainWindowGeometry)).toString().isEmpty());

        unload<frmMain>();
        StartUp();
        main = &form<frmMain>();
        QTRY_COMPARE_WITH_TIMEOUT(main->isMaximized(), maximised, WaitMs);
        if (!maximised) {
            QCOMPARE(main->geometry(), placed);
            return;
        }
        main->showNormal();
        QTRY_COMPARE_WITH_TIMEOUT(main->size(), placed.size(), WaitMs);
    }

    // First start without a vault beside the program: the user's vault is made from the delivered
    // one, owner-only, and the user is told where it is, once. A page that a run left behind when
    // it ended while printing is gone.
    void firstStartMakesTheUsersVault() {
        QTemporaryDir home;
        const QByteArray data = qgetenv("XDG_DATA_HOME"), runtime = qgetenv("XDG_RUNTIME_DIR");
        const auto restore = qScopeGuard([&] {
            qputenv("XDG_DATA_HOME", data);
            qputenv("XDG_RUNTIME_DIR", runtime);
        });
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + "/data"));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path()));
        const QString stale = home.path() + "/quorlane-print/tbltmpa.htm";
        QVERIFY(QDir().mkpath(home.path() + "/quorlane-print"));
        QVERIFY(QFile(stale).open(QIODevice::WriteOnly));

        StartUp();
        const QString folder = home.path() + "/data/Quorlane";
        const QString vaultFile = folder + "/gpwdfsc.mdb";
        QCOMPARE(VaultFolder, folder);
        QFile made(vaultFile),
            delivered(installDataFolder(QCoreApplication::applicationDirPath()) + "/gpwdfsc.mdb");
        QVERIFY(made.open(QIODevice::ReadOnly) && delivered.open(QIODevice::ReadOnly));
        QCOMPARE(made.readAll(), delivered.readAll());
        const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                            QFile::WriteOther | QFile::ExeOther;
        QVERIFY(!(QFile::permissions(vaultFile) & (others | QFile::ExeOwner)));
        QVERIFY(!(QFile::permissions(folder) & others));
        QVERIFY(!QFile::exists(stale));
        QVERIFY(form<frmMain>().isVisible());
        QCOMPARE(fake().titles(), QStringList{"Your Vault"});
        QCOMPARE(fake().messages[0].prompt,
                 "Your entries are kept in this file:\n\n" + vaultFile +
                     "\n\nBack it up by copying it somewhere safe while Quorlane is closed.");
        QCOMPARE(fake().messages[0].icon, MsgIcon::Information);

        fake().messages.clear();
        StartUp();
        QVERIFY(fake().messages.isEmpty());
    }

    // Start-up reads the entries once: one list fill (the filter's "ALL CATEGORIES" runs it) and
    // one read of the first entry for the detail view; no other operation reads them.
    void startUpReadsTheEntriesOnce() {
        QTemporaryDir home;
        const QByteArray data = qgetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", data); });
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"));
        vault().addEntry(QStringLiteral("Attic"), QStringLiteral("HOME"));
        const QString folder = userDataFolder();
        QVERIFY(QDir().mkpath(folder) && QFile::copy(vault().path(), folder + "/gpwdfsc.mdb"));
        QList<int> operations;
        setFaultHook([&](int code, int attempt, int statement) {
            if (attempt == 1 && statement == 1) operations << code;
            return false;
        });
        StartUp();
        setFaultHook({});
        QCOMPARE(VaultFolder, folder);
        QCOMPARE(operations, (QList<int>{int(ErrorCode::RetrieveEntries), int(ErrorCode::FillCategoryFilter),
                                         int(ErrorCode::ShowEntry)}));
        QCOMPARE(form<frmMain>().List1->count(), 2);
        QCOMPARE(form<frmMain>().shownEntryKey(), listKey(form<frmMain>().List1));
    }

    // An earlier version's vault (one folder deeper) is moved up once and the user is told; when
    // it cannot be moved it is used where it is, and the user is told that too.
    void startUpMovesAnEarlierVault_data() {
        QTest::addColumn<bool>("moves");
        QTest::newRow("moved") << true;
        QTest::newRow("the move fails") << false;
    }
    void startUpMovesAnEarlierVault() {
        QFETCH(bool, moves);
        QTemporaryDir home;
        const QByteArray data = qgetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("XDG_DATA_HOME", data);
            setVaultMoveFaultHook({});
        });
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"));
        const QString folder = home.path() + "/Quorlane", old = folder + "/Quorlane";
        QVERIFY(QDir().mkpath(old) && QFile::copy(vault().path(), old + "/gpwdfsc.mdb"));
        if (!moves) setVaultMoveFaultHook([](VaultMoveStep step) { return step == VaultMoveStep::Rename; });

        StartUp();
        QCOMPARE(VaultFolder, moves ? folder : old);
        QCOMPARE(QFileInfo::exists(folder + "/gpwdfsc.mdb"), moves);
        QCOMPARE(QFileInfo::exists(old), !moves);
        QCOMPARE(listText(form<frmMain>().List1), QStringLiteral("GARAGE"));
        QCOMPARE(fake().titles(), QStringList{"Your Vault"});
        QCOMPARE(fake().messages[0].prompt,
                 moves ? "Your entries are now kept in this file:\n\n" + folder +
                             "/gpwdfsc.mdb\n\nIt was moved there from " + old +
                             "/gpwdfsc.mdb. Back it up by copying it somewhere safe while Quorlane is closed."
                       : "Your entries are kept in this file:\n\n" + old +
                             "/gpwdfsc.mdb\n\nIt could not be moved to " + folder + "/gpwdfsc.mdb (" +
                             QString::fromLocal8Bit(strerror(EIO)) +
                             "); Quorlane tries again at the next start.");
    }

    // quorlane --vault FILE: that file is the vault, whatever else exists, and nothing is made
    // in the data folder.
    void startUpWithAVaultNamedOnTheCommandLine() {
        QTemporaryDir home, stick;
        const QByteArray data = qgetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", data); });
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        vault().addEntry(QStringLiteral("Bike lock"), QStringLiteral("HOME"));
        const QString file = stick.path() + "/travel.db";
        QVERIFY(QFile::copy(vault().path(), file));
        ChosenVaultFile = file;

        StartUp();
        QCOMPARE(vaultFilePath(), file);
        QCOMPARE(listText(form<frmMain>().List1), QStringLiteral("BIKE LOCK"));
        QVERIFY(fake().messages.isEmpty());
        QCOMPARE(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});
    }

    // A vault of the small pages plain vaults had before moves to large ones at start-up.
    void startUpMovesSmallPagesToLargeOnes() {
        QTemporaryDir home, stick;
        const QByteArray data = qgetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", data); });
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        vault().addEntry(QStringLiteral("Bike lock"), QStringLiteral("HOME"));
        ChosenVaultFile = stick.path() + "/travel.db";
        QVERIFY(QFile::copy(vault().path(), ChosenVaultFile));
        sqlite::Connection(ChosenVaultFile).execute("PRAGMA page_size = 4096; VACUUM");
        QCOMPARE(fileBytes(ChosenVaultFile).mid(16, 2), QByteArray("\x10\x00", 2));

        StartUp();
        QCOMPARE(fileBytes(ChosenVaultFile).mid(16, 2), QByteArray("\x40\x00", 2));
        QCOMPARE(listText(form<frmMain>().List1), QStringLiteral("BIKE LOCK"));
        QVERIFY(fake().messages.isEmpty());
    }

    void appFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("appFolder");
        // clang-format off
        QTest::newRow("root of a drive")  << "C:\\"               << "C:";
        QTest::newRow("a folder")         << "C:\\Tools\\Quorlane" << "C:\\Tools\\Quorlane";
        QTest::newRow("ending in a slash") << "/opt/quorlane/"      << "/opt/quorlane";
        // clang-format on
    }
    void appFolder() {
        QFETCH(QString, folder);
        storeState().appFolder = appFolderFrom(folder);
        QTEST(storeState().appFolder, "appFolder");
    }
};

QUORLANE_TEST(StartUpTest);
#include "tst_startup.moc"
