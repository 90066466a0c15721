#include "testmain.h"
#include "transfer/passwordimport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace transfer;
using Entries = QList<PlainEntry>;
using Refusals = QList<QPair<int, QString>>;

Q_DECLARE_METATYPE(transfer::PlainEntry)

namespace {

const QString Now = QStringLiteral("12/09/2026 01:05:00 pm");

const CategoryTitles WebSiteTitles{"Site", {"Web Address", "User Name", "Password", "E-mail"}, "Notes"};

// The delivered categories, and two stored descriptions.
VaultContents vaultContents() {
    VaultContents vault;
    vault.categories.insert("WEB SITE", WebSiteTitles);
    vault.categories.insert("HOME",
                            CategoryTitles{"Item", {"Code", "Location", "Contact", "Phone"}, "Notes"});
    vault.categories.insert(
        "CREDIT CARD",
        CategoryTitles{"Card", {"Card Number", "Expiry Date", "Security Code", "PIN"}, "Notes"});
    vault.categories.insert(
        "EMAIL", CategoryTitles{"Account",
                                {"E-mail Address", "Password", "Incoming Server", "Outgoing Server"},
                                "Notes"});
    vault.categories.insert("BANK ACCOUNT", CategoryTitles{"Bank",
                                                           {"Account Number", "Sort Code / Routing",
                                                            "Online Banking User", "Online Banking Password"},
                                                           "Notes"});
    vault.categories.insert(
        "SOFTWARE LICENSE",
        CategoryTitles{"Product", {"License Key", "Registered To", "Version", "Purchase Date"}, "Notes"});
    vault.categories.insert(
        "WI-FI NETWORK",
        CategoryTitles{"Place", {"Network Name", "Password", "Security", "Router Address"}, "Notes"});
    vault.descriptions = {"EXAMPLE.COM", "MAIL"};
    vault.now = Now;
    return vault;
}

PlainEntry web(const QString& description, const QString& url, const QString& user, const QString& password,
               const QString& notes = {}, const QString& category = "WEB SITE") {
    return PlainEntry{category, description, {url, user, password, QString()}, notes, Now};
}

ImportPlan planned(const QByteArray& file) {
    auto result = planImport(file, vaultContents());
    if (auto* failure = std::get_if<csv::Failure>(&result)) {
        QTest::qFail(qPrintable(QStringLiteral("the file was refused: ") + failure->reason), __FILE__,
                     __LINE__);
        return {};
    }
    return std::get<ImportPlan>(result);
}

Refusals refusals(const ImportPlan& plan) {
    Refusals out;
    for (const RefusedRow& row : plan.refused)
        out.append({row.line, row.reason});
    return out;
}

} // namespace

class PasswordImportTest final : public QObject {
    Q_OBJECT
private slots:
    void formats_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("format");
        QTest::addColumn<Entries>("entries");

