#include "apptestcase.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "testvault.h"

#include "app/forms.h"
#include "app/frmlogin.h"
#include "app/loginsession.h"
#include "app/traylock.h"
#include "app/vaultlock.h"
#include "mainwindow/frmmain.h"
#include "store/repository.h"
#include "store/vault.h"
#include "store/vaultfile.h"
#include "store/vaultkey.h"

#include <QFile>
#include <QLineEdit>
#include <QSystemTrayIcon>
#include <QTest>

namespace {

void typePassword(const QString& text) {
    QLineEdit* box = form<frmLogin>().txtPassword;
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

// Start-up, the login and the tray lock on a vault encrypted under the password "Open Sesame".
// The descriptions the entry list would show, read through the store.
static QStringList listedDescriptions() {
    QStringList out;
    const Result<QList<ListedEntry>> rows = store::listEntries(QString());
    if (rows)
        for (const ListedEntry& row : *rows)
            out << row.description;
    return out;
}

class EncryptedVaultTest final : public AppTestCase {
    Q_OBJECT

    void encrypt(const QString& retriesInVault) {
        vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"), {QStringLiteral("0815")});
        const std::optional<VaultKey> key =
            VaultKey::deriveFromLogin(QStringLiteral("OPEN SESAME"), newVaultSalt());
        reencryptWithLogin(vault().path(), nullptr, &*key, retriesInVault);
    }

    // Runs the start-up login, typing the right password on showing `right` (0: never).
    bool runLoginGate(int right) {
        fake().onShowModal = [&](QDialog&) {
            typePassword(fake().modals.size() == right ? QStringLiteral(" open sesame")
                                                       : QStringLiteral("guess"));
        };
        try {
            LoginGate();
        } catch (const ProgramEnded&) {
            return true;
        }
        return false;
    }

private slots:
    // A plain vault from an earlier version whose login row holds a password: after the login the
    // user is offered to encrypt it. Yes writes it encrypted under that password (the next login
    // opens it with the key; the password is no longer in the file); No leaves it as it was.
    void plainVaultWithPasswordOffered_data() {
        QTest::addColumn<MsgAnswer>("answer");
        QTest::newRow("Yes (the default)") << MsgAnswer::Yes;
        QTest::newRow("No") << MsgAnswer::No;
    }
    void plainVaultWithPasswordOffered() {
        QFETCH(MsgAnswer, answer);
        vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"), {QStringLiteral("0815")});
        setLogin(QStringLiteral("1"), QStringLiteral("Open Sesame"), QStringLiteral("2"));
        fake().answers = {answer};
        QVERIFY(!runLoginGate(1));
        QCOMPARE(fake().messages.first().title, QStringLiteral("Encrypt Your Vault?"));
        QCOMPARE(fake().messages.first().defaultButton, MsgAnswer::Yes);
        const bool encrypted = answer == MsgAnswer::Yes;
        QCOMPARE(fileBytes(vault().path()).startsWith("SQLite format 3"), !encrypted);
        QCOMPARE(listedDescriptions(), QStringList{QStringLiteral("GARAGE")});
        QCOMPARE(fake().titles().size(), encrypted ? 2 : 1); // "Vault Encrypted" says so
        if (!encrypted) return;
        // The next start asks for the same password, which now opens the file.
        forgetVaultKey();
        loginSession().accepted = false;
        unloadAllForms();
        fake().messages.clear();
        fake().modals.clear();
        QVERIFY(!runLoginGate(2));
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("Wrong Password")});
        QCOMPARE(listedDescriptions(), QStringList{QStringLiteral("GARAGE")});
    }

    // Before the vault is open only the copy of the retry count outside it can count the tries;
    // once open, the vault's own count replaces the copy.
    void wrongPasswordsCountDown_data() {
        QTest::addColumn<QVariant>("copy");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("showings");
        QTest::addColumn<bool>("ends");
        QTest::newRow("no copy: 3 retries, right on the fourth") << QVariant() << 4 << 4 << false;
        QTest::newRow("no copy: 3 retries, never right") << QVariant() << 0 << 4 << true;
        QTest::newRow("copy 1, right on the second") << QVariant(QStringLiteral("1")) << 2 << 2 << false;
        QTest::newRow("copy 1, right too late") << QVariant(QStringLiteral("1")) << 3 << 2 << true;
        QTest::newRow("copy 0, never right") << QVariant(QStringLiteral("0")) << 0 << 1 << true;
    }
    void wrongPasswordsCountDown() {
        QFETCH(QVariant, copy);
        QFETCH(int, right);
        encrypt(QStringLiteral("2"));
        store(QStringLiteral("Retries"), copy);
        const QByteArray before = fileBytes(vault().path());
        const bool ended = runLoginGate(right);
        QTEST(int(fake().modals.size()), "showings");
        QTEST(ended, "ends");
        QCOMPARE(heldVaultKey() != nullptr, !ended);
        // Logging in reads the vault and never writes it.
        QCOMPARE(fileBytes(vault().path()), before);
        if (ended) return;
        QVERIFY(form<frmMain>().isVisible());
        QCOMPARE(loginSession().retries, short(2));
        QCOMPARE(stored(QStringLiteral("Retries")).toString(), QStringLiteral("2"));
        QCOMPARE(listedDescriptions(), QStringList{QStringLiteral("GARAGE")});
    }

