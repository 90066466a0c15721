#pragma once

#include <QString>
#include <QVariant>

// An entry's key as the main window holds it (its hidden key label), ready to bind: a number
// when the text is one, else the text itself.
QVariant entryKey(const QString& shownKey);

// A stored value read as bytes (the statements cast the encoded columns to BLOB, so the codec
// decodes straight from the database's buffer), decoded and upper-cased. Null reads as empty.
QString decodeUpper(const QVariant& storedBytes);