        QTest::newRow("browser, quotes, line breaks, a taken title")
            << QByteArray("name,url,username,password,note\r\n"
                          "example.com,https://example.com/,alice,\"p,w\"\"d\",\"first\nsecond\"\r\n"
                          "shop,https://shop.test/,bob,s3cret,\r\n")
            << "web browser"
            << Entries{web("example.com (2)", "https://example.com/", "alice", "p,w\"d", "first\r\nsecond"),
                       web("shop", "https://shop.test/", "bob", "s3cret")};
        QTest::newRow("browser without notes, header in other case and order, with a mark")
            << QByteArray("\xEF\xBB\xBF"
                          "URL, Name ,Password,Username\n"
                          "https://a.test,A,pw,me\n")
            << "web browser" << Entries{web("A", "https://a.test", "me", "pw")};
        QTest::newRow("Safari, its one-time code into the notes on a line of its own")
            << QByteArray("Title,URL,Username,Password,Notes,OTPAuth\n"
                          "Bank,https://bank.test,me,pw,branch 7,otpauth://totp/x?secret=AB\n")
            << "web browser"
            << Entries{
                   web("Bank", "https://bank.test", "me", "pw", "branch 7\r\notpauth://totp/x?secret=AB")};
        QTest::newRow("KeePassXC: groups below the root become categories")
            << QByteArray(
                   "\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\",\"TOTP\",\"Icon\","
                   "\"Last Modified\",\"Created\"\n"
                   "\"Root\",\"Forum\",\"me\",\"x\",\"https://"
                   "forum.test\",\"\",\"\",\"0\",\"2024-01-01\",\"\"\n"
                   "\"Root/"
                   "E-mail\",\"Mail\",\"me@mail.test\",\"y\",\"\",\"two\r\nlines\",\"KEY\",\"1\",\"\",\"\"\n"
                   "\"Root/Home\",\"Router\",\"admin\",\"z\",\"192.168.0.1\",\"\",\"\",\"\",\"\",\"\"\n")
            << "KeePassXC"
            << Entries{web("Forum", "https://forum.test", "me", "x"),
                       web("Mail (2)", "", "me@mail.test", "y", "two\r\nlines\r\nTOTP: KEY", "E-MAIL"),
                       web("Router", "192.168.0.1", "admin", "z", {}, "HOME (2)")};
        QTest::newRow("Bitwarden: folders upper-cased inside Windows-1252, fields into the notes")
            << QByteArray("folder,favorite,type,name,notes,fields,reprompt,login_uri,login_username,"
                          "login_password,login_totp\n"
                          "R\xC3\xA9seaux sociaux,1,login,Social,,\"PIN: 12\",0,https://s.test,me,pw,\n"
                          "stra\xC3\x9F"
                          "e,,login,Street,note,,0,,,,SECRET\n"
                          ",,note,Plain note,\"only\ntext\",,0,,,,\n")
            << "Bitwarden"
            << Entries{web("Social", "https://s.test", "me", "pw", "fields: PIN: 12", u"RÉSEAUX SOCIAUX"_qs),
                       web("Street", "", "", "", "note\r\nlogin_totp: SECRET", u"STRAßE"_qs),
                       web("Plain note", "", "", "", "only\r\ntext")};
        QTest::newRow("titles repeated in the file and the vault count on")
            << QByteArray("name,url,username,password\nmail,1,,\nMAIL ,2,,\n Mail (2),3,,\n") << "web browser"
            << Entries{web("mail (2)", "1", "", ""), web("MAIL (3)", "2", "", ""),
                       web("Mail (2) (2)", "3", "", "")};
    }
    void formats() {
        QFETCH(QByteArray, file);
        QFETCH(QString, format);
        QFETCH(Entries, entries);
        const ImportPlan plan = planned(file);
        QCOMPARE(plan.format, format);
        QCOMPARE(plan.refused.size(), 0);
        QCOMPARE(plan.entries.size(), entries.size());
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const PlainEntry& got = plan.entries[i];
            const PlainEntry& want = entries[i];
            QCOMPARE(got.category, want.category);
            QCOMPARE(got.description, want.description);
            QCOMPARE(QStringList(got.fields.begin(), got.fields.end()),
                     QStringList(want.fields.begin(), want.fields.end()));
            QCOMPARE(got.notes, want.notes);
            QCOMPARE(got.lastUpdate, want.lastUpdate);
        }
    }

    // A one-time code setting goes under the category's one-time code title; a category without
    // one keeps it in the notes as an address on a line of its own; a category the import makes
    // gets the title. The summary says where the codes went.
    void oneTimeCodes_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<QStringList>("codeColumns"); // per entry: where its code column went
        const QByteArray keepass = "Group,Title,Username,Password,URL,Notes,TOTP\n";
        const QString address = "otpauth://totp/A:me?secret=GEZDGNBVGY3TQOJQ&period=60";
        QTest::newRow("KeePassXC, a category with a one-time code field")
            << keepass + "Root/Accounts,A,me,pw,https://a.test,," + address.toUtf8() + "\n"
            << Entries{{"ACCOUNTS", "A", {"https://a.test", "me", "pw", address}, "", Now}}
            << QStringList{"TOTP \u2192 2FA Code"};
        QTest::newRow("KeePassXC, no such field: the notes")
            << keepass + "Root,B,me,pw,https://b.test,note," + address.toUtf8() + "\n"
            << Entries{web("B", "https://b.test", "me", "pw", "note\r\n" + address)}
            << QStringList{"TOTP \u2192 Notes"};
        QTest::newRow("KeePassXC, a new category gets the field in place of the e-mail")
            << keepass + "Root/Games,C,me,pw,,," + address.toUtf8() + "\nRoot/Games,D,me,pw,,,\n"
            << Entries{{"GAMES", "C", {"", "me", "pw", address}, "", Now},
                       {"GAMES", "D", {"", "me", "pw", ""}, "", Now}}
            << QStringList{"TOTP \u2192 One-Time Code"};
        QTest::newRow("Bitwarden, a bare secret becomes an address in the notes")
            << QByteArray("folder,favorite,type,name,notes,fields,reprompt,login_uri,login_username,"
                          "login_password,login_totp\n"
                          ",,login,E,,,0,https://e.test,me,pw,gezd gnbv\n"
                          ",,login,F,,,0,https://f.test,me,pw,steam://GEZDGNBV\n")
            << Entries{web("E", "https://e.test", "me", "pw", "otpauth://totp/?secret=GEZDGNBV"),
                       web("F", "https://f.test", "me", "pw",
                           "otpauth://totp/?secret=GEZDGNBV&encoder=steam")}
            << QStringList{"login_totp \u2192 Notes"};
    }
    void oneTimeCodes() {
        QFETCH(QByteArray, file);
        QFETCH(Entries, entries);
        QFETCH(QStringList, codeColumns);
        VaultContents vault = vaultContents();
        vault.categories.insert(
            "ACCOUNTS",
            CategoryTitles{"Service", {"Web Address", "User Name", "Password", "2FA Code"}, "Notes"});
        auto result = planImport(file, vault);
        QVERIFY(std::holds_alternative<ImportPlan>(result));
        const ImportPlan& plan = std::get<ImportPlan>(result);
        QCOMPARE(plan.refused.size(), 0);
        QCOMPARE(plan.entries.size(), entries.size());
        for (qsizetype i = 0; i < entries.size(); ++i) {
            QCOMPARE(plan.entries[i].category, entries[i].category);
            QCOMPARE(QStringList(plan.entries[i].fields.begin(), plan.entries[i].fields.end()),
                     QStringList(entries[i].fields.begin(), entries[i].fields.end()));
            QCOMPARE(plan.entries[i].notes, entries[i].notes);
            for (const QString& column : codeColumns)
                QVERIFY2(plan.columnTitles.value(entries[i].category).contains(column), qPrintable(column));
        }
    }

    // One title thousands of times: each gets the next number.
    void manyEqualTitles() {
        QByteArray file = "name,url,username,password\n";
        for (int i = 0; i < 20000; ++i)
            file += "Same,,,\n";
        const ImportPlan plan = planned(file);
        QCOMPARE(plan.entries.size(), 20000);
        QCOMPARE(plan.entries[0].description, "Same");
        QCOMPARE(plan.entries[1].description, "Same (2)");
        QCOMPARE(plan.entries.last().description, "Same (20000)");
    }

    // A category that does not exist yet is planned once, with the titles of WEB SITE.
    void newCategoriesTakeWebSiteTitles() {
        const ImportPlan plan =
            planned("folder,favorite,type,name,notes,fields,reprompt,login_uri,login_username,"
                    "login_password,login_totp\n"
                    "Games,,login,A,,,,,,,\ngames ,,login,B,,,,,,,\nhome,,login,C,,,,,,,\n");
        QCOMPARE(plan.newCategories.size(), 1);
        QCOMPARE(plan.newCategories[0].name, "GAMES");
        QVERIFY(plan.newCategories[0].titles == WebSiteTitles);
        const QMap<QString, int> counts{{"GAMES", 2}, {"HOME", 1}};
        QCOMPARE(plan.perCategory(), counts);
    }

    // Rows the vault cannot keep as they are are named with their line and reason; the rest go on.
    // Every script is kept, and limits count characters as the user sees them.
    void refusedRows() {
        const QString longUrl(1001, 'u');
        const QString notes1500 = QString(1499, 'n') + "\n"; // the line break counts once
        const QString notes1501 = QString(1500, 'n') + "\r\n";
        QByteArray file = "name,url,username,password,note\n";
        file += "ok,,,,\n";                                            // 2
        file += ",https://no.title,,,\n";                              // 3
        file += "euro,,,pay\xE2\x82\xAC,\n";                           // 4
        file += "emoji,,me \xF0\x9F\x98\x80,,\n";                      // 5
        file += "greek,,,,\xCE\xB1\n";                                 // 6
        file += "thumbs," + u"👍"_qs.repeated(1000).toUtf8() + ",,,\n"; // 7 (1,000 emoji)
        file += "\"two\nlines\",,,,\n";                                // 8-9
        file += "long," + longUrl.toUtf8() + ",,,\n";                  // 10
        file += "notes ok,,,,\"" + notes1500.toUtf8() + "\"\n";        // 11-12
        file += "notes long,,,,\"" + notes1501.toUtf8() + "\"\n";      // 13-14
        file += "   ,,,,\n";                                           // 15
        const ImportPlan plan = planned(file);
        QCOMPARE(plan.entries.size(), 6);
        QCOMPARE(plan.entries[0].description, "ok");
        QCOMPARE(plan.entries[1].fields[2], u"pay€"_qs);
        QCOMPARE(plan.entries[2].fields[1], u"me 😀"_qs);
        QCOMPARE(plan.entries[3].notes, u"α"_qs);
        QCOMPARE(plan.entries[4].fields[0].size(), 2000);
        QCOMPARE(plan.entries[5].description, "notes ok");
        QCOMPARE(plan.entries[5].notes, QString(1499, 'n') + "\r\n");
        const Refusals expected = {{3, "the title (\"name\") is empty."},
                                   {8, "the \"name\" value holds a line break, which only notes can hold."},
                                   {10, "the \"url\" value has 1,001 characters; at most 1,000 fit."},
                                   {13, "the \"note\" value has 1,501 characters; at most 1,500 fit."},
                                   {15, "the title (\"name\") is empty."}};
        QCOMPARE(refusals(plan), expected);
    }

    void refusedCategories() {
        const QByteArray file = "folder,favorite,type,name,notes,fields,reprompt,login_uri,login_username,"
                                "login_password,login_totp\n" +
                                QByteArray(51, 'f') + ",,,A,,,,,,,\n" + QByteArray(50, 'f') +
                                ",,,B,,,,,,,\n\xE6\x97\xA5\xE6\x9C\xAC,,,C,,,,,,,\nMom's,,,D,,,,,,,\n";
        const ImportPlan plan = planned(file);
        const Refusals expected = {
            {2, "the \"folder\" value has 51 characters; a category name holds at most 50."}};
        QCOMPARE(refusals(plan), expected);
        QCOMPARE(plan.entries.size(), 3);
        QCOMPARE(plan.entries[1].category, u"日本"_qs);
        QCOMPARE(plan.entries[2].category, "MOM`S");
    }

    void unreadableFiles_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reasonStart");
        QTest::newRow("empty") << QByteArray("") << 0 << "The file is empty.";
        QTest::newRow("header only") << QByteArray("\n\nname,url,username,password\r\n\r\n") << 3
                                     << "The file holds only its header (line 3) and no entries to import.";
        QTest::newRow("unknown header")
            << QByteArray("url,username,password,realm\nx,y,z,\n") << 1
            << "Line 1 is not a header this program knows. It imports the CSV files of web browsers "
               "(name,url,username,password), Firefox (url,username,password,httpRealm,";
        QTest::newRow("a browser header with a column too many")
            << QByteArray("name,url,username,password,colour\nx,y,z,w,red\n") << 1
            << "Line 1 is not a header";
        QTest::newRow("broken row") << QByteArray("name,url,username,password\nx,y\n") << 2
                                    << "Line 2 has 2 values, but the header (line 1) has 4.";
    }
    void unreadableFiles() {
        QFETCH(QByteArray, file);
        QFETCH(int, line);
        QFETCH(QString, reasonStart);
        const auto result = planImport(file, vaultContents());
        QVERIFY(std::holds_alternative<csv::Failure>(result));
        QCOMPARE(std::get<csv::Failure>(result).line, line);
        QVERIFY2(std::get<csv::Failure>(result).reason.startsWith(reasonStart),
                 qPrintable(std::get<csv::Failure>(result).reason));
    }

    // The program's own export comes back as it went out: values, apostrophes, notes with CR LF,
    // the last-update time; a category the vault lacks is created with the exported titles.
    void ownExportReadsBack() {
        const Entries entries = {
            {"HOME", "Alarm code", {"", "", "1234", ""}, "", "01/02/2020 03:04:05 am"},
            {"GAMES",
             u"Joe's \"Café\", 2"_qs,
             {"https://g.test", "joe", "p,w", "x"},
             "line 1\r\nline 2\r\n",
             "12/31/2019 11:59:59 pm"},
            {"WEB SITE", "  spaced  ", {" a", "b ", "", ""}, "\r\n", "06/15/2021 12:00:00 pm"}};
        QMap<QString, CategoryTitles> titles = vaultContents().categories;
        titles.insert("GAMES", CategoryTitles{"Game", {"Site", "Player", "Secret", "Realm"}, "Notes"});
        const QByteArray file = exportEntries(entries, titles);
        QVERIFY(file.startsWith(
            "\"Category\",\"Description\",\"Field 1 title\",\"Field 1\",\"Field 2 title\","
            "\"Field 2\",\"Field 3 title\",\"Field 3\",\"Field 4 title\",\"Field 4\",\"Notes\","
            "\"Last updated\"\r\n"));

        VaultContents empty = vaultContents();
        empty.descriptions.clear();
        const auto result = planImport(file, empty);
        QVERIFY(std::holds_alternative<ImportPlan>(result));
        const ImportPlan& plan = std::get<ImportPlan>(result);
        QCOMPARE(plan.format, "Quorlane");
        QVERIFY(plan.refused.isEmpty());
        QVERIFY(plan.entries == entries);
        QCOMPARE(plan.newCategories.size(), 1);
        QCOMPARE(plan.newCategories[0].name, "GAMES");
        QCOMPARE(QStringList(plan.newCategories[0].titles.fields.begin(),
                             plan.newCategories[0].titles.fields.end()),
                 QStringList({"Site", "Player", "Secret", "Realm"}));
    }

    // Each format's web address, user name and password land under the titles that mean them, in
    // every delivered category; what a category has no title for sends the record to a new
    // category of the same name and a number.
    void valuesGoUnderTheirTitles_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("fields");
        struct Case {
            const char* category;
            const char *url, *user, *password;
            const char* goesTo;
            QStringList fields;
        };
        const Case cases[] = {
            {"WEB SITE", "https://a.test", "me", "pw", "WEB SITE", {"https://a.test", "me", "pw", ""}},
            {"EMAIL", "", "me@a.test", "pw", "EMAIL", {"me@a.test", "pw", "", ""}},
            {"EMAIL", "https://mail.test", "me", "pw", "EMAIL (2)", {"https://mail.test", "me", "pw", ""}},
            {"BANK ACCOUNT", "", "me", "pw", "BANK ACCOUNT", {"", "", "me", "pw"}},
            {"CREDIT CARD", "", "", "1234", "CREDIT CARD", {"", "", "", "1234"}},
            {"HOME", "", "", "1234", "HOME", {"1234", "", "", ""}},
            {"WI-FI NETWORK",
             "http://192.168.0.1",
             "",
             "pw",
             "WI-FI NETWORK",
             {"", "pw", "", "http://192.168.0.1"}},
            {"SOFTWARE LICENSE", "", "", "pw", "SOFTWARE LICENSE (2)", {"", "", "pw", ""}},
        };
        for (const Case& c : cases) {
            const QByteArray cat(c.category), url(c.url), user(c.user), password(c.password);
            const QString name =
                QStringLiteral("%1 %2 to %3").arg(c.category, c.url[0] ? "with url" : "", c.goesTo);
            QTest::newRow(qPrintable("KeePassXC, " + name))
                << "\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\"\n\"Root/" + cat +
                       "\",\"T\",\"" + user + "\",\"" + password + "\",\"" + url + "\",\"\"\n"
                << c.goesTo << c.fields;
            QTest::newRow(qPrintable("Bitwarden, " + name))
                << "folder,favorite,type,name,notes,fields,reprompt,login_uri,login_username,login_password,"
                   "login_totp\n" +
                       cat + ",,login,T,,,0," + url + "," + user + "," + password + ",\n"
                << c.goesTo << c.fields;
            // Another vault's export, whose category has web-site titles.
            QTest::newRow(qPrintable("own export, " + name))
                << exportHeader().join(',').toUtf8() + "\n" + cat + ",T,Web Address," + url + ",User Name," +
                       user + ",Password," + password + ",E-mail,,,\n"
                << c.goesTo << c.fields;
            if (cat == "WEB SITE") {
                QTest::newRow("browser")
                    << "name,url,username,password\nT," + url + "," + user + "," + password + "\n"
                    << c.goesTo << c.fields;
                QTest::newRow("Firefox")
                    << "\"url\",\"username\",\"password\",\"httpRealm\",\"formActionOrigin\"\n\"" + url +
                           "\",\"" + user + "\",\"" + password + "\",,\"\"\n"
                    << c.goesTo << c.fields;
            }
        }
    }
    void valuesGoUnderTheirTitles() {
        QFETCH(QByteArray, file);
        QFETCH(QString, category);
        QFETCH(QStringList, fields);
        const ImportPlan plan = planned(file);
        QCOMPARE(refusals(plan), Refusals{});
        QCOMPARE(plan.entries.size(), 1);
        QCOMPARE(plan.entries[0].category, category);
        QCOMPARE(QStringList(plan.entries[0].fields.begin(), plan.entries[0].fields.end()), fields);
        // A category made for the record holds every kind of value.
        if (category.endsWith(" (2)")) {
            QCOMPARE(plan.newCategories.size(), 1);
            QCOMPARE(plan.newCategories[0].name, category);
            QVERIFY(plan.newCategories[0].reason.startsWith(category.chopped(4) + " has no title for \""));
        }
    }

    // Before anything is written the summary can say which column goes under which title.
    void columnsAndTitlesPerCategory() {
        const ImportPlan plan =
            planned("\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\"\n"
                    "\"Root/Email\",\"Mail\",\"me\",\"pw\",\"\",\"n\"\n"
                    "\"Root/Email\",\"Web mail\",\"me\",\"pw\",\"https://m.test\",\"\"\n");
        const QMap<QString, QStringList> expected{{"EMAIL",
                                                   {u"Title → Account"_qs, u"Username → E-mail Address"_qs,
                                                    u"Password → Password"_qs, u"Notes → Notes"_qs}},
                                                  {"EMAIL (2)",
                                                   {u"Title → Site"_qs, u"URL → Web Address"_qs,
                                                    u"Username → User Name"_qs, u"Password → Password"_qs}}};
        QCOMPARE(plan.columnTitles, expected);
        QCOMPARE(plan.newCategories[0].reason, "EMAIL has no title for \"URL\"");
    }

    // Firefox's export: the host names the entry, a site's realm goes into the notes, the form's
    // address, the record's id and its times are left out.
    void firefoxExport() {
        const ImportPlan plan = planned(
            "\"url\",\"username\",\"password\",\"httpRealm\",\"formActionOrigin\",\"guid\",\"timeCreated\","
            "\"timeLastUsed\",\"timePasswordChanged\"\r\n"
            "\"https://accounts.example.com\",\"alice@example.com\",\"s3cr\"\"et\",,\"https://"
            "accounts.example."
            "com\",\"{0b2c1f1e-8a4b-4f0e-9d7c-1a2b3c4d5e6f}\",\"1700000000000\",\"1710000000000\","
            "\"1700000000000\"\r\n"
            "\"http://192.168.1.1:8080\",\"admin\",\"router\",\"Router login\",,\"{c7d6e5f4-0000-4000-8000-"
            "000000000001}\",\"1600000000000\",\"1600000000000\",\"1600000000000\"\r\n"
            "\"https://example.com\",\"bob\",\"x\",,\"https://example.com\",\"{d}\",\"1\",\"1\",\"1\"\r\n");
        QCOMPARE(plan.format, "Firefox");
        QCOMPARE(refusals(plan), Refusals{});
        const Entries expected = {
            web("accounts.example.com", "https://accounts.example.com", "alice@example.com", "s3cr\"et"),
            web("192.168.1.1", "http://192.168.1.1:8080", "admin", "router", "httpRealm: Router login"),
            web("example.com (2)", "https://example.com", "bob", "x")};
        QVERIFY(plan.entries == expected);
    }

    // A file imported again is recognised record by record: what equals a stored entry (its
    // numbered description too) is listed as known and left out, unless asked for.
    void importedAgain() {
        const QByteArray file = "name,url,username,password,note\n"
                                "Gmail,https://mail.test,me,pw,\"a\nb\"\n"
                                "example.com,https://example.com,me,pw,\n"
                                "Bank,https://bank.test,me,new password,\n";
        VaultContents vault = vaultContents();
        const ImportPlan first = std::get<ImportPlan>(planImport(file, vault));
        QCOMPARE(first.known.size(), 0);
        vault.entries = first.entries.mid(0, 2);
        vault.entries << web("Bank", "https://bank.test", "me", "old password");
        for (const PlainEntry& entry : vault.entries)
            vault.descriptions << descriptionKey(entry.description);

        const ImportPlan again = std::get<ImportPlan>(planImport(file, vault));
        QCOMPARE(again.known.size(), 2);
        QCOMPARE(again.known[0].line, 2);
        QCOMPARE(again.known[1].description, "example.com");
        QCOMPARE(again.entries.size(), 1);
        QCOMPARE(again.entries[0].description, "Bank (2)");

        const ImportPlan anyway = std::get<ImportPlan>(planImport(file, vault, {}, true));
        QCOMPARE(anyway.known.size(), 0);
        QCOMPARE(anyway.entries.size(), 3);
        QCOMPARE(anyway.entries[0].description, "Gmail (2)");
    }

    // The written file is the owner's alone, also when it replaces a file others could read.
    void exportFileIsOwnerOnly() {
        QTemporaryDir dir;
        const QString path = dir.filePath("export.csv");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents that are longer than the new ones");
        old.close();
        QVERIFY(old.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                   QFileDevice::ReadOther));
        QCOMPARE(writeOwnerOnlyFile(path, "new"), std::nullopt);
        QCOMPARE(QFile::permissions(path), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadUser | QFileDevice::WriteUser);
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("new"));
        QVERIFY(writeOwnerOnlyFile(dir.filePath("missing/folder/x.csv"), "x").has_value());
    }
};

QUORLANE_TEST(PasswordImportTest);
#include "tst_passwordimport.moc"
