#include "store/codec.h"
#include "store/repository.h"
#include "store/text.h"
#include "store/vault.h"
#include "store/vaultfile.h"
#include "store/vaultkey.h"
#include "testmain.h"
#include "testvault.h"

#include <QFile>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <functional>

namespace {

const QDateTime When(QDate(2013, 3, 15), QTime(14, 5, 9));

// The descriptions of listed entries, in their order.
QStringList descriptions(const Result<QList<ListedEntry>>& listed) {
    QStringList texts;
    for (const ListedEntry& entry : *listed)
        texts << entry.description;
    return texts;
}

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
        {"update an entry", 223, 9,
         [](EntryKey key) {
             return store::updateEntry(key, values("Changed", "WEB SITE", "x'y"), When).ok();
         }},
        {"delete an entry", 215, 3, [](EntryKey key) { return store::deleteEntry(key).ok(); }},
        {"create a category", 225, 2, [](EntryKey) { return store::createCategory("GARDEN").ok(); }},
        {"save a category's titles", 224, 6,
         [](EntryKey) {
             return store::saveCategoryTitles("EMAIL", {"a", "b", "c", "d", "e", "f"}).ok();
         }},
        {"delete a category", 226, 3, [](EntryKey) { return store::deleteCategory("EMAIL").ok(); }},
        {"transfer entries", 202, 2, [](EntryKey) { return store::transferEntries("HOME", "EMAIL").ok(); }},
        {"save attachments", 203, 3,
         [](EntryKey key) {
             return store::saveAttachments(key, {{"A", "/a.txt", 4}, {"B", "/b.jpg", 2}}).ok();
         }},
        {"save the login settings without a login", 227, 3,
         [](EntryKey) {
             return store::saveLoginSettings({false, QString(), "2"}).ok();
         }},
    };
    return list;
}

} // namespace

class RepositoryTest final : public VaultTestCase {
    Q_OBJECT

    EntryKey seed() {
        const EntryKey key =
            vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"), {QStringLiteral("1234")});
        vault().exec(
            QStringLiteral(
                "INSERT INTO eAttach (eID, AttachName, AttachPath, AttachPic) VALUES (?, 'OLD ', '/o', '1')"),
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
            if (write.statements > 1)
                QTest::addRow("%s: last statement", write.name) << w << write.statements;
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
            QCOMPARE(storeState().attemptCount, short(5));
            QCOMPARE(storeState().lastErrorText, QStringLiteral("Quorlane: -1: Injected failure"));
            QCOMPARE(fileBytes(vault().path()), before);
        }
    }

    // A failure gives the operation's code and no value.
    void failureCarriesTheCode() {
        QFile::remove(vault().path());
        const Result<QStringList> names = store::categoryNames(ErrorCode::TransferLists);
        QVERIFY(!names);
        QCOMPARE(names.code(), ErrorCode::TransferLists);
        QCOMPARE(storeState().lastErrorText,
                 QStringLiteral("SQLite: 14: unable to open database file: ") + vault().path());
        QVERIFY(!QFile::exists(vault().path()));
    }

    // What is written comes back as typed: apostrophes stored as the substitute, shown as
    // apostrophes; descriptions compared upper case and trimmed.
    void entryRoundTrip() {
        EntryValues typed{QStringLiteral("  Bob's Card "),
                          {QStringLiteral(" 4111 "), QStringLiteral("www.bank.example"), QString(),
                           QStringLiteral("\u00e9t\u00e9")},
                          QStringLiteral("line one\r\nline two"),
                          QStringLiteral("CREDIT CARD")};
        QVERIFY(store::addEntry(typed, When));
        const QStringList stored =
            vault().decodedEntry(vault().value(QStringLiteral("SELECT MAX(pNum) FROM PDF")).toLongLong());
        QCOMPARE(stored.value(0), QStringLiteral("  Bob\u20acs Card "));
        QCOMPARE(stored.value(7), QStringLiteral("03/15/2013 02:05:09 pm"));

        const Result<QList<ListedEntry>> listed = store::listEntries(QStringLiteral("credit card "));
        QCOMPARE(descriptions(listed), QStringList{"BOB'S CARD"});
        const Result<ShownEntry> shown = store::showEntry(*listed->first().key);
        QVERIFY(shown);
        QCOMPARE(shown->entry.description, QStringLiteral("BOB'S CARD"));
        QCOMPARE(shown->entry.fields[0], QStringLiteral("4111"));
        QCOMPARE(shown->entry.fields[3], QStringLiteral("\u00e9t\u00e9"));
        QCOMPARE(shown->entry.notes, QStringLiteral("line one\r\nline two"));
        QCOMPARE(shown->entry.category, QStringLiteral("CREDIT CARD"));
        QVERIFY(shown->definition);
        QCOMPARE(shown->definition->image, 0);
        QVERIFY(!shown->hasAttachments);

        QCOMPARE(*store::isDuplicateDescription(QStringLiteral(" BOB'S CARD")), true);
        QCOMPARE(*store::isDuplicateDescription(QStringLiteral("Bob")), false);
        QCOMPARE(descriptions(store::listEntries(QStringLiteral("HOME"))), QStringList());
        QCOMPARE(descriptions(store::findEntries(QStringLiteral("bank"))), QStringList{"BOB'S CARD"});
        QCOMPARE(descriptions(store::findEntries(QStringLiteral("'S C"))), QStringList{"BOB'S CARD"});
    }

