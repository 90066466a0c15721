#pragma once

#include "entries/maincommands.h" // categoryPictureFor

#include <QString>

// Whether a value reads as a web address: it begins with "www.", "http://" or "https://" in any
// letter case.
bool isWebAddress(const QString& value);
