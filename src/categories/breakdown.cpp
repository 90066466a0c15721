#include "breakdown.h"

#include "app/vaultreport.h"
#include "store/repository.h"

#include <algorithm>

std::optional<QList<CategoryCount>> CountCategoryBreakdown() {
    Result<QList<CategoryCount>> counted = store::countEntriesPerCategory();
    if (!counted) {
        showVaultReport(counted.code());
        return std::nullopt;
    }
    QList<CategoryCount> breakdown = std::move(*counted);
    std::stable_sort(breakdown.begin(), breakdown.end(),
                     [](const CategoryCount& a, const CategoryCount& b) { return a.count > b.count; });
    return breakdown;
}
