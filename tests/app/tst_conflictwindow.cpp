#include "apptestcase.h"
#include "fakeplatform.h"
#include "testmain.h"
#include "windowfixture.h"

#include "app/frmconflict.h"
#include "app/modmain.h"
#include "app/vaultlock.h"
#include "store/codec.h"
#include "store/locations.h"
#include "store/sqlite.h"
#include "store/vault.h"
#include "store/vaultfile.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

// A sync tool's conflict copy beside the vault, as the user meets it at start: asked whether to
// compare, the differing entries listed, the ticked ones taken, the copy offered for the trash.
class ConflictWindowTest final : public AppTestCase {
    Q_OBJECT

    QTemporaryDir home;
    QByteArray dataHome;
    int runs = 0;

    // The trash of this test: a data folder that does not exist before the test.
    QString trashed() {
        return home.path() + QStringLiteral("/data%1/Trash/files/").arg(runs) +
               QFileInfo(copyPath()).fileName();
    }

    QString copyPath() {
        return vault().folder() + QStringLiteral("/gpwdfsc.sync-conflict-20240102-093000-ABCDEFG.mdb");
    }

    // The copy holds what the vault holds and "Boat", which only it has.
    void placeCopy() {
        vault().addEntry(QStringLiteral("Bank"), QStringLiteral("HOME"), {QStringLiteral("alice")});
        QVERIFY(QFile::copy(vault().path(), copyPath()));
        sqlite::Connection db(copyPath());
        db.execute(QStringLiteral("INSERT INTO PDF (PDF1, PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU) "
                                  "SELECT '%1', PDF2, PDF3, PDF4, PDF5, PDF6, sCat, dtLU FROM PDF")
                       .arg(EncodeValue(QStringLiteral("Boat")))
                       .toUtf8()
                       .constData());
        storeState().chosenVaultFile =
            vault().path(); // the vault where the copy lies, as named on the command line
    }

    QStringList listedRows() {
        QStringList rows;
        const QStandardItemModel* model = form<frmConflict>().entryModel;
        for (int row = 0; row < model->rowCount(); ++row)
            rows << model->item(row, 0)->text() + QLatin1Char('|') + model->item(row, 2)->text();
        return rows;
    }

private slots:
    void init() {
        AppTestCase::init();
        dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data%1").arg(++runs)));
    }
    void cleanup() {
        qputenv("XDG_DATA_HOME", dataHome);
        AppTestCase::cleanup();
    }

    // Start-up offers the copy; the ticked entry is taken and shown in the main window; the copy
    // goes to the trash only on Yes.
    void copyIsComparedAndTaken_data() {
        QTest::addColumn<MsgAnswer>("trash");
        QTest::newRow("copy to the trash") << MsgAnswer::Yes;
        QTest::newRow("copy kept") << MsgAnswer::No;
    }
    void copyIsComparedAndTaken() {
        QFETCH(MsgAnswer, trash);
        placeCopy();
        StartUp();
        QCOMPARE(fake().titles(), QStringList{"Sync Conflict"});
        QCOMPARE(fake().modals, QStringList{"frmConflict"});
        QCOMPARE(listedRows(), QStringList{"Boat|only in the copy"});

        fake().answers = {trash};
        form<frmConflict>().cmdTake_Click();
        QCOMPARE(fake().titles(), (QStringList{"Sync Conflict", "Conflict Copy"}));
        QCOMPARE(fake().messages.last().prompt,
                 "1 entry taken into the vault.\n\nMove the conflict copy " + copyPath() + " to the trash?");
        QVERIFY(!isLoaded<frmConflict>());
        QVERIFY(listRows(form<frmMain>().List1).contains(QStringLiteral("BOAT")));
        QCOMPARE(QFile::exists(copyPath()), trash == MsgAnswer::No);
        QCOMPARE(QFile::exists(trashed()), trash == MsgAnswer::Yes);
    }

    // A copy holding nothing the vault lacks is not compared in a window, only offered for the
    // trash.
    void sameCopyIsOnlyOfferedForTheTrash() {
        vault().addEntry(QStringLiteral("Bank"), QStringLiteral("HOME"), {QStringLiteral("alice")});
        QVERIFY(QFile::copy(vault().path(), copyPath()));
        storeState().chosenVaultFile = vault().path();
        StartUp();
        QCOMPARE(fake().titles(), (QStringList{"Sync Conflict", "Conflict Copy"}));
        QCOMPARE(fake().messages.last().prompt, "The conflict copy " + copyPath() +
                                                    " holds nothing that the vault lacks.\n\n"
                                                    "Move the copy to the trash?");
        QVERIFY(fake().modals.isEmpty());
        QVERIFY(QFile::exists(trashed()));
    }

    // Every copy is offered in turn; one declined leaves the next still offered.
    void everyCopyIsOffered() {
        placeCopy();
        const QString second = vault().folder() + QStringLiteral("/gpwdfsc (Anna's conflicted copy).mdb");
        QVERIFY(QFile::copy(copyPath(), second));
        fake().answers = {MsgAnswer::No, MsgAnswer::No};
        StartUp();
        QCOMPARE(fake().titles(), (QStringList{"Sync Conflict", "Sync Conflict"}));
        QVERIFY(fake().messages[0].prompt.contains(second));
        QVERIFY(fake().messages[1].prompt.contains(copyPath()));
        QVERIFY(fake().modals.isEmpty());
    }

    // Nothing ticked: nothing is taken and the window stays.
    void nothingTicked() {
        placeCopy();
        StartUp();
        frmConflict& window = form<frmConflict>();
        window.entryModel->item(0, 0)->setCheckState(Qt::Unchecked);
        window.cmdTake_Click();
        QCOMPARE(fake().messages.last().prompt, QStringLiteral("Tick the entries to take into the vault."));
        QVERIFY(isLoaded<frmConflict>());
        QCOMPARE(vault().value(QStringLiteral("SELECT COUNT(*) FROM PDF")).toInt(), 1);
    }

    // An encrypted copy asks for its own password; a wrong one is refused and asked again.
    void encryptedCopyAsksItsPassword() {
        placeCopy();
        std::optional<VaultKey> key = deriveLoginKey(QStringLiteral("boat pw"), newVaultSalt());
        QVERIFY(key);
        reencryptVault(copyPath(), nullptr, &*key);
        StartUp();
        QCOMPARE(fake().modals, QStringList{"frmCopyPassword"});
        frmCopyPassword& password = form<frmCopyPassword>();
        for (const QString& typed : {QStringLiteral("wrong"), QStringLiteral("Boat PW ")}) {
            password.txtPassword->setText(typed);
            password.cmdOK_Click();
        }
        QCOMPARE(fake().titles(), (QStringList{"Sync Conflict", "Conflict Copy Password"}));
        QCOMPARE(fake().modals, (QStringList{"frmCopyPassword", "frmConflict"}));
        QCOMPARE(listedRows(), QStringList{"Boat|only in the copy"});
    }
};

QUORLANE_TEST(ConflictWindowTest);
#include "tst_conflictwindow.moc"
