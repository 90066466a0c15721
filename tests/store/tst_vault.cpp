#include "app/vaultreport.h"
#include "fakeplatform.h"
#include "store/codec.h"
#include "store/errorcodes.h"
#include "store/globals.h"
#include "store/locations.h"
#include "store/repository.h"
#include "store/statements.h"
#include "store/vault.h"
#include "store/vaultkey.h"
#include "testmain.h"
#include "testvault.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <cstring>
#include <linux/capability.h>
#include <optional>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// For its scope the thread cannot write past a file's permissions, even as root: the capability
// to override them leaves the effective set (it stays permitted, so it comes back after).
class WithoutPermissionOverride {
public:
    WithoutPermissionOverride() {
        if (syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct reduced[2];
        std::memcpy(reduced, saved_, sizeof reduced);
        reduced[0].effective &= ~(1U << CAP_DAC_OVERRIDE);
        dropped_ = syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~WithoutPermissionOverride() {
        if (dropped_) syscall(SYS_capset, &header_, saved_);
    }
    WithoutPermissionOverride(const WithoutPermissionOverride&) = delete;
    WithoutPermissionOverride& operator=(const WithoutPermissionOverride&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool dropped_ = false;
};

// A reader standing for any retrieval: opens, reads the categories, closes; reports a failure
// as a window would.
void readCategories(ErrorCode code, int* bodyRuns = nullptr) {
    const bool read = runVaultOperation(code, [bodyRuns] {
        if (bodyRuns) ++*bodyRuns;
        openVault();
        sqlite::Statement rows = openRecords(sql::SelectCategories);
        while (rows.next()) {
        }
        closeVault();
    });
    if (!read) showVaultReport(code);
}

// A writer of three rows in one operation.
void insertThreeCategories() {
    const bool written =
        runVaultOperation(ErrorCode::CreateCategory,
                          [] {
                              openVault();
                              for (const char* name : {"ONE", "TWO", "THREE"})
                                  executeStatement(sql::InsertCategory, {QString::fromLatin1(name)});
                              closeVault();
                          },
                          {.writes = true});
    if (!written) showVaultReport(ErrorCode::CreateCategory);
}

int categoryCount(const TestVault& v) {
    return v.value(QStringLiteral("SELECT COUNT(*) FROM Cats")).toInt();
}

} // namespace

class VaultPolicyTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void reportAfterFiveAttempts_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::newRow("E211") << 211 << "E211 : Retrieval Error"
                              << "Could not retrieve data from database.";
        QTest::newRow("E212") << 212 << "E212 : Update Failed"
                              << "Could not update database.";
        QTest::newRow("E202") << 202 << "E202 : Transfer Failed"
                              << "Could not complete category transfer.";
        QTest::newRow("E203") << 203 << "E203 : Update Failed"
                              << "Could not not update from database.";
        QTest::newRow("E228") << 228 << "E228 : Conversion Error"
                              << "Cannot modify template file.";
    }
    void reportAfterFiveAttempts() {
        QFETCH(int, code);
        QFETCH(QString, title);
        QFETCH(QString, message);
        int runs = 0;
        const bool succeeded = runVaultOperation(ErrorCode(code), [&runs] {
            ++runs;
            throw VaultFailure{QStringLiteral("Test"), 7, QStringLiteral("boom")};
        });
        QVERIFY(!succeeded);
        QCOMPARE(runs, 5);
        QCOMPARE(storeState().attemptCount, short(5));
        // The policy shows nothing itself; the caller's report reads the last failure.
        QVERIFY(fake().messages.isEmpty());
        QCOMPARE(errorReportTitle(ErrorCode(code)), title);
        QCOMPARE(errorReportPrompt(ErrorCode(code)), message + QStringLiteral("\n(Test: 7: boom)"));
        showVaultReport(ErrorCode(code));
        QCOMPARE(fake().messages.size(), 1);
        QCOMPARE(fake().messages[0].icon, MsgIcon::Error);
        QCOMPARE(fake().messages[0].buttons, MsgButtons::Ok);
    }

