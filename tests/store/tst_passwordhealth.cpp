#include "store/passwordhealth.h"
#include "testmain.h"
#include "testvault.h"

#include <QTest>

// What the health report reads: each entry's password field as its category's titles name it.
class PasswordRecordsTest final : public VaultTestCase {
    Q_OBJECT

private slots:
    void readsThePasswordFieldOfEachCategory() {
        // WEB SITE: "Password" is field 3; CREDIT CARD: the PIN (field 4) before the security
        // code; HOME: "Code" (field 1); SOFTWARE LICENSE has no password field.
        vault().addEntry(
            QStringLiteral("Shop"), QStringLiteral("WEB SITE"),
            {QStringLiteral("www.shop.example"), QStringLiteral("joe"), QStringLiteral("  it's pw1  ")}, {},
            QStringLiteral("12/31/2019 11:59:59 pm"));
        vault().addEntry(
            QStringLiteral("Visa"), QStringLiteral("credit card"),
            {QStringLiteral("4111"), QStringLiteral("12/30"), QStringLiteral("123"), QStringLiteral("9876")});
        vault().addEntry(QStringLiteral("Alarm"), QStringLiteral("HOME"), {QStringLiteral("4711")}, {},
                         QStringLiteral("not a date"));
        vault().addEntry(QStringLiteral("Editor"), QStringLiteral("SOFTWARE LICENSE"),
                         {QStringLiteral("KEY-1")});
        vault().addEntry(QStringLiteral("Blank"), QStringLiteral("WEB SITE"),
                         {QStringLiteral("www.blank.example"), QStringLiteral("joe"), QStringLiteral("   ")});
        vault().addEntry(QStringLiteral("Stray"), QStringLiteral("NO SUCH CATEGORY"), {QStringLiteral("x")});

        const Result<QList<PasswordRecord>> read = store::passwordRecords();
        QVERIFY(read);
        QStringList seen;
        for (const PasswordRecord& r : *read) {
            QVERIFY(r.key);
            seen << QStringList{r.description, r.category, r.password, r.lastUpdate.toString(Qt::ISODate)}
                        .join(QLatin1Char('|'));
        }
        QCOMPARE(seen, (QStringList{"SHOP|WEB SITE|it's pw1|2019-12-31", "VISA|CREDIT CARD|9876|2013-03-15",
                                    "ALARM|HOME|4711|"}));
    }
};

QUORLANE_TEST(PasswordRecordsTest);
#include "tst_passwordhealth.moc"
