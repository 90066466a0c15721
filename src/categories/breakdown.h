#pragma once

#include "store/records.h"

#include <QList>
#include <optional>

// The counting step of the breakdown: every category and its number of entries, fullest first
// (equal counts keep the categories' order). Reports E201 after the last failed attempt and then
// answers nothing.
std::optional<QList<CategoryCount>> CountCategoryBreakdown();