    void aRetryThatSucceedsShowsNothingAndKeepsTheText() {
        int runs = 0;
        QVERIFY(runVaultOperation(ErrorCode::FillCategoryFilter, [&runs] {
            if (++runs == 1) throw VaultFailure{QStringLiteral("Test"), -5, QStringLiteral("first try")};
        }));
        QCOMPARE(runs, 2);
        QVERIFY(fake().messages.isEmpty());
        QCOMPARE(storeState().lastErrorText, QStringLiteral("Test: -5: first try"));
    }

    // An operation that goes on counting from the one that ran just before it (the category
    // filter fill after its entry list fill): with no vault file the first reports after five
    // attempts, the second after its first.
    void continuedCountStopsAfterOneMoreAttempt() {
        QFile::remove(vault().path());
        int innerRuns = 0, outerRuns = 0;
        readCategories(ErrorCode::RetrieveEntries, &innerRuns);
        const bool read = runVaultOperation(ErrorCode::FillCategoryFilter,
                                            [&] {
                                                ++outerRuns;
                                                openVault();
                                                closeVault();
                                            },
                                            {.continuesCount = true});
        if (!read) showVaultReport(ErrorCode::FillCategoryFilter);
        QCOMPARE(innerRuns, 5);
        QCOMPARE(outerRuns, 1);
        QCOMPARE(storeState().attemptCount, short(6));
        QCOMPARE(fake().titles(), (QStringList{QStringLiteral("E213 : Retrieval Error"),
                                               QStringLiteral("E211 : Retrieval Error")}));
        QVERIFY(!QFile::exists(vault().path()));
    }

    // A write that fails on its last statement leaves nothing behind, on every attempt.
    void failedWriteAttemptLeavesNothing_data() {
        QTest::addColumn<int>("failingAttempts");
        QTest::addColumn<int>("addedRows");
        QTest::addColumn<int>("reports");
        QTest::newRow("fails once, then succeeds") << 1 << 3 << 0;
        QTest::newRow("fails every attempt") << 5 << 0 << 1;
    }
    void failedWriteAttemptLeavesNothing() {
        QFETCH(int, failingAttempts);
        QFETCH(int, addedRows);
        QFETCH(int, reports);
        const int before = categoryCount(vault());
        setFaultHook([failingAttempts](int code, int attempt, int statement) {
            return code == 225 && attempt <= failingAttempts && statement == 3;
        });
        insertThreeCategories();
        QCOMPARE(categoryCount(vault()), before + addedRows);
        QCOMPARE(fake().messages.size(), reports);
    }

    // A value the codec cannot encode is a failure of the attempt, never stored as "ERROR"; a
    // value that is the word "ERROR" is stored like any other.
    void errorEncodingIsNeverWritten() {
        const QString unencodable = QStringLiteral("half a pair ") + QChar(0xD83D);
        const auto insert = [](const std::function<QString()>& value) {
            return runVaultOperation(ErrorCode::AddEntry,
                                     [&value] {
                                         openVault();
                                         executeStatement(sql::InsertCategory, {value()});
                                         closeVault();
                                     },
                                     {.writes = true});
        };
        QVERIFY(!insert([&unencodable] { return encodeForWrite(unencodable); }));
        QCOMPARE(vault().value(QStringLiteral("SELECT COUNT(*) FROM Cats WHERE CatName = 'ERROR'")).toInt(),
                 0);
        QVERIFY(insert([] { return QStringLiteral("ERROR"); }));
        QCOMPARE(vault().value(QStringLiteral("SELECT COUNT(*) FROM Cats WHERE CatName = 'ERROR'")).toInt(),
                 1);
    }

    void valuesAreBoundNotJoined() {
        const QString hostile = QStringLiteral("x'); DROP TABLE PDF; --");
        const bool written = runVaultOperation(ErrorCode::CreateCategory,
                                               [&hostile] {
                                                   openVault();
                                                   executeStatement(sql::InsertCategory, {hostile});
                                                   closeVault();
                                               },
                                               {.writes = true});
        QVERIFY(written);
        QCOMPARE(
            vault()
                .value(QStringLiteral("SELECT COUNT(*) FROM Cats WHERE CatName = 'x''); DROP TABLE PDF; --'"))
                .toInt(),
            1);
        QCOMPARE(vault().value(QStringLiteral("SELECT COUNT(*) FROM PDF")).toInt(), 0);
    }
};

