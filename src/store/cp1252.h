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
inline char16_t charOf(unsigned code) {
    // Unicode of the codes 128..159.
    static constexpr char16_t High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                          0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return code - 0x80 < 32 ? High[code - 0x80] : char16_t(code & 0xFF);
}

// Text to Windows-1252 bytes; characters without a code become '?'.
QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);

// The first character of text that the vault cannot give back as typed: one outside
// Windows-1252, or, when refuseEuro is set, the euro sign, whose code 128 stands for the
// apostrophe in stored entry values and titles. Empty when every character is storable.
// A character outside the 16-bit range comes back whole (both halves of the pair).
QString firstUnstorable(QStringView text, bool refuseEuro);

// Upper-cases text one character at a time without leaving Windows-1252: a character of the
// code page whose capital the code page lacks (µ, ƒ) or whose capital is two letters (ß) stays
// as it is, so an upper-cased stored value can always be stored again. The only upper-casing
// the program does.
QString upper(QStringView text);

} // namespace cp1252
