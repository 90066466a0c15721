#pragma once

#include <QString>
#include <QVariant>

// An entry's key as the main window holds it (its hidden key label), ready to bind: a number
// when the text is one, else the text itself.
QVariant entryKey(const QString& shownKey);

// A stored value read as bytes (the statements cast the encoded columns to BLOB, so the codec
// decodes straight from the database's buffer), decoded and upper-cased. Null reads as empty.
QString decodeUpper(const QVariant& storedBytes);

// Whether a stored description (read as bytes), decoded, upper-cased and trimmed, equals wanted
// (upper-cased, trimmed, not empty). The codec writes six bytes per character with the first
// character last, so a description whose first character is not a blank is mostly told apart by
// decoding that character alone.
bool sameDescription(const QVariant& storedBytes, const QString& wanted);
