#include "store/fieldmeaning.h"
#include "testmain.h"
#include "testvault.h"

#include <QTest>

// Where each delivered category keeps its web address, user name, password and e-mail address
// (field 1..4, 0 for none), as the copy keys, the generator and the import find them.
class FieldMeaningTest final : public VaultTestCase {
    Q_OBJECT
private slots:
    void deliveredCategories_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QList<int>>("fields"); // url, user name, password, e-mail
        QTest::newRow("web site") << "WEB SITE" << QList<int>{1, 2, 3, 4};
        QTest::newRow("e-mail: the address is the user name") << "EMAIL" << QList<int>{0, 1, 2, 1};
        QTest::newRow("bank: the password, not the sort code") << "BANK ACCOUNT" << QList<int>{0, 3, 4, 0};
        QTest::newRow("card: the PIN before the security code") << "CREDIT CARD" << QList<int>{0, 0, 4, 0};
        QTest::newRow("home: the code") << "HOME" << QList<int>{0, 0, 1, 0};
        QTest::newRow("wi-fi: the router's address") << "WI-FI NETWORK" << QList<int>{4, 0, 2, 0};
        QTest::newRow("software licence: none") << "SOFTWARE LICENSE" << QList<int>{0, 0, 0, 0};
    }
    void deliveredCategories() {
        QFETCH(QString, category);
        QFETCH(QList<int>, fields);
        const QList<QVariantList> rows = vault().rows(
            "SELECT pwUDF1, pwUDF2, pwUDF3, pwUDF4 FROM CatDef WHERE pwCat = '" + category + "'");
        QCOMPARE(rows.size(), 1);
        std::array<QString, 4> titles;
        for (std::size_t i = 0; i < 4; ++i)
            titles[i] = rows[0][int(i)].toString();
        const QList<int> found = {fieldOfMeaning(titles, FieldMeaning::Url) + 1, userNameField(titles) + 1,
                                  fieldOfMeaning(titles, FieldMeaning::Secret) + 1,
                                  fieldOfMeaning(titles, FieldMeaning::Email) + 1};
        QCOMPARE(found, fields);
    }

    // Every delivered category is in the table above, so a new one cannot go unchecked.
    void everyDeliveredCategoryIsChecked() {
        QStringList names;
        for (const QVariantList& row : vault().rows("SELECT pwCat FROM CatDef ORDER BY pwCat"))
            names << row[0].toString();
        QCOMPARE(names, (QStringList{"BANK ACCOUNT", "CREDIT CARD", "EMAIL", "HOME", "SOFTWARE LICENSE",
                                     "WEB SITE", "WI-FI NETWORK"}));
    }

    // Titles people give their own categories.
    void ownTitles_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("meaning");
        QTest::newRow("E-mail password is a password") << "E-mail Password" << int(FieldMeaning::Secret);
        QTest::newRow("email, no hyphen") << "Email" << int(FieldMeaning::Email);
        QTest::newRow("login") << "Login:" << int(FieldMeaning::User);
        QTest::newRow("URL in capitals") << "URL" << int(FieldMeaning::Url);
        QTest::newRow("zip code is not secret") << "ZIP Code" << int(FieldMeaning::Other);
        QTest::newRow("a word inside another does not count") << "Spinner" << int(FieldMeaning::Other);
        QTest::newRow("blank") << "  " << int(FieldMeaning::Other);
        QTest::newRow("one-time code is not the secret") << "One-Time Code" << int(FieldMeaning::OneTimeCode);
        QTest::newRow("one-time password") << "One-time password" << int(FieldMeaning::OneTimeCode);
        QTest::newRow("2FA") << "2FA Code" << int(FieldMeaning::OneTimeCode);
        QTest::newRow("TOTP") << "TOTP" << int(FieldMeaning::OneTimeCode);
    }
    void ownTitles() {
        QFETCH(QString, title);
        QFETCH(int, meaning);
        QCOMPARE(int(meaningOfTitle(title)), meaning);
    }
};

QUORLANE_TEST(FieldMeaningTest);
#include "tst_fieldmeaning.moc"