    // A word is found in any value, upper-cased as the list shows descriptions, in either of the
    // codec's forms; an apostrophe in the word matches one typed in the value, never a euro sign.
    void searchReadsEveryValue_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("found");
        QTest::newRow("notes, accented") << QString() << u"Grüße aus Zürich"_qs << u"zürich"_qs << true;
        QTest::newRow("field, letter of the upper codes")
            << u"chef d'œuvre"_qs << QString() << u"ŒUVRE"_qs << true;
        QTest::newRow("field, apostrophe") << u"Ann's key"_qs << QString() << u"n's k"_qs << true;
        QTest::newRow("apostrophe is no euro sign") << u"Ann's key"_qs << QString() << u"n€s"_qs << false;
        QTest::newRow("field, euro sign") << u"fee 5 € a month"_qs << QString() << u"5 €"_qs << true;
        QTest::newRow("notes, euro sign, apostrophe")
            << QString() << u"Bob's fee: 5 €"_qs << u"b's fee"_qs << true;
        QTest::newRow("in no value") << u"4111"_qs << u"line"_qs << u"mat"_qs << false;
    }
    void searchReadsEveryValue() {
        QFETCH(QString, field);
        QFETCH(QString, notes);
        QFETCH(QString, word);
        QFETCH(bool, found);
        QVERIFY(store::addEntry(EntryValues{QStringLiteral("Entry"),
                                            {QString(), QString(), field, QString()},
                                            notes,
                                            QStringLiteral("HOME")},
                                When));
        QCOMPARE(descriptions(store::findEntries(word)), found ? QStringList{"ENTRY"} : QStringList());
    }

    // A value another tool stored in a layout of the codec other than the encoder's own (fillers
    // missing, or of the highest code the decoder skips) is searched as it is decoded.
    void searchReadsValuesInAnyLayout_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fillers"); // code 12 before every digit, else none
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("found"); // the description listed, or nothing
        QTest::newRow("notes without fillers") << "PDF6"
                                               << "Spare key" << false << "key"
                                               << "ENTRY";
        QTest::newRow("notes without fillers, six digits") << "PDF6"
                                                           << "At" << false << "at"
                                                           << "ENTRY";
        QTest::newRow("notes, fillers of code 12") << "PDF6"
                                                   << "Mat" << true << "mat"
                                                   << "ENTRY";
        QTest::newRow("description without fillers") << "PDF1"
                                                     << "Bank" << false << "ank"
                                                     << "BANK";
        QTest::newRow("in no value") << "PDF6"
                                     << "Spare key" << false << "mat"
                                     << "";
    }
    void searchReadsValuesInAnyLayout() {
        QFETCH(QString, column);
        QFETCH(QString, text);
        QFETCH(bool, fillers);
        QFETCH(QString, word);
        QFETCH(QString, found);
        // Each character's code as three digits, the whole reversed.
        QString digits;
        for (const QChar c : text)
            digits += QStringLiteral("%1").arg(c.unicode(), 3, 10, QLatin1Char('0'));
        std::reverse(digits.begin(), digits.end());
        QString stored;
        for (const QChar digit : digits)
            stored += (fillers ? QString(QChar(12)) : QString()) + digit;
        QVERIFY(store::addEntry(values("Entry", "HOME"), When));
        vault().exec(QStringLiteral("UPDATE PDF SET %1 = ?").arg(column), {stored});
        QCOMPARE(descriptions(store::findEntries(word)),
                 found.isEmpty() ? QStringList() : QStringList{found});
    }

    // Every script at the editor's limits (1,000 characters per value, 1,500 for notes, counted
    // as the user sees them) goes through the store whole: listed and shown upper-cased, found by
    // a lower-case word, a duplicate in another letter case, in a category of its own script.
    void everyScriptRoundTrip_data() {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QString>("word");
        QTest::newRow("latin") << u"Grüße aus Zürich "_qs << u"zürich"_qs;
        QTest::newRow("greek") << u"Ζυρίχη – Ελλάδα "_qs << u"ελλάδα"_qs;
        QTest::newRow("cyrillic") << u"Почта Москва "_qs << u"москва"_qs;
        QTest::newRow("cjk") << u"東京の銀行"_qs << u"銀行"_qs;
        QTest::newRow("arabic, right to left") << u"كلمة المرور "_qs << u"المرور"_qs;
        QTest::newRow("emoji with skin tones") << u"👍🏽👩🏿‍💻🔑"_qs << u"👩🏿‍💻"_qs;
        QTest::newRow("euro and apostrophes") << u"Ann's 5 € "_qs << u"'s 5 €"_qs;
    }
    void everyScriptRoundTrip() {
        QFETCH(QString, sample);
        QFETCH(QString, word);
        const auto atLimit = [&sample](int characters) {
            QString text;
            while (text::characterCount(text) < characters)
                text += sample;
            while (text::characterCount(text) > characters)
                text.chop(text.back().isLowSurrogate() ? 2 : 1);
            return text;
        };
        const QString category = text::upper(word).remove(QLatin1Char('\'')).trimmed();
        QVERIFY(store::createCategory(category));
        const QString description = atLimit(1000);
        const EntryValues typed{description,
                                {atLimit(1000), atLimit(999) + QLatin1Char('!'), QString(), sample},
                                atLimit(1499) + QStringLiteral("\r\n"),
                                category};
        QVERIFY(store::addEntry(typed, When));

        const Result<QList<ListedEntry>> listed = store::listEntries(category);
        QCOMPARE(descriptions(listed), QStringList{text::upper(description).trimmed()});
        const Result<ShownEntry> shown = store::showEntry(*listed->first().key);
        QVERIFY(shown);
        QCOMPARE(shown->entry.stored.description, description);
        QCOMPARE(shown->entry.stored.fields, typed.fields);
        QCOMPARE(shown->entry.stored.notes, typed.notes);
        QCOMPARE(shown->entry.category, category);
        QVERIFY(
            !std::count(shown->entry.stored.keepStored.begin(), shown->entry.stored.keepStored.end(), true));
        QCOMPARE(*store::isDuplicateDescription(text::upper(description)), true);
        QCOMPARE(descriptions(store::findEntries(word)), descriptions(listed));
        const Result<VaultExport> exported = store::exportEntries();
        QCOMPARE(exported->entries.first().fields[3], sample);
    }

    void categories() {
        vault().addEntry(QStringLiteral("Garage"), QStringLiteral("HOME"));
        vault().addEntry(QStringLiteral("Shed"), QStringLiteral("HOME"));
        QVERIFY(store::createCategory(QStringLiteral("GARDEN")));
        QCOMPARE(*store::categoryExists(QStringLiteral("GARDEN")), true);
        const auto definition =
            store::categoryDefinition(ErrorCode::LoadCategoryDefinition, QStringLiteral("GARDEN"));
        QVERIFY(definition && *definition);
        QCOMPARE((*definition)->titles[CategoryDefinition::Notes], QStringLiteral("Notes"));
        QCOMPARE((*definition)->shownTitle(CategoryDefinition::Field1), QStringLiteral("Undefined:"));

        QVERIFY(store::saveCategoryTitles(QStringLiteral("GARDEN"), {"Owner's", "b", "c", "d", "e", "f"}));
        QCOMPARE(vault().value(QStringLiteral("SELECT pwDesc FROM CatDef WHERE pwCat = 'GARDEN'")).toString(),
                 QStringLiteral("Owner\u20acs"));

        QCOMPARE(*store::deleteCategory(QStringLiteral("home")), CategoryDeletion::InUse);
        QVERIFY(store::transferEntries(QStringLiteral("HOME"), QStringLiteral("GARDEN")));
        QStringList moved = descriptions(store::listEntries(QStringLiteral("GARDEN")));
        moved.sort(); // the list's index order, which the list sorts
        QCOMPARE(moved, (QStringList{"GARAGE", "SHED"}));
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
        QVERIFY(store::showEntry(key)->hasAttachments);
        QVERIFY(store::deleteEntry(key));
        QVERIFY(store::attachments(key)->isEmpty());
    }

    // Entries of one description are told apart by their keys: the list, the search and the
    // detail view each give every entry its own row and values.
    void equalDescriptionsKeepTheirOwnEntries() {
        const EntryKey first =
            vault().addEntry(QStringLiteral("Twin"), QStringLiteral("HOME"), {QStringLiteral("first")});
        const EntryKey second =
            vault().addEntry(QStringLiteral("twin "), QStringLiteral("EMAIL"), {QStringLiteral("second")});
        for (const Result<QList<ListedEntry>>& listed :
             {store::listEntries(QString()), store::findEntries(QStringLiteral("twin"))}) {
            QCOMPARE(descriptions(listed), (QStringList{"TWIN", "TWIN"}));
            QCOMPARE((QSet<std::optional<EntryKey>>{(*listed)[0].key, (*listed)[1].key}),
                     (QSet<std::optional<EntryKey>>{first, second}));
        }
        QCOMPARE(store::showEntry(first)->entry.fields[0], QStringLiteral("first"));
        QCOMPARE(store::showEntry(second)->entry.fields[0], QStringLiteral("second"));
        QCOMPARE(store::showEntry(second)->entry.category, QStringLiteral("EMAIL"));
    }

    // An entry deleted by another program since it was listed fails the read: every attempt,
    // then the failure with the detail view's code.
    void entryGoneSinceListed() {
        const EntryKey key = vault().addEntry(QStringLiteral("Gone"), QStringLiteral("HOME"));
        vault().exec(QStringLiteral("DELETE FROM PDF WHERE pNum = ?"), {key});
        int attempts = 0;
        setFaultHook([&attempts](int code, int, int statement) {
            if (code == int(ErrorCode::ShowEntry) && statement == 1) ++attempts;
            return false;
        });
        const Result<ShownEntry> shown = store::showEntry(key);
        QVERIFY(!shown);
        QCOMPARE(shown.code(), ErrorCode::ShowEntry);
        QCOMPARE(attempts, 5);
        QCOMPARE(storeState().lastErrorText,
                 QStringLiteral("Quorlane: -1: The entry is no longer in the vault"));
    }

    void loginSettings() {
        // A required login encrypts the vault with the key given; the password itself is not
        // stored (a blank stands in its column), and without the key nothing can be read.
        std::optional<VaultKey> key = VaultKey::deriveFromLogin(QStringLiteral("SECRET"), newVaultSalt());
        QVERIFY(!store::saveLoginSettings({true, QStringLiteral(" Secret "), QStringLiteral("2")}, nullptr));
        QCOMPARE(int(readVaultHeader(vault().path()).kind), int(VaultFileKind::Plain));
        QVERIFY(store::saveLoginSettings({true, QStringLiteral(" Secret "), QStringLiteral("2")}, &*key));
        QCOMPARE(int(readVaultHeader(vault().path()).kind), int(VaultFileKind::Encrypted));
        QVERIFY(!store::loadLoginSettings());
        holdVaultKey(std::move(*key));
        std::optional<LoginSettings> read = store::loadLoginSettings();
        QVERIFY(read && read->required);
        QCOMPARE(read->password, QString());
        QCOMPARE(read->retries, QStringLiteral("2"));
        QCOMPARE(DecodeValue(vault().value(QStringLiteral("SELECT UPass FROM LPass")).toString()),
                 QStringLiteral(" "));
        // Without a login the vault is plain again, the stored password a blank, none read back.
        QVERIFY(store::saveLoginSettings({false, QString(), QStringLiteral("3")}));
        forgetVaultKey();
        QCOMPARE(int(readVaultHeader(vault().path()).kind), int(VaultFileKind::Plain));
        QCOMPARE(DecodeValue(vault().value(QStringLiteral("SELECT UPass FROM LPass")).toString()),
                 QStringLiteral(" "));
        read = store::loadLoginSettings();
        QVERIFY(read && !read->required && read->password.isEmpty());
        QFile::remove(vault().path());
        QVERIFY(!store::loadLoginSettings());
    }
};

QUORLANE_TEST(RepositoryTest);
#include "tst_repository.moc"
