#include "cp1252.h"

namespace cp1252 {

int codeOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (unsigned code = 0x80; code < 0xA0; ++code)
        if (charOf(code) == c) return int(code);
    return -1;
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
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = QChar(charOf(static_cast<unsigned char>(bytes[i])));
    return out;
}

} // namespace cp1252
