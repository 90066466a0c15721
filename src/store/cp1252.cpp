#include "cp1252.h"

#include <array>

namespace cp1252 {
namespace {

// Unicode of the codes 128..159.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

int codeOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (unsigned i = 0; i < High.size(); ++i)
        if (High[i] == c) return int(0x80 + i);
    return -1;
}

char16_t charOf(unsigned code) {
    if (code >= 0x80 && code < 0xA0) return High[code - 0x80];
    return char16_t(code & 0xFF);
}

QByteArray encode(QStringView text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int code = codeOf(text[i].unicode());
        out[i] = char(code < 0 ? '?' : code);
    }
    return out;
}

QString decode(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) d[i] = QChar(charOf(static_cast<unsigned char>(bytes[i])));
    return out;
}

QString firstUnstorable(QStringView text, bool refuseEuro) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            return text.mid(i, 2).toString();
        if (codeOf(c.unicode()) < 0 || (refuseEuro && c.unicode() == 0x20AC)) return QString(c);
    }
    return {};
}

} // namespace cp1252
