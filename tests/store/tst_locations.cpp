#include "app/modmain.h"
#include "store/globals.h"
#include "store/locations.h"
#include "store/printpage.h"
#include "store/vault.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

constexpr QFile::Permissions OwnerOnlyFile = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions OwnerOnlyFolder = OwnerOnlyFile | QFile::ExeOwner;

// The owner, group and other bits of a file (without Qt's "current user" ones).
QFile::Permissions modeOf(const QString& path) {
    return QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}

void write(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// An installed program (prefix/bin, prefix/share/quorlane) and a user's data folder, each in a
// temporary folder.
class LocationsTest final : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> root_;
    QString dir(const QString& name) const { return root_->path() + QLatin1Char('/') + name; }
    QString program() const { return dir("prefix/bin"); }
    QString installed() const { return dir("prefix/share/quorlane"); }
    QString user() const { return dir("home/data/Quorlane"); }
    QString old() const { return dir("home/data/Quorlane/Quorlane"); }

private slots:
    void init() {
        resetGlobals();
        root_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(program()));
    }
    void cleanup() {
        resetGlobals();
        root_.reset();
    }

    // A vault beside the program wins; otherwise the user's, made from the installed one when
    // it is still missing.
    void findsTheVault_data() {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<bool>("hasDataFolder");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("fromTemplate");
        const QString beside = "prefix/bin", user = "home/data/Quorlane", templ = "prefix/share/quorlane",
                      old = "home/data/Quorlane/Quorlane";
        QTest::newRow("beside the program, whatever else")
            << QStringList{beside, user, templ} << true << beside << false;
        QTest::newRow("the user's, already made") << QStringList{user, templ} << true << user << false;
        QTest::newRow("first start: made from the installed one")
            << QStringList{templ} << true << user << true;
        QTest::newRow("none anywhere") << QStringList{} << true << user << false;
        QTest::newRow("an earlier version's: stays the user's, moved first")
            << QStringList{old, templ} << true << user << false;
        QTest::newRow("both the user's and an earlier one: the user's")
            << QStringList{user, old} << true << user << false;
        QTest::newRow("no data folder: beside the program") << QStringList{templ} << false << beside << false;
    }
    void findsTheVault() {
        QFETCH(QStringList, present);
        QFETCH(bool, hasDataFolder);
        QFETCH(QString, folder);
        QFETCH(bool, fromTemplate);
        for (const QString& where : present)
            write(dir(where) + "/gpwdfsc.mdb", "vault");
        const VaultPlace place = findVault(program(), hasDataFolder ? user() : QString(), old());
        QCOMPARE(place.folder, dir(folder));
        QCOMPARE(place.templateFile, fromTemplate ? installed() + "/gpwdfsc.mdb" : QString());
        const bool moves = present.contains("home/data/Quorlane/Quorlane") && !present.contains(folder);
        QCOMPARE(place.oldFolder, moves ? old() : QString());
    }

    // An earlier version's vault moves up one folder in one rename: whichever step fails, the
    // vault is whole in exactly one of the two places, and a later start finishes the move.
    void movesTheOldVault_data() {
        QTest::addColumn<int>("failingStep"); // -1: none
        QTest::addColumn<bool>("moved");
        QTest::newRow("no fault") << -1 << true;
        QTest::newRow("making the folder fails") << int(VaultMoveStep::MakeFolder) << false;
        QTest::newRow("the rename fails") << int(VaultMoveStep::Rename) << false;
        QTest::newRow("syncing the folders fails") << int(VaultMoveStep::SyncFolders) << true;
        QTest::newRow("removing the old folder fails") << int(VaultMoveStep::RemoveOldFolder) << true;
    }
    void movesTheOldVault() {
        QFETCH(int, failingStep);
        QFETCH(bool, moved);
        const QByteArray vault("my\0entries", 10);
        write(old() + "/gpwdfsc.mdb", vault);
        QVERIFY(QFile::setPermissions(old() + "/gpwdfsc.mdb", OwnerOnlyFile));
        setVaultMoveFaultHook([failingStep](VaultMoveStep step) { return int(step) == failingStep; });
        const QString problem = moveOldVault(old(), user());
        setVaultMoveFaultHook({});

        QCOMPARE(problem.isEmpty(), moved);
        const QString held = moved ? user() + "/gpwdfsc.mdb" : old() + "/gpwdfsc.mdb";
        const QString empty = moved ? old() + "/gpwdfsc.mdb" : user() + "/gpwdfsc.mdb";
        QCOMPARE(read(held), vault);
        QCOMPARE(modeOf(held), OwnerOnlyFile);
        QVERIFY(!QFileInfo::exists(empty));
        QCOMPARE(QFileInfo::exists(old()), !moved || failingStep == int(VaultMoveStep::RemoveOldFolder));
        if (moved) {
            QCOMPARE(modeOf(user()), OwnerOnlyFolder);
            return;
        }
        // The next start moves it.
        QCOMPARE(findVault(program(), user(), old()).oldFolder, old());
        QCOMPARE(moveOldVault(old(), user()), QString());
        QCOMPARE(read(user() + "/gpwdfsc.mdb"), vault);
        QVERIFY(!QFileInfo::exists(old()));
    }

    // The move never replaces a vault in the new place, and waits while SQLite's journal of an
    // unfinished write lies beside the old one (moving one without the other would damage it).
    void leavesTheOldVaultWhereItIs_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("a vault in the new place") << "home/data/Quorlane/gpwdfsc.mdb";
        QTest::newRow("a rollback journal") << "home/data/Quorlane/Quorlane/gpwdfsc.mdb-journal";
        QTest::newRow("a write-ahead log") << "home/data/Quorlane/Quorlane/gpwdfsc.mdb-wal";
    }
    void leavesTheOldVaultWhereItIs() {
        QFETCH(QString, obstacle);
        write(old() + "/gpwdfsc.mdb", "old entries");
        write(dir(obstacle), "other");
        QVERIFY(!moveOldVault(old(), user()).isEmpty());
        QCOMPARE(read(old() + "/gpwdfsc.mdb"), QByteArray("old entries"));
        QCOMPARE(read(dir(obstacle)), QByteArray("other"));
    }

    // The user's copy: the template's bytes, owner-only, its folder too; never over an existing
    // vault, and nothing made when there is nothing to copy.
    void makesTheUsersVault_data() {
        QTest::addColumn<bool>("templateThere");
        QTest::addColumn<bool>("vaultThere");
        QTest::newRow("first start") << true << false;
        QTest::newRow("a vault already there stays") << true << true;
        QTest::newRow("no template") << false << false;
    }
    void makesTheUsersVault() {
        QFETCH(bool, templateThere);
        QFETCH(bool, vaultThere);
        const QString templ = installed() + "/gpwdfsc.mdb", vault = user() + "/gpwdfsc.mdb";
        if (templateThere) {
            write(templ, QByteArray("delivered\0vault", 15));
            QVERIFY(QFile::setPermissions(templ, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        }
        if (vaultThere) write(vault, "my entries");
        const bool made = makeVaultFromTemplate(templ, vault);
        QCOMPARE(made, templateThere && !vaultThere);
        QCOMPARE(QDir(user()).entryList(QDir::Files),
                 vaultThere || made ? QStringList{"gpwdfsc.mdb"} : QStringList{});
        if (!vaultThere && !made) QVERIFY(!QFileInfo::exists(user()));
        if (vaultThere) QCOMPARE(read(vault), QByteArray("my entries"));
        if (!made) return;
        QCOMPARE(read(vault), QByteArray("delivered\0vault", 15));
        QCOMPARE(modeOf(vault), OwnerOnlyFile);
        QCOMPARE(modeOf(user()), OwnerOnlyFolder);
        QCOMPARE(modeOf(templ), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }

    // Templates and Help.pdf: beside the program first, then the install's data folder.
    void findsDeliveredFiles_data() {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("found");
        QTest::newRow("beside the program")
            << QStringList{"prefix/bin", "prefix/share/quorlane"} << "prefix/bin";
        QTest::newRow("installed") << QStringList{"prefix/share/quorlane"} << "prefix/share/quorlane";
        QTest::newRow("nowhere: named where it is installed") << QStringList{} << "prefix/share/quorlane";
    }
    void findsDeliveredFiles() {
        QFETCH(QStringList, present);
        QFETCH(QString, found);
        for (const QString& where : present)
            write(dir(where) + "/tblpnt.htm", "template");
        storeState().appFolder = program();
        QCOMPARE(deliveredFile("tblpnt.htm"), dir(found) + "/tblpnt.htm");
    }

    // The print folder is made owner-only, and one open to others is closed first; a link or a
    // folder the user cannot make private is refused.
    void printFolderIsPrivate_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("usable");
        QTest::newRow("missing") << "missing" << true;
        QTest::newRow("open to others") << "open" << true;
        QTest::newRow("a link to another folder") << "link" << false;
        QTest::newRow("not set") << "unset" << false;
        QTest::newRow("a file in its place") << "file" << false;
    }
    void printFolderIsPrivate() {
        QFETCH(QString, before);
        QFETCH(bool, usable);
        PrintFolder = dir("run/quorlane-print");
        QVERIFY(QDir().mkpath(dir("run")));
        if (before == "open") {
            QVERIFY(QDir().mkdir(PrintFolder));
            QVERIFY(QFile::setPermissions(PrintFolder, OwnerOnlyFolder | QFile::ReadGroup | QFile::ExeGroup |
                                                           QFile::ReadOther | QFile::ExeOther));
        } else if (before == "link") {
            QVERIFY(QDir().mkdir(dir("elsewhere")));
            QVERIFY(QFile::link(dir("elsewhere"), PrintFolder));
        } else if (before == "unset") {
            PrintFolder.clear();
        } else if (before == "file") {
            write(PrintFolder, "x");
        }
        QString page;
        try {
            page = printPagePath(EntryPageName);
        } catch (const VaultFailure& failure) {
            QVERIFY2(!usable, qPrintable(failure.description));
            QVERIFY(failure.description.startsWith("The private folder for print pages cannot be used"));
            return;
        }
        QVERIFY(usable);
        QCOMPARE(page, PrintFolder + "/tbltmp.htm");
        QCOMPARE(modeOf(PrintFolder), OwnerOnlyFolder);
        QCOMPARE(QFileInfo(PrintFolder).ownerId(), ::getuid());
    }

    // What a run that ended while printing left behind goes at the next start; nothing else does.
    void removesStalePages() {
        storeState().appFolder = program();
        PrintFolder = dir("run/quorlane-print");
        for (const QString& page : {"tbltmp.htm", "tbltmpa.htm"}) {
            write(PrintFolder + "/" + page, "passwords");
            write(storeState().appFolder + "/" + page, "passwords");
        }
        for (const QString& kept : {"gpwdfsc.mdb", "tblpnt.htm", "tblpnta.htm", "Help.pdf"})
            write(storeState().appFolder + "/" + kept, "kept");
        removeStalePrintPages();
        QVERIFY(!QFileInfo::exists(PrintFolder));
        QCOMPARE(QDir(storeState().appFolder).entryList(QDir::Files, QDir::Name),
                 QStringList({"Help.pdf", "gpwdfsc.mdb", "tblpnt.htm", "tblpnta.htm"}));
        // Printing ends the same way: the page and then its folder go.
        const QString page = printPagePath(ListingPageName);
        write(page, "passwords");
        removePrintPage(page);
        QVERIFY(!QFileInfo::exists(PrintFolder));
    }
};

QUORLANE_TEST(LocationsTest);
#include "tst_locations.moc"
