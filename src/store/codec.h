#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The field codec: a keyless, reversible scrambling of stored values. Each character's
// Windows-1252 code becomes three decimal digits, the digit string is reversed, and every
// digit gets a random filler character (code 1..11) in front of it. Neither function ever
// throws; a failure gives the five letters "ERROR".

inline const QString CodecError = QStringLiteral("ERROR");

// Plain text to encoded text: 6 characters per plain character; "ERROR" beyond 10,922 characters.
QString EncodeValue(QStringView text);

// Encoded text to plain text; "ERROR" for input longer than 32,766 characters or a digit group
// above 255.
QString DecodeValue(QStringView text);

// The same on the raw bytes of a stored value (encoded text is plain ASCII), so that readers
// can decode straight from the database's buffer without building a QString first.
QString DecodeValue(QByteArrayView text);

// A stored value's text, or nothing when it cannot be decoded (too long, or a code above 255),
// which "ERROR" cannot tell apart from a value that is the word itself.
std::optional<QString> DecodeStoredValue(QByteArrayView text);

// The character that stands for an apostrophe in stored entry values and category titles:
// the one with the Windows-1252 code 128.
inline constexpr QChar ApostropheSubstitute = QChar(0x20AC);

// Stored form: each apostrophe replaced by the substitute; shown form: the reverse.
QString toStoredForm(QString text);
QString toShownForm(QString text);
