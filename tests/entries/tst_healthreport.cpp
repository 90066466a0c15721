#include "entries/healthreport.h"
#include "testmain.h"

#include <QTest>

namespace {

const QDate Today(2026, 12, 9);

PasswordRecord record(const char* description, const char* password, QDate updated) {
    return {EntryKey(qHash(QByteArray(description))), QString::fromUtf8(description),
            QStringLiteral("WEB SITE"), QString::fromUtf8(password), updated};
}

// A fixed set of passwords: each problem alone, all three together, and none.
QList<PasswordRecord> fixedSet() {
    return {record("WEAK", "password", {2026, 1, 1}),
            record("SHARED A", "correcthorsebatterystaple", {2026, 6, 1}),
            record("SHARED B", "correcthorsebatterystaple", {2026, 6, 1}),
            record("OLD", "rWibMFACxAUGZmxhVncy", {2025, 12, 8}),
            record("A YEAR TO THE DAY", "Tr0ub4dour&3", {2025, 12, 9}),
            record("UNDATED", "qwER43@!", {}),
            record("ALL THREE 1", "letmein", {2020, 5, 1}),
            record("ALL THREE 2", "letmein", {2021, 5, 1}),
            record("ALL THREE 3", "letmein", {2026, 5, 1})};
}

} // namespace

class HealthReportTest final : public QObject {
    Q_OBJECT

private slots:
    void classifies_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("sharedWith");
        QTest::addColumn<QString>("problems");
        QTest::newRow("weak") << "WEAK" << 0 << 0 << "weak";
        QTest::newRow("reused, counted for each") << "SHARED B" << 4 << 1 << "reused";
        QTest::newRow("older than a year") << "OLD" << 4 << 0 << "old";
        QTest::newRow("score 3, a year to the day") << "A YEAR TO THE DAY" << 3 << 0 << "none";
        QTest::newRow("score 2 is weak, no date is not old") << "UNDATED" << 2 << 0 << "weak";
        QTest::newRow("weak, reused and old") << "ALL THREE 1" << 0 << 2 << "weak reused old";
        QTest::newRow("weak and reused, recent") << "ALL THREE 3" << 0 << 2 << "weak reused";
    }
    void classifies() {
        QFETCH(QString, description);
        QFETCH(int, score);
        QFETCH(int, sharedWith);
        QFETCH(QString, problems);
        const std::optional<QList<HealthRow>> rows = classifyPasswords(fixedSet(), Today);
        QVERIFY(rows);
        const auto row = std::find_if(rows->cbegin(), rows->cend(),
                                      [&](const HealthRow& r) { return r.description == description; });
        QVERIFY(row != rows->cend());
        QCOMPARE(row->score, score);
        QCOMPARE(row->sharedWith, sharedWith);
        QStringList found;
        if (row->weak) found << "weak";
        if (row->reused) found << "reused";
        if (row->old) found << "old";
        QCOMPARE(found.isEmpty() ? QStringLiteral("none") : found.join(' '), problems);
    }

    // Worst first: more problems, then weaker, more shared, older; and the summary's counts.
    void worstFirstWithSummary() {
        const std::optional<QList<HealthRow>> rows = classifyPasswords(fixedSet(), Today);
        QVERIFY(rows);
        QStringList order;
        for (const HealthRow& row : *rows)
            order << row.description;
        QCOMPARE(order, (QStringList{"ALL THREE 1", "ALL THREE 2", "ALL THREE 3", "WEAK", "UNDATED",
                                     "SHARED A", "SHARED B", "OLD", "A YEAR TO THE DAY"}));
        QCOMPARE(healthSummary(*rows), QStringLiteral("9 passwords: 5 weak, 5 reused, 3 old."));
        QCOMPARE(healthSummary(rows->mid(8)), QStringLiteral("1 password: 0 weak, 0 reused, 0 old."));
    }

    // Stopped part way, the work gives nothing back.
    void stops() {
        qsizetype asked = 0;
        const auto rows = classifyPasswords(fixedSet(), Today, [&asked](qsizetype done) {
            asked = done;
            return done < 3;
        });
        QVERIFY(!rows);
        QCOMPARE(asked, 3);
    }
};

QUORLANE_TEST(HealthReportTest);
#include "tst_healthreport.moc"
