#include "healthreport.h"

#include "app/passwordstrength.h"
#include "store/vaultkey.h"
#include "store/wording.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

std::optional<QList<HealthRow>> classifyPasswords(QList<PasswordRecord> records, QDate today,
                                                  const std::function<bool(qsizetype done)>& keepGoing) {
    QList<HealthRow> rows;
    rows.reserve(records.size());
    {
        // The same password is rated once and counted for each entry holding it.
        QHash<QString, int> holders;
        for (const PasswordRecord& record : std::as_const(records))
            ++holders[record.password];
        QHash<QString, PasswordStrength> rated;
        for (qsizetype i = 0; i < records.size(); ++i) {
            const PasswordRecord& record = records[i];
            auto strength = rated.constFind(record.password);
            if (strength == rated.cend())
                strength = rated.insert(record.password, estimateStrength(record.password));
            HealthRow& row = rows.emplace_back();
            row.key = record.key;
            row.description = record.description;
            row.category = record.category;
            row.score = strength->score;
            row.guesses = strength->guesses;
            row.sharedWith = holders.value(record.password) - 1;
            row.lastUpdate = record.lastUpdate;
            row.weak = row.score < StrongScore;
            row.reused = row.sharedWith > 0;
            row.old = row.lastUpdate.isValid() && row.lastUpdate < today.addYears(-1);
            if (keepGoing && !keepGoing(i + 1)) break;
        }
    }
    // The hashes above shared the passwords' characters; now each is held once and wiped.
    for (PasswordRecord& record : records)
        wipeText(record.password);
    if (rows.size() < records.size()) return std::nullopt;
    std::sort(rows.begin(), rows.end(), [](const HealthRow& a, const HealthRow& b) {
        if (a.problems() != b.problems()) return a.problems() > b.problems();
        if (a.score != b.score) return a.score < b.score;
        if (a.sharedWith != b.sharedWith) return a.sharedWith > b.sharedWith;
        if (a.lastUpdate != b.lastUpdate) return a.lastUpdate < b.lastUpdate;
        return a.description < b.description;
    });
    return rows;
}

QString healthSummary(const QList<HealthRow>& rows) {
    const auto count = [&rows](bool HealthRow::*flag) {
        return std::count_if(rows.cbegin(), rows.cend(), [flag](const HealthRow& row) { return row.*flag; });
    };
    const auto n = int(rows.size());
    const QString text =
        QCoreApplication::translate("frmHealth", "%n passwords: %1 weak, %2 reused, %3 old.", nullptr, n);
    return grouped(text, n).arg(TextLocale.toString(count(&HealthRow::weak)),
                                TextLocale.toString(count(&HealthRow::reused)),
                                TextLocale.toString(count(&HealthRow::old)));
}
