#pragma once

#include <QStringList>

// The category breakdown's lists, side by side: index 0 is a spare element with an empty name
// that is never shown, indexes 1..n the categories, fullest first. Counts are decimal text.
inline QStringList BreakdownNames;
inline QStringList BreakdownCounts;

// The counting step of the breakdown: reads the categories and every entry's category, fills
// BreakdownNames and BreakdownCounts and orders them by count. Reports E201 after the last
// failed attempt and then answers false.
bool CountCategoryBreakdown();
