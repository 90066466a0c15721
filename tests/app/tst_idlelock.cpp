#include "apptestcase.h"
#include "fakeplatform.h"
#include "testmain.h"

#include "app/forms.h"
#include "app/frmsetup.h"
#include "app/idlelock.h"
#include "app/loginsession.h"
#include "app/traylock.h"
#include "entries/frmentry.h"
#include "mainwindow/frmmain.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>

namespace {

constexpr qint64 Minute = 60 * 1000;

// The main window as start-up leaves it, idle time counted from now.
frmMain& startedWithIdleLock() {
    LoadLoginSettings();
    frmMain& main = openMainWindow();
    idleLock().start();
    return main;
}

bool locked() {
    return !trayLock().mainShown();
}

} // namespace

class IdleLockTest final : public AppTestCase {
    Q_OBJECT
private slots:
    // With a login password the window locks after the idle period, the same way as the lock
    // command (behind the tray icon, or behind the cover without a tray); without one it never
    // does.
    void locksWhenIdle_data() {
        QTest::addColumn<bool>("password");
        QTest::addColumn<bool>("tray");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<qint64>("period");
        QTest::newRow("password, tray, default 5 min") << true << true << QVariant() << 5 * Minute;
        QTest::newRow("password, no tray: cover") << true << false << QVariant() << 5 * Minute;
        QTest::newRow("password, 1 min stored") << true << true << QVariant(1) << Minute;
        QTest::newRow("password, 0: never") << true << true << QVariant(0) << qint64(0);
        QTest::newRow("no password") << false << true << QVariant() << qint64(0);
    }
    void locksWhenIdle() {
        QFETCH(bool, password);
        QFETCH(bool, tray);
        QFETCH(QVariant, stored);
        QFETCH(qint64, period);
        if (password) setLogin(QStringLiteral("1"), QStringLiteral("secret"), QStringLiteral("3"));
        store(QStringLiteral("IdleLockMinutes"), stored);
        fake().tray = tray;
        frmMain& main = startedWithIdleLock();
        if (period == 0) {
            fake().advance(24 * 60 * Minute);
            QVERIFY(!locked());
            return;
        }
        fake().advance(period - 1000);
        QVERIFY(!locked());
        fake().advance(1000);
        QVERIFY(locked());
        QCOMPARE(fake().trayVisible, tray);
        QCOMPARE(main.findChild<QWidget*>(QStringLiteral("lockCover")) != nullptr, !tray);
        // Locked, it stays so; the way back is the tray's, through the login window.
        fake().advance(60 * Minute);
        QVERIFY(fake().modals.isEmpty());
    }

    // Keyboard and mouse input in any window starts the period again.
    void inputPostponesTheLock() {
        setLogin(QStringLiteral("1"), QStringLiteral("secret"), QStringLiteral("3"));
        fake().tray = true;
        frmMain& main = startedWithIdleLock();
        fake().advance(4 * Minute);
        QTest::keyClick(main.List1, Qt::Key_Down);
        fake().advance(4 * Minute);
        QTest::mouseClick(main.Picture5->Text1, Qt::LeftButton);
        fake().advance(4 * Minute);
        QVERIFY(!locked());
        fake().advance(Minute);
        QVERIFY(locked());
    }

    // Whatever is open, the period without input locks: an entry editor with typing in it is
    // closed; a message box is closed, after the save it reports has been written whole, and
    // the list is not filled again behind it while locked.
    void openWindowsDoNotHoldTheLock_data() {
        QTest::addColumn<bool>("messageBox");
        QTest::newRow("entry editor open") << false;
        QTest::newRow("\"Entry successfully saved.\" open") << true;
    }
    void openWindowsDoNotHoldTheLock() {
        QFETCH(bool, messageBox);
        setLogin(QStringLiteral("1"), QStringLiteral("secret"), QStringLiteral("3"));
        fake().tray = true;
        frmMain& main = startedWithIdleLock();
        const QString count = QStringLiteral("SELECT COUNT(*) FROM PDF");
        const int entriesBefore = vault().value(count).toInt();
        main.Command10_Click();
        frmEntry& editor = form<frmEntry>();
        setComboText(editor.Combo1, QStringLiteral("HOME"));
        QTest::keyClicks(editor.Text2, QStringLiteral("New bank"));
        bool lockedWhileShown = false;
        fake().onMessage = [&](const MessageRecord&) {
            fake().advance(5 * Minute);
            lockedWhileShown = locked();
        };
        if (messageBox)
            editor.Command21_Click();
        else
            fake().advance(5 * Minute);
        QVERIFY(locked());
        QCOMPARE(lockedWhileShown, messageBox);
        QCOMPARE(fake().titles(), messageBox ? QStringList{QStringLiteral("Success")} : QStringList{});
        QVERIFY(!isLoaded<frmEntry>());
        QCOMPARE(main.List1->count(), 0);
        QCOMPARE(vault().value(count).toInt(), entriesBefore + (messageBox ? 1 : 0));
    }

    // The setup window shows both settings and saves them with the login settings; a refused
    // save stores nothing, and a new period counts at once.
    void setupWindowSavesTheSettings_data() {
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<bool>("saved");
        QTest::newRow("saved") << "secret" << true;
        QTest::newRow("confirmation failed") << "other" << false;
    }
    void setupWindowSavesTheSettings() {
        QFETCH(QString, confirmation);
        QFETCH(bool, saved);
        setLogin(QStringLiteral("1"), QStringLiteral("secret"), QStringLiteral("3"));
        fake().tray = true;
        frmMain& main = startedWithIdleLock();
        main.Command5_Click();
        frmSetup& setup = form<frmSetup>();
        QCOMPARE(setup.clearSeconds->value(), 20);
        QCOMPARE(setup.idleMinutes->value(), 5);
        setup.clearSeconds->setValue(0);
        QCOMPARE(setup.clearSeconds->text(), QStringLiteral("Never"));
        setup.idleMinutes->setValue(2);
        setup.Text1->setText(confirmation);
        setup.Command21_Click();
        QCOMPARE(isLoaded<frmSetup>(), !saved);
        QCOMPARE(stored(QStringLiteral("ClipboardClearSeconds")),
                 saved ? QVariant(QStringLiteral("0")) : QVariant());
        QCOMPARE(stored(QStringLiteral("IdleLockMinutes")),
                 saved ? QVariant(QStringLiteral("2")) : QVariant());
        if (!saved) return;
        QCOMPARE(fake().lastTitle(), QStringLiteral("Success"));
        settle();
        fake().advance(2 * Minute);
        QVERIFY(locked());
        // Opened again, the window shows what was stored.
        unload<frmSetup>();
        settle();
        QCOMPARE(form<frmSetup>().idleMinutes->value(), 2);
    }
};

QUORLANE_TEST(IdleLockTest);
#include "tst_idlelock.moc"