// Vault files that are missing, damaged or not a vault: the operation's report, never a crash,
// and the file is never created or changed.
class BadVaultTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void badFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("failure");
        const QString sqlite = QStringLiteral("Could not retrieve data from database.\n(SQLite: ");
        QTest::newRow("missing") << QByteArray() << false << sqlite;
        QTest::newRow("empty file") << QByteArray() << true
                                    << QStringLiteral(
                                           "Could not retrieve data from database.\n(Quorlane: -1: ");
        QTest::newRow("random bytes") << QByteArray(4096, '\x9c') << true << sqlite;
        QTest::newRow("another program's file")
            << QByteArray("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n<<>>\nendobj\n") << true << sqlite;
    }
    void badFiles() {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFile::remove(vault().path());
        if (exists) {
            QFile file(vault().path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        int runs = 0;
        readCategories(ErrorCode::FillCategoryFilter, &runs);
        QCOMPARE(runs, 5);
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("E211 : Retrieval Error")});
        QFETCH(QString, failure);
        QVERIFY2(fake().messages[0].prompt.startsWith(failure), qPrintable(fake().messages[0].prompt));
        QCOMPARE(QFile::exists(vault().path()), exists);
        if (exists) {
            QFile file(vault().path());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), content);
        }
    }

    void missingTable() {
        vault().exec(QStringLiteral("DROP TABLE Cats"));
        readCategories(ErrorCode::FillCategoryFilter);
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("E211 : Retrieval Error")});
        QVERIFY(storeState().lastErrorText.endsWith(
            QStringLiteral("is not a Quorlane vault: the table Cats is missing.")));
    }

    // The report names the missing file, so that the user knows which one to restore.
    void missingFileReportsTheDriversTextAndThePath() {
        QFile::remove(vault().path());
        readCategories(ErrorCode::FillCategoryFilter);
        QCOMPARE(storeState().lastErrorText,
                 QStringLiteral("SQLite: 14: unable to open database file: ") + vault().path());
        QVERIFY(!QFile::exists(vault().path()));
    }

    void readOnlyFile() {
        QFile::setPermissions(vault().path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        const WithoutPermissionOverride asOrdinaryUser;
        QFile probe(vault().path());
        QVERIFY2(!probe.open(QIODevice::ReadWrite), "the read-only vault file stays writable to this test");
        int runs = 0;
        readCategories(ErrorCode::FillCategoryFilter, &runs);
        QCOMPARE(runs, 1);
        QVERIFY(fake().messages.isEmpty());
        const int before = categoryCount(vault());
        insertThreeCategories();
        QCOMPARE(fake().lastTitle(), QStringLiteral("E225 : Update Failed"));
        QCOMPARE(categoryCount(vault()), before);
    }

    // Setting a login rewrites the whole vault: a vault file this program cannot write is refused
    // as any other write is (the report's code, every attempt spent), and stays plain.
    void readOnlyFileGetsNoLogin() {
        QFile::setPermissions(vault().path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        const WithoutPermissionOverride asOrdinaryUser;
        const QByteArray before = fileBytes(vault().path());
        std::optional<VaultKey> key = VaultKey::deriveFromLogin(QStringLiteral("SECRET"), newVaultSalt());
        QVERIFY(key);
        const Result<> saved =
            store::saveLoginSettings({true, QStringLiteral("Secret"), QStringLiteral("2")}, &*key);
        QCOMPARE(saved.code(), ErrorCode::SaveSetup);
        QCOMPARE(storeState().attemptCount, short(5));
        QCOMPARE(fileBytes(vault().path()), before);
        QVERIFY(!vaultIsOpen());
    }

    // A plain vault of small pages moves to large ones, every entry as it was; one of large pages,
    // or in a file this program may not write, stays byte for byte.
    void compactingMovesSmallPages_data() {
        QTest::addColumn<int>("pageSize");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("4 KiB pages") << 4096 << false;
        QTest::newRow("16 KiB pages") << 16384 << false;
        QTest::newRow("4 KiB pages, read-only file") << 4096 << true;
    }
    void compactingMovesSmallPages() {
        QFETCH(int, pageSize);
        QFETCH(bool, readOnly);
        const qint64 key =
            vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"), {QStringLiteral("0815")});
        sqlite::Connection(vault().path())
            .execute(QStringLiteral("PRAGMA page_size = %1; VACUUM").arg(pageSize).toUtf8().constData());
        QCOMPARE(vault().value(QStringLiteral("PRAGMA page_size")).toInt(), pageSize);
        const QStringList entry = vault().decodedEntry(key);
        const QByteArray before = fileBytes(vault().path());
        if (readOnly) QFile::setPermissions(vault().path(), QFile::ReadOwner);
        const WithoutPermissionOverride asOrdinaryUser;
        const bool moves = pageSize < VaultPageSize && !readOnly;
        const Result<bool> compacted = store::compactVault();
        QVERIFY(compacted);
        QCOMPARE(*compacted, moves);
        QCOMPARE(vault().value(QStringLiteral("PRAGMA page_size")).toInt(), moves ? VaultPageSize : pageSize);
        QCOMPARE(vault().decodedEntry(key), entry);
        if (!moves) QCOMPARE(fileBytes(vault().path()), before);
        QVERIFY(!vaultIsOpen());
    }

    // A nested operation that succeeds starts the shared count again; the outer one still ends
    // after its own five attempts (the category filter over a vault whose Cats table is gone,
    // while the entry list inside it reads PDF).
    void nestedSuccessCannotRetryForever() {
        vault().exec(QStringLiteral("DROP TABLE Cats"));
        int outerRuns = 0, innerRuns = 0;
        const bool read = runVaultOperation(ErrorCode::FillCategoryFilter, [&] {
            // Past twenty runs the retries would go on for ever: let them end, and fail below.
            if (++outerRuns < 20)
                runVaultOperation(ErrorCode::RetrieveEntries, [&innerRuns] { ++innerRuns; });
            openVault();
            openRecords(sql::SelectCategories);
            closeVault();
        });
        if (!read) showVaultReport(ErrorCode::FillCategoryFilter);
        QCOMPARE(outerRuns, 5);
        QCOMPARE(innerRuns, 5);
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("E211 : Retrieval Error")});
    }

    // Another program holding the vault: each attempt waits only briefly, the pointer shows the
    // program is busy meanwhile, and the report says what is going on.
    void lockedByAnotherProgram() {
        std::optional<sqlite::Connection> other(std::in_place, vault().path());
        other->execute("BEGIN EXCLUSIVE");
        QList<Qt::CursorShape> pointers;
        setFaultHook([&pointers](int, int, int) {
            pointers << (QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape()
                                                           : Qt::ArrowCursor);
            return false;
        });
        int runs = 0;
        readCategories(ErrorCode::FillCategoryFilter, &runs);
        other->execute("ROLLBACK");
        other.reset();

        QCOMPARE(runs, 5);
        QCOMPARE(fake().titles(), QStringList{QStringLiteral("E211 : Retrieval Error")});
        QVERIFY2(fake().messages[0].prompt.contains(QStringLiteral("in use by another program")),
                 qPrintable(fake().messages[0].prompt));
        QCOMPARE(pointers, QList<Qt::CursorShape>(5, Qt::WaitCursor));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // A folder name holding '#' or '?' must not cut the file name short (and create another file).
    void folderWithUrlCharacters() {
        const QString folder = vault().folder() + QStringLiteral("/my #1 vault? 100%");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(vault().path(), folder + QStringLiteral("/gpwdfsc.mdb")));
        VaultFolder = folder;
        int runs = 0;
        readCategories(ErrorCode::FillCategoryFilter, &runs);
        QCOMPARE(runs, 1);
        QVERIFY(fake().messages.isEmpty());
        QCOMPARE(QDir(vault().folder()).entryList(QDir::Files), QStringList{QStringLiteral("gpwdfsc.mdb")});
    }
};

