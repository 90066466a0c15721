#pragma once

class QComboBox;

// Adds the categories in name order to a drop-down box, keeping its choice (every category
// with withAll, for the category filter); a failed read shows the vault error report.
void appendCategoryNames(QComboBox* box, bool withAll);
