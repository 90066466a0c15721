#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The field codec: a keyless, reversible scrambling of stored values. Neither function ever
// throws; a failure gives the five letters "ERROR".
//
// The encoded text is a list of numbers 0..999, each written as three decimal digits; the whole
// digit string is reversed, and every digit gets a random filler character (code 1..11) in front
// of it. Decoding drops the fillers, reverses the digits and reads them three at a time.
//
// Two forms share this layout:
//
// - The one-byte form: one number per character, its Windows-1252 code (0..255). Every value
//   whose characters all have such a code, and that is at most 5,461 characters long, is written
//   this way, exactly as earlier versions of the program wrote it, so they read it unchanged.
//
// - The UTF-8 form, for every other value: the first number is the mark 256, the rest are the
//   bytes of the value's UTF-8 text. Earlier versions turn each number into one character and
//   answer "ERROR" for any number above 255, so they read such a value as "ERROR", never as some
//   other text. The mark sits first in the value, which is the end of the encoded text.
//
// A number above 255 anywhere but in the mark's place, a mark followed by bytes that are not
// UTF-8, and UTF-8 of a text that would fit the one-byte form are all not values the encoder
// writes; the decoder answers "ERROR" for the first two and reads the third as its text.

inline const QString CodecError = QStringLiteral("ERROR");

// The mark that opens a value in the UTF-8 form.
inline constexpr int Utf8FormMark = 256;

// The longest value the one-byte form holds: earlier versions read back at most 32,766 encoded
// characters, that is 5,461 characters of text.
inline constexpr qsizetype LongestOneByteValue = 5461;

// Plain text to encoded text: 6 characters per character in the one-byte form, 6 per UTF-8
// byte plus 6 for the mark in the other. "ERROR" for a text holding half of a surrogate pair
// (it has no UTF-8) and for one whose encoding would pass SQLite's longest text.
QString EncodeValue(QStringView text);

// Encoded text to plain text; "ERROR" for a number above 255 outside the mark's place and for
// bytes after the mark that are not UTF-8.
QString DecodeValue(QStringView text);

// The same on the raw bytes of a stored value (encoded text is plain ASCII), so that readers
// can decode straight from the database's buffer without building a QString first.
QString DecodeValue(QByteArrayView text);

// A stored value's text, or nothing when it cannot be decoded, which "ERROR" cannot tell apart
// from a value that is the word itself.
std::optional<QString> DecodeStoredValue(QByteArrayView text);

// The character that stands for an apostrophe in stored entry values and category titles of the
// one-byte form: the one with the Windows-1252 code 128, the euro sign.
inline constexpr QChar ApostropheSubstitute = QChar(0x20AC);

// Entry values (description, fields, notes). In the one-byte form each apostrophe is stored as
// the substitute, as earlier versions do; a value holding a real euro sign therefore takes the
// UTF-8 form, which keeps apostrophes and euro signs as they are. Decoding gives the value as
// typed, apostrophes back.
QString EncodeEntryValue(QStringView text);
QString DecodeEntryValue(QByteArrayView stored);
std::optional<QString> DecodeStoredEntryValue(QByteArrayView stored);

// Category titles are stored as plain text, apostrophes as the substitute. A title holding a
// real euro sign is stored as the UTF-8 form of the codec instead (earlier versions show it as
// digits); reading tells the two apart, since typed text never consists of fillers and digits.
QString toStoredTitle(const QString& title);
QString toShownTitle(const QString& stored);
