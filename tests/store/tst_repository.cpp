#include "store/codec.h"
#include "store/repository.h"
#include "store/vault.h"
#include "testmain.h"
#include "testvault.h"

#include <QFile>
#include <QTest>
#include <functional>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QDateTime When(QDate(2013, 3, 15), QTime(14, 5, 9));

EntryValues values(const QString& description, const QString& category, const QString& first = {}) {
    return {description, {first, QString(), QString(), QString()}, QString(), category};
}

// One write of the repository, run on a vault holding one entry (key given) with one attachment.
struct Write {
    const char* name;
    int code;
    int statements; // statements of one attempt
    std::function<bool(EntryKey)> run;
};

const std::vector<Write>& writes() {
    static const std::vector<Write> list = {
        {"add an entry", 212, 1, [](EntryKey) { return store::addEntry(values("New", "HOME"), When).ok(); }},
        {"update an entry", 223, 8,
         [](EntryKey key) { return store::updateEntry(key, values("Changed", "WEB SITE", "x'y"), When).ok(); }},
        {"delete an entry", 215, 2, [](EntryKey key) { return store::deleteEntry(key).ok(); }},
        {"create a category", 225, 2, [](EntryKey) { return store::createCategory("GARDEN").ok(); }},
        {"save a category's titles", 224, 6,
         [](EntryKey) { return store::saveCategoryTitles("EMAIL", {"a", "b", "c", "d", "e", "f"}).ok(); }},
        {"delete a category", 226, 3, [](EntryKey) { return store::deleteCategory("EMAIL").ok(); }},
        {"transfer entries", 202, 2, [](EntryKey) { return store::transferEntries("HOME", "EMAIL").ok(); }},
        {"save attachments", 203, 3,
         [](EntryKey key) {
             return store::saveAttachments(key, {{"A", "/a.txt", 4}, {"B", "/b.jpg", 2}}).ok();
         }},
        {"save the login settings", 227, 3,
         [](EntryKey) { return store::saveLoginSettings({true, "secret", "2"}).ok(); }},
    };
    return list;
}

} // namespace

class RepositoryTest final : public VaultTestCase {
    Q_OBJECT

    EntryKey seed() {
        const EntryKey key = vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"), {QStringLiteral("1234")});
        vault().exec(QStringLiteral("INSERT INTO eAttach (eID, AttachName, AttachPath, AttachPic) VALUES (?, 'OLD ', '/o', '1')"),
                     {QString::number(key)});
        return key;
    }

private slots:
    // A write whose statement fails on every attempt leaves the vault file byte for byte as it
    // was, whichever statement of the attempt fails; the same write without a fault changes it.
    void failedWriteLeavesTheFileAsItWas_data() {
        QTest::addColumn<int>("write");
        QTest::addColumn<int>("failing"); // statement of every attempt; 0: none
        for (int w = 0; w < int(writes().size()); ++w) {
            const Write& write = writes()[std::size_t(w)];
            QTest::addRow("%s: no fault", write.name) << w << 0;
            QTest::addRow("%s: first statement", write.name) << w << 1;
            if (write.statements > 1) QTest::addRow("%s: last statement", write.name) << w << write.statements;
        }
    }
    void failedWriteLeavesTheFileAsItWas() {
        QFETCH(int, write);
        QFETCH(int, failing);
        const Write& w = writes()[std::size_t(write)];
        const EntryKey key = seed();
        const QByteArray before = fileBytes(vault().path());
        int attempts = 0;
        setFaultHook([&](int code, int attempt, int statement) {
            if (code != w.code) return false;
            attempts = attempt;
            return statement == failing;
        });
        const bool ok = w.run(key);
        QCOMPARE(ok, failing == 0);
        QVERIFY(!vaultIsOpen());
        if (failing == 0) {
            QCOMPARE(attempts, 1);
            QVERIFY(fileBytes(vault().path()) != before);
        } else {
            QCOMPARE(attempts, 5);
            QCOMPARE(AttemptCount, short(5));
            QCOMPARE(LastErrorText, QStringLiteral("Quorlane: -1: Injected failure"));
            QCOMPARE(fileBytes(vault().path()), before);
        }
    }

    // A failure gives the operation's code and no value.
    void failureCarriesTheCode() {
        QFile::remove(vault().path());
        const Result<QStringList> names = store::categoryNames(ErrorCode::TransferLists);
        QVERIFY(!names);
        QCOMPARE(names.code(), ErrorCode::TransferLists);
        QCOMPARE(LastErrorText, QStringLiteral("SQLite: 14: unable to open database file: ") + vault().path());
        QVERIFY(!QFile::exists(vault().path()));
    }

