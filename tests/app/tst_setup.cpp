#include "apptestcase.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "testvault.h"

#include "app/forms.h"
#include "app/frmsetup.h"
#include "app/loginsession.h"
#include "app/picturebox.h"
#include "app/strengthbar.h"
#include "mainwindow/frmmain.h"
#include "store/vault.h"
#include "store/vaultfile.h"
#include "store/vaultkey.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The setup window as the setup command opens it, with the boxes then filled as given.
frmSetup& openSetup(bool required, const QString& password, const QString& confirmation,
                    const QString& retries) {
    form<frmMain>().Command5_Click();
    frmSetup& setup = form<frmSetup>();
    setup.Check1->setChecked(required);
    setup.Text2->setText(password);
    setup.Text1->setText(confirmation);
    setup.Text3->setText(retries);
    return setup;
}

} // namespace

class SetupTest final : public AppTestCase {
    Q_OBJECT
private slots:
    // The strength bar follows the password as it is typed and warns, without refusing, while it
    // is below "Strong": the login password is the vault's key.
    void strengthWhileTyping_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("bar");
        QTest::addColumn<QString>("words");
        QTest::newRow("empty") << "" << 0 << "";
        QTest::newRow("common word") << "letmein" << 1 << "Very weak: weak for the vault key";
        QTest::newRow("fair") << "qwER43@!" << 3 << "Fair: weak for the vault key";
        QTest::newRow("strong: no warning") << "Tr0ub4dour&3" << 4 << "Strong";
        QTest::newRow("very strong") << "correcthorsebatterystaple" << 5 << "Very strong";
    }
    void strengthWhileTyping() {
        QFETCH(QString, typed);
        frmSetup& setup = form<frmSetup>();
        setup.Text2->setText(QStringLiteral("x"));
        setup.Text2->clear();
        QTest::keyClicks(setup.Text2, typed);
        QCOMPARE(setup.strength->isHidden(), typed.isEmpty());
        QTEST(setup.strength->value(), "bar");
        QTEST(setup.strength->text(), "words");
        QVERIFY(!setup.strength->accessibleName().isEmpty());
    }

    // A warning longer than its bar (a longer language) is set smaller until it fits.
    void longWarningFits() {
        frmSetup& setup = form<frmSetup>();
        setup.show();
        QTest::keyClicks(setup.Text2, QStringLiteral("letmein"));
        StrengthBar& bar = *setup.strength;
        bar.resize(QFontMetrics(setup.font()).horizontalAdvance(bar.text()) * 5 / 6, bar.height());
        QVERIFY(bar.font().pointSizeF() < setup.font().pointSizeF());
        QVERIFY(QFontMetrics(bar.font()).horizontalAdvance(bar.text()) <= bar.width() - 8);
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
        // clang-format off
        QTest::newRow("close")              << "Command2"  << ""                       << "Close Setup menu.";
        QTest::newRow("require login")      << "Check1"    << "Require Password Login" << "Enable to require user login.";
        QTest::newRow("password")           << "Text2"     << ""                       << "Password.";
        QTest::newRow("confirmation")       << "Text1"     << ""                       << "Confirmation.";
        QTest::newRow("retries")            << "Text3"     << ""                       << "Retry count.";
        QTest::newRow("reset")              << "Command1"  << "&Reset Password"        << "Reset password.";
        QTest::newRow("save")               << "Command21" << ""                       << "Save setup parameters.";
        QTest::newRow("password label")     << "Label2"    << "Enter Password:"        << "";
        QTest::newRow("confirmation label") << "Label1"    << "Re-Type Password:"      << "";
        QTest::newRow("retries label")      << "Label3"    << "Number of retries:"     << "";
        // clang-format on
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        frmSetup& setup = form<frmSetup>();
        QCOMPARE(setup.windowTitle(), QStringLiteral("Setup"));
        QWidget* control = setup.findChild<QWidget*>(name);
        QVERIFY(control);
        QTEST(control->toolTip(), "tooltip");
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QCOMPARE(button->text(), caption);
            if (caption.isEmpty()) QVERIFY2(!button->icon().isNull(), "an image button without a picture");
        }
        if (auto* label = qobject_cast<QLabel*>(control)) QCOMPARE(label->text(), caption);
    }

    void setupCommandShowsStoredSettings() {
        setLogin(QStringLiteral("1"), QStringLiteral("  Secret "), QStringLiteral("2"));
        form<frmMain>().Command5_Click();
        QCOMPARE(fake().modals, QStringList{QStringLiteral("frmSetup")});
        frmSetup& setup = form<frmSetup>();
        QVERIFY(setup.Check1->isChecked());
        QCOMPARE(setup.Text2->text(), QStringLiteral("Secret"));
        QCOMPARE(setup.Text1->text(), QStringLiteral("Secret"));
        QCOMPARE(setup.Text3->text(), QStringLiteral("2"));
        QCOMPARE(setup.Picture2->picture(), form<frmMain>().Picture2->picture());
        QCOMPARE(setup.focusWidget(), setup.Command2);
    }

    // Refusals, in the order the checks run: nothing is written and the window stays open.
    void refusals_data() {
        QTest::addColumn<bool>("required");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("retries");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("boxesAfter"); // Text2, Text1, Text3
        const QString missing =
            QStringLiteral("You must assign a password if you are requiring a user login.");
        const QString confirm = QStringLiteral("You must confirm your password before saving.");
        const QString mismatch = QStringLiteral("Passwords did not match. Please re-enter your password.");
        const QString apostrophe = QStringLiteral("You cannot use apostrophe's within a password.");
        const QString negative = QStringLiteral("Retry count cannot be less than zero.");
        // clang-format off
        //     login required, Text2, Text1, Text3  ->  message, focus, boxes afterwards
        QTest::newRow("no password")
            << true << "" << "" << "3"
            << "Missing Password" << missing << "Text2" << QStringList{"", "", "3"};
        QTest::newRow("a password of blanks")
            << true << "   " << "x" << "3"
            << "Missing Password" << missing << "Text2" << QStringList{"   ", "x", "3"};
        QTest::newRow("no confirmation, apostrophe not yet checked")
            << true << "it's" << " " << "3"
            << "Confirmation Needed" << confirm << "Text1" << QStringList{"it's", " ", "3"};
        QTest::newRow("confirmation differs, apostrophe not yet checked")
            << true << "it's" << "its" << "3"
            << "Confirmation Failed" << mismatch << "Text2" << QStringList{"", "", "3"};
        QTest::newRow("apostrophe, checked after the confirmation")
            << true << "it's" << " IT'S " << "3"
            << "Illegal Character" << apostrophe << "Text2" << QStringList{"it's", " IT'S ", "3"};
        QTest::newRow("negative retry count")
            << true << "pw" << "pw" << "-1"
            << "Invalid Retry Count" << negative << "Text3" << QStringList{"pw", "pw", "0"};
        QTest::newRow("negative retry count without login")
            << false << "pw" << "pw" << "-5"
            << "Invalid Retry Count" << negative << "Text3" << QStringList{"", "", "0"};
        QTest::newRow("password the vault cannot keep")
            << true << QString("pass") + QChar(0) << QString("PASS") + QChar(0) << "3"
            << "Unsupported Character"
            << "The password holds the character U+0000, which the vault cannot keep.\n"
               "Please remove it; nothing has been saved."
            << "Text2" << QStringList{QString("pass") + QChar(0), QString("PASS") + QChar(0), "3"};
        // clang-format on
    }
    void refusals() {
        QFETCH(bool, required);
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(QString, retries);
        QFETCH(QString, focus);
        QFETCH(QStringList, boxesAfter);
        setLogin(QStringLiteral("1"), QStringLiteral("old"), QStringLiteral("2"));
        const QStringList before = loginRow();
        frmSetup& setup = openSetup(required, password, confirmation, retries);
        QTest::mouseClick(setup.Command21, Qt::LeftButton);
        QCOMPARE(fake().messages.size(), 1);
        QTEST(fake().messages[0].title, "title");
        QTEST(fake().messages[0].prompt, "prompt");
        QCOMPARE(fake().messages[0].icon, MsgIcon::Error);
        QCOMPARE(setup.focusWidget()->objectName(), focus);
        QCOMPARE((QStringList{setup.Text2->text(), setup.Text1->text(), setup.Text3->text()}), boxesAfter);
        QVERIFY(isLoaded<frmSetup>());
        QCOMPARE(loginRow(), before);
        QCOMPARE(loginSession().password, QStringLiteral("OLD"));
        QCOMPARE(loginSession().retries, short(2));
    }

    // What a save stores in every LPass row and keeps in memory. A password makes the vault
    // encrypted with the key of the password as the login compares it (upper case, trimmed); the
    // password itself is kept nowhere.
    void saves_data() {
        QTest::addColumn<bool>("required");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("retries");
        QTest::addColumn<QStringList>("row"); // RUL, decoded UPass, URetry
        QTest::addColumn<QString>("keyText");
        QTest::addColumn<int>("loginRetries");
        // clang-format off
        //     login required, Text2, Text1, Text3  ->  RUL, UPass decoded, URetry, text of the key, session retries
        QTest::newRow("mixed case, confirmed in capitals with a trailing blank")
            << true << "MiXed" << "MIXED " << "2" << QStringList{"1", " ", "2"} << "MIXED" << 2;
        QTest::newRow("blanks around the password do not count")
            << true << " pass word " << "PASS WORD" << "1" << QStringList{"1", " ", "1"} << "PASS WORD" << 1;
        QTest::newRow("no login: typed passwords discarded, one blank stored")
            << false << "abc" << "xyz" << "3" << QStringList{"0", " ", "3"} << "" << 3;
        QTest::newRow("empty retry box stored empty, read as 0")
            << true << "pw" << "pw" << "" << QStringList{"1", " ", ""} << "PW" << 0;
        QTest::newRow("euro sign and accents")
            << true << "€5 café" << "€5 CAFÉ" << "9" << QStringList{"1", " ", "9"} << "€5 CAFÉ" << 9;
        // clang-format on
    }
    void saves() {
        QFETCH(bool, required);
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(QString, retries);
        QFETCH(QStringList, row);
        QFETCH(QString, keyText);
        vault().exec(QStringLiteral("INSERT INTO LPass (UPass, RUL, URetry) VALUES ('', '1', '7')"));
        frmSetup& setup = openSetup(required, password, confirmation, retries);
        setup.Command21_Click();
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("Success")});
        QCOMPARE(fake().messages[0].prompt, QStringLiteral("Parameters successfully updated."));
        QCOMPARE(fake().messages[0].icon, MsgIcon::Information);
        QVERIFY(!isLoaded<frmSetup>());
        QCOMPARE(loginRow(0), row);
        QCOMPARE(loginRow(1), row);
        QCOMPARE(loginSession().password, QString());
        QTEST(int(loginSession().retries), "loginRetries");
        QTEST(stored(QStringLiteral("Retries")).toInt(), "loginRetries");
        const VaultFileHeader header = readVaultHeader(vault().path());
        QCOMPARE(header.kind, required ? VaultFileKind::Encrypted : VaultFileKind::Plain);
        QCOMPARE(heldVaultKey() != nullptr, required);
        if (required) {
            QVERIFY(!fileBytes(vault().path()).contains("CatDef"));
            std::optional<VaultKey> right = VaultKey::deriveFromLogin(keyText, header.salt);
            std::optional<VaultKey> typedAsIs = VaultKey::deriveFromLogin(password, header.salt);
            QVERIFY(keyOpensVault(vault().path(), *right));
            QVERIFY(!keyOpensVault(vault().path(), *typedAsIs));
        }
        // The next start reads back what was saved.
        LoadLoginSettings();
        QCOMPARE(loginSession().password, QString());
        QTEST(int(loginSession().retries), "loginRetries");
    }

    // A save that keeps failing is reported once and changes nothing (the vault file stays byte
    // for byte, still plain, no key is held); one that fails once and then succeeds leaves no
    // trace of the failed attempt.
    void failedSave_data() {
        QTest::addColumn<int>("failingAttempts");
        QTest::newRow("every attempt fails while the copy is written") << 5;
        QTest::newRow("the first attempt fails") << 1;
    }
    void failedSave() {
        QFETCH(int, failingAttempts);
        setLogin(QStringLiteral("0"), QStringLiteral(" "), QStringLiteral("3"));
        LoadLoginSettings();
        const QByteArray before = fileBytes(vault().path());
        int exports = 0;
        setReencryptFaultHook([&](ReencryptStep step) {
            return step == ReencryptStep::Export && ++exports <= failingAttempts;
        });
        frmSetup& setup = openSetup(true, QStringLiteral("new"), QStringLiteral("new"), QStringLiteral("1"));
        setup.Command21_Click();
        setReencryptFaultHook({});
        if (failingAttempts == 5) {
            QCOMPARE(fake().titles(), QStringList{QStringLiteral("E227 : Update Failed")});
            QVERIFY(fake().messages[0].prompt.startsWith(QStringLiteral("Could not update database.\n(")));
            QCOMPARE(fileBytes(vault().path()), before);
            QCOMPARE(QDir(vault().folder()).entryList(QDir::Files),
                     QStringList{QStringLiteral("gpwdfsc.mdb")});
            QVERIFY(!heldVaultKey());
            QCOMPARE(loginSession().retries, short(3));
            QVERIFY(!stored(QStringLiteral("Retries")).isValid());
            QVERIFY(isLoaded<frmSetup>());
            QCOMPARE(setup.Text2->text(), QStringLiteral("new"));
        } else {
            QCOMPARE(fake().titles(), QStringList{QStringLiteral("Success")});
            QCOMPARE(loginRow(), (QStringList{"1", " ", "1"}));
            QCOMPARE(readVaultHeader(vault().path()).kind, VaultFileKind::Encrypted);
        }
    }

    // Taking the password off an encrypted vault asks first: No keeps everything as it is, Yes
    // writes the vault back plain with every entry.
    void clearingThePasswordAsks_data() {
        QTest::addColumn<bool>("agree");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }
    void clearingThePasswordAsks() {
        QFETCH(bool, agree);
        vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"), {QStringLiteral("0815")});
        openSetup(true, QStringLiteral("sesame"), QStringLiteral("sesame"), QStringLiteral("2"))
            .Command21_Click();
        QVERIFY(heldVaultKey());
        const QByteArray encrypted = fileBytes(vault().path());
        fake().messages.clear();
        fake().answers << (agree ? MsgAnswer::Yes : MsgAnswer::No);
        openSetup(false, QString(), QString(), QStringLiteral("2")).Command21_Click();
        QCOMPARE(fake().titles().value(0), QStringLiteral("Confirmation"));
        QCOMPARE(
            fake().messages[0].prompt,
            QStringLiteral("Without a login password the vault file will no longer be protected: anyone who "
                           "copies it can read every entry.\n\nSave without a password?"));
        QCOMPARE(fake().messages[0].buttons, MsgButtons::YesNo);
        QCOMPARE(fake().messages[0].defaultButton, MsgAnswer::No);
        if (!agree) {
            QCOMPARE(fake().messages.size(), 1);
            QVERIFY(isLoaded<frmSetup>());
            QCOMPARE(fileBytes(vault().path()), encrypted);
            QVERIFY(heldVaultKey());
            return;
        }
        QCOMPARE(fake().titles().value(1), QStringLiteral("Success"));
        QVERIFY(!heldVaultKey());
        QCOMPARE(readVaultHeader(vault().path()).kind, VaultFileKind::Plain);
        QCOMPARE(loginRow(), (QStringList{"0", " ", "2"}));
        QCOMPARE(vault().decodedEntry(1).value(1), QStringLiteral("0815"));
    }

    // Reset empties the password boxes only; closing afterwards stores nothing.
    void resetThenClose() {
        setLogin(QStringLiteral("1"), QStringLiteral("secret"), QStringLiteral("2"));
        const QStringList before = loginRow();
        form<frmMain>().Command5_Click();
        frmSetup& setup = form<frmSetup>();
        QTest::mouseClick(setup.Command1, Qt::LeftButton);
        QCOMPARE(setup.Text2->text(), QString());
        QCOMPARE(setup.Text1->text(), QString());
        QVERIFY(setup.Check1->isChecked());
        QCOMPARE(setup.Text3->text(), QStringLiteral("2"));
        QCOMPARE(setup.focusWidget(), setup.Text2);
        QTest::keyClick(&setup, Qt::Key_Escape);
        QVERIFY(!isLoaded<frmSetup>());
        QVERIFY(fake().messages.isEmpty());
        QCOMPARE(loginRow(), before);
        QCOMPARE(loginSession().password, QStringLiteral("SECRET"));
    }

    // The retry box takes one typed character; the password boxes 40.
    void typingLimits() {
        frmSetup& setup = form<frmSetup>();
        QTest::keyClicks(setup.Text3, QStringLiteral("12"));
        QCOMPARE(setup.Text3->text(), QStringLiteral("1"));
        QTest::keyClicks(setup.Text2, QString(41, u'p'));
        QCOMPARE(setup.Text2->text().size(), 40);
    }
};

QUORLANE_TEST(SetupTest);
#include "tst_setup.moc"
