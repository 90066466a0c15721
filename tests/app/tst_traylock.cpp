#include "apptestcase.h"
#include "fakeplatform.h"
#include "testmain.h"

#include "app/clipboard.h"
#include "app/forms.h"
#include "app/frmlogin.h"
#include "app/frmsetup.h"
#include "app/loginsession.h"
#include "app/picturebox.h"
#include "app/traylock.h"
#include "entries/frmentry.h"
#include "mainwindow/frmmain.h"
#include "printing/frmprint.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>

namespace {

// The main window as start-up leaves it: shown, with the login settings of the vault loaded.
frmMain& shownMainWindow() {
    LoadLoginSettings();
    frmMain& main = form<frmMain>();
    main.show();
    return main;
}

// While the login window is shown, types each password in turn and presses Enter, as long as
// the window stays open.
void typeAtLogin(const QStringList& passwords) {
    fake().onShowModal = [passwords](QDialog&) {
        for (const QString& typed : passwords) {
            if (!isLoaded<frmLogin>()) return;
            QLineEdit* box = form<frmLogin>().txtPassword;
            QTest::keyClicks(box, typed);
            QTest::keyClick(box, Qt::Key_Return);
        }
    };
}

// An assistive technology pressing a control, as over the accessibility bus.
void pressByAccessibility(QWidget* control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
}

QWidget* lockCover() {
    return form<frmMain>().findChild<QWidget*>(QStringLiteral("lockCover"));
}

} // namespace

class TrayLockTest final : public AppTestCase {
    Q_OBJECT
private slots:
    void init() {
        AppTestCase::init();
        fake().tray = true;
    }

    // Without a password a left click or double-click brings the window back; the icon stays.
    void clickWithoutPassword_data() {
        QTest::addColumn<int>("reason");
        QTest::newRow("left click") << int(QSystemTrayIcon::Trigger);
        QTest::newRow("double-click") << int(QSystemTrayIcon::DoubleClick);
    }
    void clickWithoutPassword() {
        QFETCH(int, reason);
        frmMain& main = shownMainWindow();
        main.showMaximized();
        QTest::mouseClick(main.Command6, Qt::LeftButton);
        QVERIFY(!main.isVisible());
        QVERIFY(fake().trayVisible);
        QCOMPARE(fake().trayTip, QStringLiteral("Quorlane"));
        fake().clickTray(reason);
        QVERIFY(main.isVisible());
        QVERIFY(!main.isMaximized());
        QVERIFY(!main.isMinimized());
        QVERIFY(fake().trayVisible);
        QVERIFY(fake().modals.isEmpty());
        // Locking again hides the window behind the same icon.
        main.Command6_Click();
        QVERIFY(!main.isVisible());
        QVERIFY(fake().trayVisible);
    }

    // Other mouse events on the icon change nothing.
    void otherClicksIgnored_data() {
        QTest::addColumn<int>("reason");
        QTest::newRow("middle button") << int(QSystemTrayIcon::MiddleClick);
        QTest::newRow("unknown") << int(QSystemTrayIcon::Unknown);
    }
    void otherClicksIgnored() {
        QFETCH(int, reason);
        setLogin(QStringLiteral("1"), QStringLiteral("secret"), QStringLiteral("3"));
        frmMain& main = shownMainWindow();
        main.Command6_Click();
        fake().clickTray(reason);
        QVERIFY(!main.isVisible());
        QVERIFY(fake().modals.isEmpty());
        QVERIFY(fake().menus.isEmpty());
        QVERIFY(fake().trayVisible);
    }