    // What is written comes back as typed: apostrophes stored as the substitute, shown as
    // apostrophes; descriptions compared upper case and trimmed.
    void entryRoundTrip() {
        EntryValues typed{QStringLiteral("  Bob's Card "),
                          {QStringLiteral(" 4111 "), QStringLiteral("www.bank.example"), QString(), QStringLiteral("\u00e9t\u00e9")},
                          QStringLiteral("line one\r\nline two"),
                          QStringLiteral("CREDIT CARD")};
        QVERIFY(store::addEntry(typed, When));
        const QStringList stored = vault().decodedEntry(vault().value(QStringLiteral("SELECT MAX(pNum) FROM PDF")).toLongLong());
        QCOMPARE(stored.value(0), QStringLiteral("  Bob\u20acs Card "));
        QCOMPARE(stored.value(7), QStringLiteral("03/15/2013 02:05:09 pm"));

        const Result<ShownEntry> shown = store::showEntry(QStringLiteral("bob's card"), std::nullopt);
        QVERIFY(shown && shown->entry);
        QCOMPARE(shown->entry->description, QStringLiteral("BOB'S CARD"));
        QCOMPARE(shown->entry->fields[0], QStringLiteral("4111"));
        QCOMPARE(shown->entry->fields[3], QStringLiteral("\u00e9t\u00e9"));
        QCOMPARE(shown->entry->notes, QStringLiteral("line one\r\nline two"));
        QCOMPARE(shown->entry->category, QStringLiteral("CREDIT CARD"));
        QVERIFY(shown->definition);
        QCOMPARE(shown->definition->image, 0);
        QVERIFY(!shown->hasAttachments);

        QCOMPARE(*store::isDuplicateDescription(QStringLiteral(" BOB'S CARD")), true);
        QCOMPARE(*store::isDuplicateDescription(QStringLiteral("Bob")), false);
        QCOMPARE(*store::entryDescriptions(QStringLiteral("credit card ")), QStringList{"BOB'S CARD"});
        QCOMPARE(*store::entryDescriptions(QStringLiteral("HOME")), QStringList());
        QCOMPARE(*store::findEntries(QStringLiteral("bank")), QStringList{"BOB'S CARD"});
        QCOMPARE(*store::findEntries(QStringLiteral("'S C")), QStringList{"BOB'S CARD"});
    }

    void categories() {
        vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"));
        vault().addEntry(QStringLiteral("Shed"), QStringLiteral("HOME"));
        QVERIFY(store::createCategory(QStringLiteral("GARDEN")));
        QCOMPARE(*store::categoryExists(QStringLiteral("GARDEN")), true);
        const auto definition = store::categoryDefinition(ErrorCode::LoadCategoryDefinition, QStringLiteral("GARDEN"));
        QVERIFY(definition && *definition);
        QCOMPARE((*definition)->titles[CategoryDefinition::Notes], QStringLiteral("Notes"));
        QCOMPARE((*definition)->shownTitle(CategoryDefinition::Field1), QStringLiteral("Undefined:"));

        QVERIFY(store::saveCategoryTitles(QStringLiteral("GARDEN"), {"Owner's", "b", "c", "d", "e", "f"}));
        QCOMPARE(vault().value(QStringLiteral("SELECT pwDesc FROM CatDef WHERE pwCat = 'GARDEN'")).toString(),
                 QStringLiteral("Owner\u20acs"));

        QCOMPARE(*store::deleteCategory(QStringLiteral("home")), CategoryDeletion::InUse);
        QVERIFY(store::transferEntries(QStringLiteral("HOME"), QStringLiteral("GARDEN")));
        QCOMPARE(*store::entryDescriptions(QStringLiteral("GARDEN")), (QStringList{"GARAGE", "SHED"}));
        QCOMPARE(*store::deleteCategory(QStringLiteral("home")), CategoryDeletion::Deleted);
        QVERIFY(!store::categoryNames(ErrorCode::FillCategoryFilter)->contains(QStringLiteral("HOME")));

        const Result<QList<CategoryCount>> counts = store::countEntriesPerCategory();
        QVERIFY(counts);
        for (const CategoryCount& count : *counts)
            QCOMPARE(count.count, count.name == QLatin1String("GARDEN") ? 2 : 0);
    }

    // Attachments keep their order; descriptions are stored followed by a blank, as vaults hold
    // them, and read back trimmed.
    void attachments() {
        const EntryKey key = vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"));
        QVERIFY(store::saveAttachments(key, {{"B", "/b.jpg", 2}, {" ", "/skipped", 4}, {"A", "/a.txt", 9}}));
        QCOMPARE(vault().value(QStringLiteral("SELECT AttachName FROM eAttach ORDER BY rowid")).toString(),
                 QStringLiteral("B "));
        const Result<QList<Attachment>> read = store::attachments(key);
        QVERIFY(read);
        QCOMPARE(read->size(), 2);
        QCOMPARE((*read)[0].description, QStringLiteral("B"));
        QCOMPARE((*read)[1].path, QStringLiteral("/a.txt"));
        QCOMPARE((*read)[1].picture, 5); // no picture of that number
        QVERIFY(store::showEntry(QStringLiteral("garage"), std::nullopt)->hasAttachments);
        QVERIFY(store::deleteEntry(key));
        QVERIFY(store::attachments(key)->isEmpty());
    }

    void loginSettings() {
        QVERIFY(store::saveLoginSettings({true, QStringLiteral(" Secret "), QStringLiteral("2")}));
        std::optional<LoginSettings> read = store::loadLoginSettings();
        QVERIFY(read && read->required);
        QCOMPARE(read->password, QStringLiteral("Secret"));
        QCOMPARE(read->retries, QStringLiteral("2"));
        // Without a password the stored one is a blank and none is read back.
        QVERIFY(store::saveLoginSettings({false, QString(), QStringLiteral("3")}));
        QCOMPARE(DecodeValue(vault().value(QStringLiteral("SELECT UPass FROM LPass")).toString()), QStringLiteral(" "));
        read = store::loadLoginSettings();
        QVERIFY(read && !read->required && read->password.isEmpty());
        QFile::remove(vault().path());
        QVERIFY(!store::loadLoginSettings());
    }
};

QUORLANE_TEST(RepositoryTest);
#include "tst_repository.moc"