    // A vault encrypted with the earlier, smaller pages: the login opens it, entries are read
    // and saved in it, and it keeps its pages until it is encrypted again.
    void vaultOfEarlierPageSize() {
        vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"), {QStringLiteral("0815")});
        std::optional<VaultKey> key =
            VaultKey::deriveFromLogin(QStringLiteral("OPEN SESAME"), newVaultSalt());
        key->setPageSize(EarlierVaultPageSize);
        reencryptWithLogin(vault().path(), nullptr, &*key, QStringLiteral("2"));
        QVERIFY(!runLoginGate(1));
        QCOMPARE(heldVaultKey()->pageSize(), EarlierVaultPageSize);
        QVERIFY(store::addEntry({QStringLiteral("Boat"), {}, {}, QStringLiteral("HOME")},
                                QDateTime::currentDateTime()));
        QStringList listed = listedDescriptions();
        listed.sort();
        QCOMPARE(listed, (QStringList{QStringLiteral("BOAT"), QStringLiteral("GARAGE")}));
        std::optional<VaultKey> again = VaultKey::deriveFromLogin(QStringLiteral("OPEN SESAME"), key->salt());
        QVERIFY(keyOpensVault(vault().path(), *again));
        QCOMPARE(again->pageSize(), EarlierVaultPageSize);
    }

    // A file that is neither plain SQLite nor opened by the key is a wrong try every time: the
    // program ends after the last, and the file is never written.
    void notAVaultIsAWrongTry() {
        QFile file(vault().path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(4096, 'q'));
        file.close();
        store(QStringLiteral("Retries"), QStringLiteral("1"));
        QVERIFY(runLoginGate(1));
        QCOMPARE(fake().modals.size(), 2);
        QVERIFY(!heldVaultKey());
        QCOMPARE(fileBytes(vault().path()), QByteArray(4096, 'q'));
    }

    // The tables of an encrypted vault can only be looked at once the password gave the key: a
    // table dropped by another tool is reported after the login, and the vault is then neither
    // read nor written.
    void missingTableIsReportedAfterTheLogin() {
        encrypt(QStringLiteral("2"));
        {
            std::optional<VaultKey> key = VaultKey::deriveFromLogin(QStringLiteral("OPEN SESAME"),
                                                                    readVaultHeader(vault().path()).salt);
            QVERIFY(key && keyOpensVault(vault().path(), *key));
            sqlite::Connection(vault().path(), &*key).execute("DROP TABLE eAttach");
        }
        QVERIFY(!runLoginGate(1));
        QCOMPARE(fake().modals.size(), 1);
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("Vault Not Usable")});
        QVERIFY2(fake().messages[0].prompt.contains(
                     QStringLiteral("is not a Quorlane vault: the table eAttach is missing.")),
                 qPrintable(fake().messages[0].prompt));
        const QByteArray before = fileBytes(vault().path());
        QVERIFY(!store::createCategory(QStringLiteral("SHED")));
        QCOMPARE(fileBytes(vault().path()), before);
        QCOMPARE(listedDescriptions(), QStringList());
    }

    // A copy left by a re-encryption that was killed is gone after the next start.
    void startRemovesAnAbandonedCopy() {
        encrypt(QStringLiteral("2"));
        QFile copy(reencryptionCopyPath(vault().path()));
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write("SQLite format 3");
        copy.close();
        QVERIFY(!runLoginGate(1));
        QVERIFY(!QFile::exists(reencryptionCopyPath(vault().path())));
    }

    // Locking forgets the key: nothing can be read until the login makes it again.
    void lockForgetsTheKey_data() {
        QTest::addColumn<bool>("tray");
        QTest::newRow("tray") << true;
        QTest::newRow("no tray") << false;
    }
    void lockForgetsTheKey() {
        QFETCH(bool, tray);
        encrypt(QStringLiteral("2"));
        fake().tray = tray;
        QVERIFY(!runLoginGate(1));
        frmMain& main = form<frmMain>();
        trayLock().lock();
        QVERIFY(!heldVaultKey());
        QVERIFY(!store::listEntries(QString()));
        fake().onShowModal = [](QDialog&) { typePassword(QStringLiteral("OPEN SESAME")); };
        // Without a tray the cover's click takes the same way back.
        if (tray)
            fake().clickTray(QSystemTrayIcon::Trigger);
        else
            trayLock().activated(QSystemTrayIcon::Trigger);
        QVERIFY(heldVaultKey());
        QVERIFY(main.isVisible());
        QCOMPARE(listedDescriptions(), QStringList{QStringLiteral("GARAGE")});
    }
};

QUORLANE_TEST(EncryptedVaultTest);
#include "tst_encryptedvault.moc"
