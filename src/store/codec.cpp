#include "codec.h"

#include "cp1252.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>

namespace {

constexpr qsizetype MaxDigits = 32767; // the digit string is a 16-bit signed length
constexpr qsizetype MaxEncodedLength = 32766;

// One filler code, 1..11: a uniform draw r in [0,1) taken to r*10+1 and rounded to the
// nearest whole number, halves to the even neighbour. The generator is never seeded, so the
// fillers repeat after every start; nothing depends on their values.
char16_t nextFiller() {
    static std::mt19937 generator;
    static std::uniform_real_distribution<double> uniform(0.0, 1.0);
    return char16_t(std::nearbyint(uniform(generator) * 10.0 + 1.0));
}

// The literal decoding steps, for text that the encoder cannot have produced: strip the
// fillers, re-group into numbers of three digits, reverse, re-group, and turn each group into
// its character.
QString regroup(const QString& digits) {
    QString out;
    out.reserve(digits.size() + 3);
    for (qsizetype i = 0; i < digits.size(); i += 3) {
        int number = 0;
        for (qsizetype k = i; k < std::min(i + 3, digits.size()) && digits[k].isDigit(); ++k)
            number = number * 10 + (digits[k].unicode() - u'0');
        out += QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
    }
    return out;
}

std::optional<QString> decodeLiterally(QStringView text) {
    QString kept;
    for (QChar c : text)
        if (c.unicode() > 12) kept += c;
    QString grouped = regroup(kept);
    std::reverse(grouped.begin(), grouped.end());
    const QString digits = regroup(grouped);
    QString out;
    out.reserve(digits.size() / 3);
    for (qsizetype i = 0; i < digits.size(); i += 3) {
        const int number = digits.mid(i, 3).toInt();
        if (number > 255) return std::nullopt;
        out += QChar(cp1252::charOf(unsigned(number)));
    }
    return out;
}

template <class Unit> inline unsigned unitOf(Unit u) {
    if constexpr (std::is_same_v<Unit, QChar>)
        return u.unicode();
    else
        return static_cast<unsigned char>(u);
}

// Decoding of well-formed text in one pass from the end: the kept digits, read backwards, are
// three at a time the hundreds, tens and units of each character's code in order. Anything the
// encoder cannot have produced (a character above 12 that is not a digit, or a digit count that
// is not a multiple of three) goes to the literal steps.
template <class View> std::optional<QString> decodeView(View text) {
    if (text.size() > MaxEncodedLength) return std::nullopt;
    QString out(text.size() / 3 + 1, Qt::Uninitialized);
    QChar* const begin = out.data();
    QChar* d = begin;
    unsigned number = 0;
    int place = 0;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const unsigned u = unitOf(text[i]);
        if (u <= 12) continue;
        const unsigned digit = u - '0';
        if (digit > 9) {
            place = -1;
            break;
        }
        number = number * 10 + digit;
        if (++place == 3) {
            if (number > 255) return std::nullopt;
            *d++ = QChar(cp1252::charOf(number));
            number = 0;
            place = 0;
        }
    }
    if (place != 0) {
        if constexpr (std::is_same_v<View, QStringView>)
            return decodeLiterally(text);
        else
            return decodeLiterally(QString::fromLatin1(text.data(), text.size()));
    }
    out.truncate(d - begin);
    return out;
}

} // namespace

QString EncodeValue(QStringView text) {
    const qsizetype n = text.size();
    if (3 * n > MaxDigits) return CodecError;
    QString out(6 * n, Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = n - 1; i >= 0; --i) {
        int code = cp1252::codeOf(text[i].unicode());
        if (code < 0) code = '?';
        const char16_t digits[3] = {char16_t(u'0' + code % 10), char16_t(u'0' + code / 10 % 10),
                                    char16_t(u'0' + code / 100)};
        for (char16_t digit : digits) {
            *d++ = QChar(nextFiller());
            *d++ = QChar(digit);
        }
    }
    return out;
}

QString DecodeValue(QStringView text) {
    return decodeView(text).value_or(CodecError);
}
QString DecodeValue(QByteArrayView text) {
    return decodeView(text).value_or(CodecError);
}
std::optional<QString> DecodeStoredValue(QByteArrayView text) {
    return decodeView(text);
}

QString toStoredForm(QString text) {
    return text.replace(QLatin1Char('\''), ApostropheSubstitute);
}
QString toShownForm(QString text) {
    return text.replace(ApostropheSubstitute, QLatin1Char('\''));
}