// The index the entry list reads: in every new vault, added once to a vault made without it,
// and never needed to read a vault that cannot take it.
class ListIndexTest final : public VaultTestCase {
    Q_OBJECT

    bool hasListIndex() {
        return vault()
                   .value(QStringLiteral(
                       "SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name = 'PDFList'"))
                   .toInt() == 1;
    }
    QStringList listed() {
        const Result<QList<ListedEntry>> entries = store::listEntries(QString());
        if (!entries) return {QStringLiteral("failed")};
        QStringList texts;
        for (const ListedEntry& entry : *entries)
            texts << entry.description;
        return texts;
    }

private slots:
    void readsOfManyEntriesUseTheIndex_data() {
        QTest::addColumn<QString>("statement");
        QTest::newRow("entry list") << QString::fromLatin1(sql::SelectListedEntries);
        QTest::newRow("duplicate check") << QString::fromLatin1(sql::SelectEntryDescriptionBytes);
        QTest::newRow("category counts") << QString::fromLatin1(sql::SelectEntryCategoryBytes);
    }
    void readsOfManyEntriesUseTheIndex() {
        QFETCH(QString, statement);
        const QList<QVariantList> plan = vault().rows(QStringLiteral("EXPLAIN QUERY PLAN ") + statement);
        QCOMPARE(plan.size(), 1);
        QVERIFY2(plan.first().last().toString().endsWith(QStringLiteral("USING COVERING INDEX PDFList")),
                 qPrintable(plan.first().last().toString()));
    }

