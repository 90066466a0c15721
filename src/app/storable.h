#pragma once

#include <QString>

class QWidget;

// The one check for text no value may hold: a zero character or half of a surrogate pair
// (text::firstUnkeepable). Every other character of any script is kept as typed. When it finds
// one it says so, naming the field and the character, puts the focus in the box (which keeps its
// text) and answers false.
bool checkStorable(const QString& fieldName, const QString& text, QWidget* box = nullptr);

inline const QString UnsupportedCharacterTitle = QStringLiteral("Unsupported Character");
