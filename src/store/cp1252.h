#pragma once

#include <QString>
#include <QStringView>

// Windows-1252, the code page of the codec's one-byte form and of the print templates.
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

} // namespace cp1252