    // A vault made before the index gets it at its first opening, once: an index dropped later in
    // the same run is not looked for again.
    void addedOnceToAnOlderVault() {
        QVERIFY(hasListIndex());
        vault().exec(QStringLiteral("DROP INDEX PDFList"));
        vault().addEntry(QStringLiteral("Older"), QStringLiteral("HOME"));
        QCOMPARE(listed(), QStringList{"OLDER"});
        QVERIFY(hasListIndex());
        vault().exec(QStringLiteral("DROP INDEX PDFList"));
        QCOMPARE(listed(), QStringList{"OLDER"});
        QVERIFY(store::categoryNames(ErrorCode::FillCategoryFilter));
        QVERIFY(!hasListIndex());
    }

    // A vault that cannot be written is read without the index. One that another program is
    // writing gets it at a later opening.
    void vaultThatCannotTakeTheIndex_data() {
        QTest::addColumn<bool>("writeProtected");
        QTest::newRow("file format marked read-only") << true;
        QTest::newRow("another program writing") << false;
    }
    void vaultThatCannotTakeTheIndex() {
        QFETCH(bool, writeProtected);
        vault().exec(QStringLiteral("DROP INDEX PDFList"));
        const qint64 key =
            vault().addEntry(QStringLiteral("Kept"), QStringLiteral("HOME"), {QStringLiteral("value")});
        std::optional<sqlite::Connection> writer;
        if (writeProtected) {
            // A file-format write version above 2 makes SQLite open the file for reading only.
            QFile file(vault().path());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(18));
            QVERIFY(file.putChar(3));
        } else {
            writer.emplace(vault().path());
            writer->execute("BEGIN IMMEDIATE");
        }
        QCOMPARE(listed(), QStringList{"KEPT"});
        const Result<ShownEntry> shown = store::showEntry(key);
        QVERIFY(shown);
        QCOMPARE(shown->entry.fields[0], QStringLiteral("value"));
        QVERIFY(!hasListIndex());
        if (writeProtected) {
            QVERIFY(!store::addEntry({QStringLiteral("New"), {}, {}, QStringLiteral("HOME")},
                                     QDateTime::currentDateTime()));
        } else {
            writer.reset();
            QCOMPARE(listed(), QStringList{"KEPT"});
            QVERIFY(hasListIndex());
        }
    }
};

QUORLANE_TEST(VaultPolicyTest);
QUORLANE_TEST(ListIndexTest);
QUORLANE_TEST(BadVaultTest);
#include "tst_vault.moc"
