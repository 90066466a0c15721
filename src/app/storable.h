#pragma once

#include <QString>

class QWidget;

// The one check for text the vault cannot give back as typed: a character outside Windows-1252,
// and, for entry values and category titles (refuseEuro), the euro sign, whose code stands for
// the apostrophe in stored values; and the zero byte everywhere. When it finds one it says so, naming the
// field and the character, puts the focus in the box (which keeps its text) and answers false.
bool checkStorable(const QString& fieldName, const QString& text, bool refuseEuro, QWidget* box = nullptr);

inline const QString UnsupportedCharacterTitle = QStringLiteral("Unsupported Character");
