#pragma once

#include <QString>
#include <QStringView>

// The vault keeps every character as one Windows-1252 code (0..255).
namespace cp1252 {

// The Windows-1252 code of a UTF-16 unit, or -1 when the code page has no such character.
int codeOf(char16_t c);

// The character that a Windows-1252 code stands for. The five codes the code page leaves
// undefined (129, 141, 143, 144, 157) map to the control characters of the same number,
// so that every code comes back as it went in.
char16_t charOf(unsigned code);

// Text to Windows-1252 bytes; characters without a code become '?'.
QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);

// The first character of text that the vault cannot give back as typed: one outside
// Windows-1252, or, when refuseEuro is set, the euro sign, whose code 128 stands for the
// apostrophe in stored entry values and titles. Empty when every character is storable.
// A character outside the 16-bit range comes back whole (both halves of the pair).
QString firstUnstorable(QStringView text, bool refuseEuro);

} // namespace cp1252
