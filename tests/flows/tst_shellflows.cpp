#include "app/frmlogin.h"
#include "app/frmsetup.h"
#include "app/traylock.h"
#include "entries/frmentry.h"
#include "testmain.h"
#include "testvault.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

// The shell around the main window: a password set in the setup window guards the way back
// from the tray lock (or, without a tray, from the cover), and the display boxes survive it.
class ShellFlowsTest final : public VaultTestCase {
    Q_OBJECT

    static QColor textColour(const QWidget* box) { return box->palette().color(QPalette::Text); }

private slots:
    void setupLockLogin_data() {
        QTest::addColumn<bool>("tray");
        QTest::newRow("tray") << true;
        QTest::newRow("no tray") << false;
    }
    void setupLockLogin() {
        QFETCH(bool, tray);
        vault().addEntry(QStringLiteral("Alarm"), QStringLiteral("HOME"), {QStringLiteral("4711")});
        vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"), {QStringLiteral("0815")});
        fake().tray = tray;
        frmMain& main = openMainWindow();
        selectEntry(main, QStringLiteral("GARAGE"));
        main.Check2->click();
        const QColor hidden = textColour(main.Picture5->Text1);
        QVERIFY(hidden != QColor(Qt::black));

        ModalScript script;
        script.on<frmSetup>(QStringLiteral("frmSetup"), [](frmSetup& setup) {
            setup.Check1->setChecked(true);
            setup.Text2->setText(QStringLiteral("sesame"));
            setup.Text1->setText(QStringLiteral("sesame"));
            setup.Text3->setText(QStringLiteral("2"));
            setup.Command21_Click();
        });
        main.Command5_Click();
        settle();
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("Success")});
        QVERIFY(!isLoaded<frmSetup>());

        main.Command6_Click();
        QCOMPARE(fake().trayVisible, tray);
        QCOMPARE(main.isHidden() || main.isMinimized(), true);

        QStringList typed = {QStringLiteral("wrong"), QStringLiteral("SESAME")};
        int logins = 0;
        script.on<frmLogin>(QStringLiteral("frmLogin"), [&](frmLogin& login) {
            ++logins;
            while (!typed.isEmpty() && isLoaded<frmLogin>()) {
                login.txtPassword->setText(typed.takeFirst());
                login.txtPassword_KeyPress(13);
            }
        });
        if (tray) {
            fake().clickTray(QSystemTrayIcon::Trigger);
        } else {
            QWidget* cover = main.findChild<QWidget*>(QStringLiteral("lockCover"));
            QVERIFY(cover);
            QTest::mouseClick(cover, Qt::LeftButton);
            QCoreApplication::processEvents();
        }
        settle();

        QCOMPARE(logins, 1);
        QVERIFY(!isLoaded<frmLogin>());
        QVERIFY(main.isVisible() && !main.isMinimized());
        QVERIFY(!main.findChild<QWidget*>(QStringLiteral("lockCover")));
        QVERIFY(!fake().trayVisible);
        QVERIFY(main.Command10->isEnabled() && main.List1->isEnabled());
        // The main window comes back as it was left.
        QCOMPARE(listText(main.List1), QStringLiteral("GARAGE"));
        QCOMPARE(main.Picture5->Text1->text(), QStringLiteral("0815"));
        QVERIFY(main.Check2->isChecked() && !main.Check1->isChecked());
        QCOMPARE(textColour(main.Picture5->Text1), hidden);

        // The entry editor opened now shows its values discreetly.
        bool discreet = false;
        script.on<frmEntry>(QStringLiteral("frmEntry"), [&](frmEntry& entry) {
            discreet = entry.Check1->isChecked() && textColour(entry.Text2) != QColor(Qt::black);
            entry.Command2_Click();
        });
        main.Command11_Click();
        QVERIFY(discreet);
        // Switching to the discreet box unticks the hide box.
        main.Check1->click();
        QVERIFY(main.Check1->isChecked() && !main.Check2->isChecked());
        QVERIFY(textColour(main.Picture5->Text1) != hidden &&
                textColour(main.Picture5->Text1) != QColor(Qt::black));
    }
};

QUORLANE_TEST(ShellFlowsTest);
#include "tst_shellflows.moc"
