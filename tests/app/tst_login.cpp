#include "apptestcase.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "typing.h"

#include "app/forms.h"
#include "app/frmlogin.h"
#include "app/frmsetup.h"
#include "app/loginsession.h"
#include "app/picturebox.h"
#include "app/twips.h"
#include "mainwindow/frmmain.h"
#include "store/vault.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QStyle>
#include <QTest>
#include <QTextBoundaryFinder>

namespace {

// Types text into the login window's password box and presses Enter, as a person would.
void typePassword(const QString& text) {
    QLineEdit* box = form<frmLogin>().txtPassword;
    typeText(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

class LoginTest final : public AppTestCase {
    Q_OBJECT
private slots:
    void loadsSettings_data() {
        QTest::addColumn<bool>("hasRow");
        QTest::addColumn<QString>("rul");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("retries");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("shownPassword");
        QTest::addColumn<QString>("shownRetries");
        QTest::addColumn<QString>("loginPassword");
        QTest::addColumn<int>("loginRetries");
        // clang-format off
        //  has row, RUL, UPass, URetry  ->  ticked, password boxes, retry box, session password, session retries
        QTest::newRow("empty LPass table: no login, 3 retries")
            << false << ""    << ""               << ""   << false << ""            << "3"  << ""            << 3;
        QTest::newRow("RUL 1 with a password of blanks: no login")
            << true  << "1"   << "    "           << "3"  << true  << ""            << "3"  << ""            << 3;
        QTest::newRow("RUL 0: no login whatever UPass holds")
            << true  << "0"   << "secret"         << "2"  << false << ""            << "2"  << ""            << 2;
        QTest::newRow("RUL 1: password trimmed, upper-cased in memory")
            << true  << "1"   << "  Open Sesame " << "2"  << true  << "Open Sesame" << "2"  << "OPEN SESAME" << 2;
        QTest::newRow("RUL with blanks around the 1")
            << true  << " 1 " << "pw"             << "1"  << true  << "pw"          << "1"  << "PW"          << 1;
        QTest::newRow("empty URetry counts as 0")
            << true  << "1"   << "pw"             << ""   << true  << "pw"          << ""   << "PW"          << 0;
        QTest::newRow("a word as URetry counts as 0")
            << true  << "1"   << "pw"             << "x"  << true  << "pw"          << "x"  << "PW"          << 0;
        QTest::newRow("a negative URetry stays whole in the box and counts as 0")
            << true  << "1"   << "pw"             << "-1" << true  << "pw"          << "-1" << "PW"          << 0;
        // clang-format on
    }
    void loadsSettings() {
        QFETCH(bool, hasRow);
        QFETCH(QString, rul);
        QFETCH(QString, password);
        QFETCH(QString, retries);
        if (hasRow)
            setLogin(rul, password, retries);
        else
            vault().exec(QStringLiteral("DELETE FROM LPass"));
        LoadLoginSettings();
        // The setup window opens with the settings as read.
        frmSetup& setup = form<frmSetup>();
        setup.showSettings(loginSession().stored);
        QVERIFY(!setup.isVisible());
        QTEST(setup.Check1->isChecked(), "checked");
        QTEST(setup.Text2->text(), "shownPassword");
        QTEST(setup.Text1->text(), "shownPassword");
        QTEST(setup.Text3->text(), "shownRetries");
        QTEST(loginSession().password, "loginPassword");
        QTEST(int(loginSession().retries), "loginRetries");
        QVERIFY(fake().messages.isEmpty());
    }

    // Any failure while reading leaves the program without a login and with 3 retries, silently.
    void loadFallsBackSilently_data() {
        QTest::addColumn<bool>("missingVault");
        QTest::newRow("vault file missing") << true;
        QTest::newRow("the read fails") << false;
    }
    void loadFallsBackSilently() {
        QFETCH(bool, missingVault);
        setLogin(QStringLiteral("1"), QStringLiteral("secret"), QStringLiteral("1"));
        if (missingVault)
            QVERIFY(QFile::remove(vault().path()));
        else
            setFaultHook([](int, int, int statement) { return statement == 1; });
        loginSession().password = QStringLiteral("OLD");
        LoadLoginSettings();
        QCOMPARE(loginSession().password, QString());
        QCOMPARE(loginSession().retries, short(3));
        frmSetup& setup = form<frmSetup>();
        setup.showSettings(loginSession().stored);
        QVERIFY(!setup.Check1->isChecked());
        QCOMPARE(setup.Text2->text(), QString());
        QCOMPARE(setup.Text3->text(), QStringLiteral("3"));
        QVERIFY(fake().messages.isEmpty());
        QVERIFY(!QFile::exists(vault().path()) == missingVault);
    }

    void loginWindowLooksRight() {
        frmLogin& login = form<frmLogin>();
        QCOMPARE(login.windowTitle(), QStringLiteral("Quorlane - Password REQUIRED"));
        QCOMPARE(login.txtPassword->toolTip(), QStringLiteral("Enter your login password here."));
        QCOMPARE(login.txtPassword->echoMode(), QLineEdit::Password);
        QCOMPARE(login.txtPassword->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                                       login.txtPassword),
                 int(u'X'));
        QTest::keyClicks(login.txtPassword, QString(45, u'a'));
        QCOMPARE(login.txtPassword->text().size(), 40);
    }

    void sizesAt120Dpi() {
        fake().tpp = 12;
        frmLogin& login = form<frmLogin>();
        login.Form_Activate();
        QCOMPARE(login.size(), QSize(twips::toPx(4100), twips::toPx(1460)));
        QCOMPARE(login.txtPassword->x(), twips::toPx(1400));
        QCOMPARE(login.txtPassword->y(), twips::toPx(720));
        QCOMPARE(login.txtPassword->width(), twips::toPx(2300));
    }

    // One start-up try: the password is compared trimmed and case-blind; a refusal just closes.
    // Passwords of old vaults (Windows-1252, whose ß, µ and ƒ have no capital there) keep
    // working; other scripts compare case-blind too.
    void startUpTry_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        const QString sesame = QStringLiteral("Open Sesame");
        QTest::newRow("as stored") << sesame << "Open Sesame" << true;
        QTest::newRow("other letter case") << sesame << "oPEN sESAME" << true;
        QTest::newRow("blanks before and after") << sesame << "   open sesame  " << true;
        QTest::newRow("wrong") << sesame << "open sesam" << false;
        QTest::newRow("blank inside differs") << sesame << "opensesame" << false;
        QTest::newRow("Enter with an empty box") << sesame << "" << false;
        QTest::newRow("old vault: ß µ ƒ stay, ÿ has its capital")
            << u"Straße µ ƒ ÿ"_qs << u"STRAßE µ ƒ Ÿ"_qs << true;
        QTest::newRow("old vault: ß is not SS") << u"Straße"_qs << u"STRASSE"_qs << false;
        QTest::newRow("greek") << u"Κωδικός"_qs << u"κωδικόσ"_qs << true;
        QTest::newRow("cyrillic") << u"Пароль"_qs << u"пароль"_qs << true;
        QTest::newRow("emoji with skin tone") << u"ключ 👍🏽"_qs << u"КЛЮЧ 👍🏽"_qs << true;
        QTest::newRow("emoji, other skin tone")
            << u"ключ 👍🏽"_qs << u"КЛЮЧ 👍🏿"_qs << false;
    }
    void startUpTry() {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        setLogin(QStringLiteral("1"), stored, QStringLiteral("3"));
        LoadLoginSettings();
        frmMain& main = form<frmMain>();
        fake().onShowModal = [&](QDialog&) { typePassword(typed); };
        ShowStartUpLogin();
        QCOMPARE(fake().modals, QStringList{QStringLiteral("frmLogin")});
        QVERIFY(!isLoaded<frmLogin>());
        QCOMPARE(loginSession().accepted, accepted);
        QCOMPARE(main.isVisible(), accepted);
    }

    // How many times the start-up loop shows the login window before the program ends.
    void startUpShowings_data() {
        QTest::addColumn<QString>("retries");
        QTest::addColumn<int>("rightOnShowing"); // 0: never right
        QTest::addColumn<int>("showings");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<QStringList>("said"); // the end of each "Wrong Password" message
        const QString last =
            QStringLiteral("That was the last try: Quorlane will now close to protect your entries.");
        QTest::newRow("URetry 3: four tries, then the end")
            << "3" << 0 << 4 << true
            << QStringList{"You have 3 more tries.", "You have 2 more tries.", "You have 1 more try.", last};
        QTest::newRow("URetry 0: one try") << "0" << 0 << 1 << true << QStringList{last};
        QTest::newRow("empty URetry: one try") << "" << 0 << 1 << true << QStringList{last};
        QTest::newRow("URetry 3: right on the fourth")
            << "3" << 4 << 4 << false
            << QStringList{"You have 3 more tries.", "You have 2 more tries.", "You have 1 more try."};
        QTest::newRow("URetry 1: right on the first") << "1" << 1 << 1 << false << QStringList{};
    }
    void startUpShowings() {
        QFETCH(QString, retries);
        QFETCH(int, rightOnShowing);
        setLogin(QStringLiteral("1"), QStringLiteral("secret"), retries);
        LoadLoginSettings();
        fake().onShowModal = [&](QDialog&) {
            typePassword(fake().modals.size() == rightOnShowing ? QStringLiteral("SECRET")
                                                                : QStringLiteral("guess"));
        };
        bool ended = false;
        try {
            RunStartUpLogin();
        } catch (const ProgramEnded&) {
            ended = true;
        }
        QTEST(int(fake().modals.size()), "showings");
        QTEST(ended, "ends");
        QCOMPARE(form<frmMain>().isVisible(), !ended);
        QStringList said;
        for (const MessageRecord& message : std::as_const(fake().messages)) {
            QCOMPARE(message.title, QStringLiteral("Wrong Password"));
            QVERIFY(message.prompt.startsWith(QStringLiteral("The password is not correct.\n\n")));
            said << message.prompt.section(QLatin1Char('\n'), 2);
        }
        QTEST(said, "said");
    }

    // Closing the window without the password, or giving up, counts as a refused try; giving up
    // also leaves no more retries.
    void startUpWithoutPassword_data() {
        QTest::addColumn<bool>("giveUp");
        QTest::addColumn<int>("showings");
        QTest::newRow("closing the window counts as a wrong try") << false << 3;
        QTest::newRow("the give-up picture ends at once") << true << 1;
    }
    void startUpWithoutPassword() {
        QFETCH(bool, giveUp);
        setLogin(QStringLiteral("1"), QStringLiteral("secret"), QStringLiteral("2"));
        LoadLoginSettings();
        fake().onShowModal = [&](QDialog&) {
            frmLogin& login = form<frmLogin>();
            if (giveUp)
                QTest::mouseClick(login.Picture2, Qt::LeftButton);
            else
                QTest::keyClick(login.txtPassword, Qt::Key_Escape);
            QVERIFY(!isLoaded<frmLogin>());
        };
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, RunStartUpLogin());
        QTEST(int(fake().modals.size()), "showings");
        QCOMPARE(loginSession().retries, short(giveUp ? 0 : 2));
    }
};

QUORLANE_TEST(LoginTest);
#include "tst_login.moc"