    // A right click offers the shutdown menu only while the window is hidden; shutting down asks
    // for no password and removes the icon.
    void rightClick() {
        setLogin(QStringLiteral("1"), QStringLiteral("secret"), QStringLiteral("3"));
        frmMain& main = shownMainWindow();
        main.Command6_Click();
        loginSession().password.clear(); // the window comes back without a login ...
        fake().clickTray(QSystemTrayIcon::Trigger);
        QVERIFY(main.isVisible());
        fake().clickTray(QSystemTrayIcon::Context); // ... and a right click now does nothing
        QVERIFY(fake().menus.isEmpty());
        LoadLoginSettings();
        main.Command6_Click();
        fake().clickTray(QSystemTrayIcon::Context);
        QCOMPARE(fake().menus, QStringList{QStringLiteral("menPopup")});
        QCOMPARE(main.menPopup->actions().size(), 1);
        QCOMPARE(main.menPopup->actions().first(), main.menShut);
        QCOMPARE(main.menShut->text(), QStringLiteral("Shutdown Quorlane"));
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, main.menShut_Click());
        QVERIFY(!fake().trayVisible);
        QVERIFY(fake().modals.isEmpty());
    }

    // A login from the tray: wrong passwords empty the box until the retries are used up; the
    // window then closes and the program stays in the tray.
    void loginFromTray_data() {
        QTest::addColumn<QString>("retries");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("right at once, other case and blanks") << "3" << QStringList{"  SECRET "} << true;
        QTest::newRow("right after three wrong") << "3" << QStringList{"a", "b", "", "secret"} << true;
        QTest::newRow("four wrong with 3 retries")
            << "3" << QStringList{"a", "b", "c", "d", "secret"} << false;
        QTest::newRow("one wrong with 0 retries") << "0" << QStringList{"a", "secret"} << false;
        QTest::newRow("empty retry count: one try") << "" << QStringList{"", "secret"} << false;
    }
    void loginFromTray() {
        QFETCH(QString, retries);
        QFETCH(QStringList, typed);
        QFETCH(bool, accepted);
        setLogin(QStringLiteral("1"), QStringLiteral("Secret"), retries);
        frmMain& main = shownMainWindow();
        main.Command6_Click();
        typeAtLogin(typed);
        fake().clickTray(QSystemTrayIcon::Trigger);
        QCOMPARE(fake().modals, QStringList{QStringLiteral("frmLogin")});
        QVERIFY(loginSession().fromTray);
        QVERIFY(!isLoaded<frmLogin>());
        QCOMPARE(main.isVisible(), accepted);
        QCOMPARE(fake().trayVisible, !accepted);
        if (accepted) return;
        QVERIFY(fake().messages.last().prompt.endsWith(
            QStringLiteral("That was the last try: Quorlane stays locked. Click its icon to try again.")));
        // A later click starts again with a full set of tries.
        typeAtLogin({QStringLiteral("wrong"), QStringLiteral("secret")});
        fake().clickTray(QSystemTrayIcon::DoubleClick);
        QCOMPARE(main.isVisible(), retries.toInt() >= 1);
    }

    // Closing the tray's login window without the password keeps the program locked, although
    // the start-up login was accepted: without a tray the window goes back to the task bar.
    void closingTrayLoginKeepsLocked_data() {
        QTest::addColumn<bool>("tray");
        QTest::newRow("behind the tray icon") << true;
        QTest::newRow("behind the cover") << false;
    }
    void closingTrayLoginKeepsLocked() {
        QFETCH(bool, tray);
        fake().tray = tray;
        setLogin(QStringLiteral("1"), QStringLiteral("secret"), QStringLiteral("3"));
        typeAtLogin({QStringLiteral("secret")});
        LoadLoginSettings();
        RunStartUpLogin();
        frmMain& main = form<frmMain>();
        main.Command6_Click();
        fake().onShowModal = [](QDialog&) { QTest::keyClick(form<frmLogin>().txtPassword, Qt::Key_Escape); };
        trayLock().activated(QSystemTrayIcon::Trigger);
        QVERIFY(!isLoaded<frmLogin>());
        QVERIFY(!trayLock().mainShown());
        QCOMPARE(fake().trayVisible, tray);
        QCOMPARE(main.isMinimized(), !tray);
    }

    // Restoring the covered window while its login window is open asks no second time.
    void restoreDuringLoginAsksOnce() {
        fake().tray = false;
        setLogin(QStringLiteral("1"), QStringLiteral("secret"), QStringLiteral("3"));
        frmMain& main = shownMainWindow();
        main.Command6_Click();
        fake().onShowModal = [&main](QDialog&) {
            main.showNormal();
            QCoreApplication::processEvents();
            QVERIFY(isLoaded<frmLogin>());
            QTest::keyClicks(form<frmLogin>().txtPassword, QStringLiteral("secret"));
            QTest::keyClick(form<frmLogin>().txtPassword, Qt::Key_Return);
        };
        trayLock().activated(QSystemTrayIcon::Trigger);
        QCoreApplication::processEvents();
        QCOMPARE(fake().modals, QStringList{QStringLiteral("frmLogin")});
        QVERIFY(trayLock().mainShown());
        QVERIFY(!main.isMinimized());
    }

    // After giving up once, every later login from the tray allows a single try.
    void giveUpLeavesOneTry() {
        setLogin(QStringLiteral("1"), QStringLiteral("secret"), QStringLiteral("3"));
        frmMain& main = shownMainWindow();
        main.Command6_Click();
        fake().onShowModal = [](QDialog&) { QTest::mouseClick(form<frmLogin>().Picture2, Qt::LeftButton); };
        fake().clickTray(QSystemTrayIcon::Trigger);
        QVERIFY(!isLoaded<frmLogin>());
        QVERIFY(!main.isVisible());
        QCOMPARE(loginSession().retries, short(0));
        typeAtLogin({QStringLiteral("wrong"), QStringLiteral("secret")});
        fake().clickTray(QSystemTrayIcon::Trigger);
        QVERIFY(!main.isVisible());
        typeAtLogin({QStringLiteral("secret")});
        fake().clickTray(QSystemTrayIcon::Trigger);
        QVERIFY(main.isVisible());
        QVERIFY(!fake().trayVisible);
    }

    // A password set in the setup window is asked at the next click on the icon.
    void passwordFromSetupAskedAtNextClick() {
        frmMain& main = shownMainWindow();
        main.Command5_Click();
        frmSetup& setup = form<frmSetup>();
        setup.Check1->setChecked(true);
        setup.Text2->setText(QStringLiteral("new"));
        setup.Text1->setText(QStringLiteral("new"));
        setup.Command21_Click();
        main.Command6_Click();
        typeAtLogin({QStringLiteral("NEW")});
        fake().clickTray(QSystemTrayIcon::Trigger);
        QCOMPARE(fake().modals, (QStringList{QStringLiteral("frmSetup"), QStringLiteral("frmLogin")}));
        QVERIFY(main.isVisible());
    }

    // Locking empties the program: no other window stays open, the print preview neither; the
    // list and the shown entry are empty; the copied value is off the clipboard and the selection;
    // no control answers an assistive technology. The unlock fills the window again with the same
    // filter and entry, and says whose changes the closed editor dropped.
    void lockEmptiesTheProgram_data() {
        QTest::addColumn<bool>("tray");
        QTest::newRow("behind the tray icon") << true;
        QTest::newRow("minimised behind the cover") << false;
    }
    void lockEmptiesTheProgram() {
        QFETCH(bool, tray);
        fake().tray = tray;
        setLogin(QStringLiteral("1"), QStringLiteral("secret"), QStringLiteral("3"));
        vault().addEntry(QStringLiteral("Alpha"), QStringLiteral("HOME"), {"a1", "a2", "alpha-secret"});
        vault().addEntry(QStringLiteral("Zulu"), QStringLiteral("HOME"), {"z1", "z2", "zulu-secret"},
                         "z notes");
        vault().addEntry(QStringLiteral("Bank"), QStringLiteral("CREDIT CARD"), {"b1"});
        LoadLoginSettings();
        frmMain& main = openMainWindow();
        main.chooseFilter(QStringLiteral("HOME"));
        selectEntry(main, QStringLiteral("ZULU"));
        const std::optional<EntryKey> zulu = main.shownEntryKey();
        main.copyField(3);
        selectionMade(QStringLiteral("z2"));
        form<frmPrint>(); // the preview stays loaded, hidden, after a print
        main.Command11_Click();
        QTest::keyClicks(form<frmEntry>().Text6, QStringLiteral(" more"));
        const QPointer<frmEntry> editor = &form<frmEntry>();

        main.Command6_Click();
        QVERIFY(closed(editor));
        QVERIFY(!isLoaded<frmPrint>());
        QCOMPARE(main.List1->count(), 0);
        for (const QLineEdit* box :
             {main.Picture5->Text1, main.Picture5->Text2, main.Picture5->Text3, main.Picture5->Text4})
            QCOMPARE(box->text(), QString());
        QCOMPARE(main.Picture5->Text5->toPlainText(), QString());
        QCOMPARE(main.Picture5->Label3->text(), QString());
        QVERIFY(!main.shownEntry());
        QCOMPARE(fake().clipboard, QString());
        QCOMPARE(fake().selection, QString());
        const int modals = int(fake().modals.size());
        pressByAccessibility(main.Picture5->Picture12);
        pressByAccessibility(main.Command11);
        QCOMPARE(fake().clipboard, QString());
        QCOMPARE(int(fake().modals.size()), modals);
        QVERIFY(fake().messages.isEmpty());

        typeAtLogin({QStringLiteral("secret")});
        if (tray)
            fake().clickTray(QSystemTrayIcon::Trigger);
        else
            main.showNormal();
        QCoreApplication::processEvents();
        QVERIFY(trayLock().mainShown());
        QCOMPARE(main.filterText(), QStringLiteral("HOME"));
        QCOMPARE(listRows(main.List1), (QStringList{"ALPHA", "ZULU"}));
        QCOMPARE(main.shownEntryKey(), zulu);
        QCOMPARE(main.Picture5->Text3->text(), QStringLiteral("zulu-secret"));
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("Changes Not Saved")});
        QVERIFY(fake().messages[0].prompt.contains(QStringLiteral("\"ZULU\"")));
        pressByAccessibility(main.Picture5->Picture12);
        QCOMPARE(fake().clipboard, QStringLiteral("zulu-secret"));
    }

    // The vault deleted while the program was locked: the unlock gives the vault's report.
    void vaultGoneWhileLocked() {
        setLogin(QStringLiteral("1"), QStringLiteral("secret"), QStringLiteral("3"));
        LoadLoginSettings();
        frmMain& main = openMainWindow();
        main.Command6_Click();
        QVERIFY(QFile::remove(vault().path()));
        typeAtLogin({QStringLiteral("secret")});
        fake().clickTray(QSystemTrayIcon::Trigger);
        QVERIFY(main.isVisible());
        QVERIFY(fake().lastTitle().startsWith(QStringLiteral("E2")));
        QCOMPARE(main.List1->count(), 0);
    }

    // Without a tray the window is minimised with its values covered, and restoring it takes the
    // way a click on the icon would.
    void withoutTray_data() {
        QTest::addColumn<bool>("password");
        QTest::addColumn<bool>("restoreByClickingCover");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("unlocked");
        QTest::newRow("no password, restored") << false << false << QStringList{} << true;
        QTest::newRow("no password, cover clicked") << false << true << QStringList{} << true;
        QTest::newRow("password, restored") << true << false << QStringList{"secret"} << true;
        QTest::newRow("password, cover clicked") << true << true << QStringList{"secret"} << true;
        QTest::newRow("wrong password") << true << false << QStringList{"a", "b"} << false;
    }
    void withoutTray() {
        QFETCH(bool, password);
        QFETCH(bool, restoreByClickingCover);
        QFETCH(QStringList, typed);
        QFETCH(bool, unlocked);
        fake().tray = false;
        setLogin(password ? QStringLiteral("1") : QStringLiteral("0"), QStringLiteral("secret"),
                 QStringLiteral("1"));
        frmMain& main = shownMainWindow();
        main.Check1->setChecked(true);
        // A command the main window has disabled stays disabled after the unlock.
        const bool commandDisabled = password;
        main.Command8->setEnabled(!commandDisabled);
        main.Command6_Click();
        QVERIFY(main.isMinimized());
        QVERIFY(!fake().trayVisible);
        QWidget* cover = lockCover();
        QVERIFY(cover && cover->isVisible());
        QCOMPARE(cover->geometry(), main.rect());
        QVERIFY(!trayLock().mainShown());
        // Nothing behind the cover answers while locked.
        QVERIFY(!main.Command5->isEnabled());
        QVERIFY(!main.Check2->isEnabled());
        typeAtLogin(typed);
        if (restoreByClickingCover)
            QTest::mouseClick(cover, Qt::LeftButton);
        else
            main.showNormal();
        QCoreApplication::processEvents();
        QCOMPARE(fake().modals, password ? QStringList{QStringLiteral("frmLogin")} : QStringList{});
        QCOMPARE(lockCover() == nullptr, unlocked);
        QCOMPARE(main.isMinimized(), !unlocked);
        QCOMPARE(trayLock().mainShown(), unlocked);
        QCOMPARE(main.Command5->isEnabled(), unlocked);
        QVERIFY(main.Command8->isEnabled() == (unlocked && !commandDisabled));
        QVERIFY(main.Check1->isChecked());
    }
};

QUORLANE_TEST(TrayLockTest);
#include "tst_traylock.moc"
