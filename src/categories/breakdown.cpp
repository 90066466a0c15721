#include "breakdown.h"

#include "store/codec.h"
#include "store/statements.h"
#include "store/vault.h"

#include <QHash>
#include <QSqlQuery>
#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// Orders indexes 1..n by count, largest first, moving name and count together; equal counts
// keep their order (as a walk of adjacent swaps on strictly greater counts would leave them).
void sortBreakdown(QStringList& names, QStringList& counts) {
    std::vector<int> order(std::max<qsizetype>(names.size() - 1, 0));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&counts](int a, int b) { return counts[a].toLongLong() > counts[b].toLongLong(); });
    QStringList sortedNames{names.value(0)};
    QStringList sortedCounts{counts.value(0)};
    for (int i : order) {
        sortedNames << names[i];
        sortedCounts << counts[i];
    }
    names = sortedNames;
    counts = sortedCounts;
}

} // namespace

bool CountCategoryBreakdown() {
    bool counted = false;
    runVaultOperation(201, [&counted] {
        counted = false;
        BreakdownNames = QStringList{QString()};
        BreakdownCounts = QStringList{QStringLiteral("0")};
        openVault();
        QSqlQuery& cats = openRecords(sql::SelectCategoryNames);
        while (cats.next())
            BreakdownNames << columnText(cats, "CatName").trimmed();

        // Every index whose name equals a decoded category counts the entry (duplicates too).
        QHash<QString, QList<int>> indexesOf;
        for (int i = 0; i < BreakdownNames.size(); ++i)
            indexesOf[BreakdownNames[i]] << i;
        std::vector<long long> counts(BreakdownNames.size(), 0);

        // Only the category column, read as bytes and decoded straight from them.
        QSqlQuery& rows = openRecords(sql::SelectEntryCategoryBytes);
        while (rows.next()) {
            const QByteArray stored = rows.value(0).toByteArray();
            const auto hit = indexesOf.constFind(DecodeValue(QByteArrayView(stored)).toUpper().trimmed());
            if (hit == indexesOf.cend()) continue;
            for (int i : *hit)
                ++counts[i];
        }
        closeRecords();
        closeVault();
        BreakdownCounts.clear();
        for (long long n : counts)
            BreakdownCounts << QString::number(n);
        sortBreakdown(BreakdownNames, BreakdownCounts);
        counted = true;
    });
    return counted;
}
