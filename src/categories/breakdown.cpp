#include "breakdown.h"

#include "app/vaultreport.h"
#include "store/repository.h"

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
    const Result<QList<CategoryCount>> counted = store::countEntriesPerCategory();
    if (!counted) {
        showVaultReport(counted.code());
        return false;
    }
    BreakdownNames = QStringList{QString()};
    BreakdownCounts = QStringList{QStringLiteral("0")};
    for (const CategoryCount& category : *counted) {
        BreakdownNames << category.name;
        BreakdownCounts << QString::number(category.count);
    }
    sortBreakdown(BreakdownNames, BreakdownCounts);
    return true;
}
