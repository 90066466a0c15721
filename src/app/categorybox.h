#pragma once

#include <QString>

class QComboBox;

// Adds the categories in name order to a drop-down box, keeping its choice (every category
// with withAll, for the category filter); a failed read shows the vault error report.
void appendCategoryNames(QComboBox* box, bool withAll);

// The picture of a category's icon number: 0 "CREDIT CARD", 3 "WEB SITE", 2 "HOME", any other
// number the default.
QString categoryPicture(int imageNumber);

// The icon number of a category by its name: the three named above, any other the default's.
int categoryPictureNumber(const QString& category);
