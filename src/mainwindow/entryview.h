#pragma once

#include <QString>

// Whether a value reads as a web address: it begins with "www.", "http://" or "https://" in any
// letter case.
bool isWebAddress(const QString& value);

// The picture of a category's icon number: 0 "CREDIT CARD", 3 "WEB SITE", 2 "HOME", any other
// number the default.
QString categoryPictureFor(int imageNumber);
