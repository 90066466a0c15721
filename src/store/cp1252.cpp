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

QString firstUnstorable(QStringView text, bool refuseEuro) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            return text.mid(i, 2).toString();
        if (codeOf(c.unicode()) < 0 || (refuseEuro && c.unicode() == 0x20AC)) return QString(c);
    }
    return {};
}

QString upper(QStringView text) {
    QString out(text.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            d[i] = QChar(c >= u'a' && c <= u'z' ? char16_t(c - 0x20) : c);
            continue;
        }
        // QChar::toUpper is the one-to-one mapping: ß keeps its form instead of becoming "SS".
        const char16_t capital = QChar::toUpper(c);
        d[i] = QChar(codeOf(c) >= 0 && codeOf(capital) < 0 ? c : capital);
    }
    return out;
}

} // namespace cp1252
