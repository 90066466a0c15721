#include "codec.h"

#include "cp1252.h"

#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <optional>
#include <random>

namespace {

// SQLite's longest text: a value whose encoding would be longer cannot be stored.
constexpr qsizetype LongestEncoding = 1'000'000'000;

// One filler code, 1..11: a uniform draw r in [0,1) taken to r*10+1 and rounded to the
// nearest whole number, halves to the even neighbour. The generator is never seeded, so the
// fillers repeat after every start; nothing depends on their values.
char16_t nextFiller() {
    static std::mt19937 generator;
    static std::uniform_real_distribution<double> uniform(0.0, 1.0);
    return char16_t(std::nearbyint(uniform(generator) * 10.0 + 1.0));
}

// Encodes count numbers (each 0..999) given by numberAt(0 .. count-1), in the order of the
// value: the last number is written first, units digit first, each digit behind a filler.
template <class NumberAt> QString encodeNumbers(qsizetype count, NumberAt numberAt) {
    QString out(6 * count, Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = count - 1; i >= 0; --i) {
        const unsigned code = numberAt(i);
        const char16_t digits[3] = {char16_t(u'0' + code % 10), char16_t(u'0' + code / 10 % 10),
                                    char16_t(u'0' + code / 100)};
        for (char16_t digit : digits) {
            *d++ = QChar(nextFiller());
            *d++ = QChar(digit);
        }
    }
    return out;
}

// Whether the one-byte form holds text: every character has a Windows-1252 code, and earlier
// versions read a value of its length back.
bool fitsOneByteForm(QStringView text) {
    if (text.size() > LongestOneByteValue) return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return cp1252::codeOf(c.unicode()) >= 0; });
}

QString encodeOneByteForm(QStringView text) {
    return encodeNumbers(text.size(),
                         [text](qsizetype i) { return unsigned(cp1252::codeOf(text[i].unicode())); });
}

QString encodeUtf8Form(QStringView text) {
    if (!text.isValidUtf16()) return CodecError;
    const QByteArray bytes = text.toUtf8();
    if (6 * (bytes.size() + 1) > LongestEncoding) return CodecError;
    return encodeNumbers(bytes.size() + 1, [&bytes](qsizetype i) {
        return i == 0 ? unsigned(Utf8FormMark) : unsigned(static_cast<unsigned char>(bytes[i - 1]));
    });
}

// The literal decoding steps, for text that the encoder cannot have produced: strip the
// fillers, re-group into numbers of three digits, reverse, re-group, and read the numbers.
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

std::vector<unsigned> numbersLiterally(QStringView text) {
    QString kept;
    for (QChar c : text)
        if (c.unicode() > 12) kept += c;
    QString grouped = regroup(kept);
    std::reverse(grouped.begin(), grouped.end());
    const QString digits = regroup(grouped);
    std::vector<unsigned> numbers;
    numbers.reserve(std::size_t(digits.size() / 3));
    for (qsizetype i = 0; i < digits.size(); i += 3)
        numbers.push_back(digits.mid(i, 3).toUInt());
    return numbers;
}

template <class Unit> inline unsigned unitOf(Unit u) {
    if constexpr (std::is_same_v<Unit, QChar>)
        return u.unicode();
    else
        return static_cast<unsigned char>(u);
}

// A decoded value and the form it was stored in.
struct Decoded {
    QString text;
    bool utf8Form = false;
};

std::optional<Decoded> utf8FormText(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) return std::nullopt;
    return Decoded{std::move(text), true};
}

std::optional<Decoded> textOf(const std::vector<unsigned>& numbers) {
    if (!numbers.empty() && numbers.front() == unsigned(Utf8FormMark)) {
        QByteArray bytes(qsizetype(numbers.size()) - 1, Qt::Uninitialized);
        for (std::size_t i = 1; i < numbers.size(); ++i) {
            if (numbers[i] > 255) return std::nullopt;
            bytes[qsizetype(i - 1)] = char(numbers[i]);
        }
        return utf8FormText(bytes);
    }
    QString out(qsizetype(numbers.size()), Qt::Uninitialized);
    QChar* d = out.data();
    for (unsigned number : numbers) {
        if (number > 255) return std::nullopt;
        *d++ = QChar(cp1252::charOf(number));
    }
    return Decoded{std::move(out)};
}

// Decoding of well-formed text in one pass from the end: the kept digits, read backwards, are
// three at a time the hundreds, tens and units of each number in order. One-byte values become
// characters at once; after the mark the numbers are collected as UTF-8 bytes. Anything the
// encoder cannot have produced (a character above 12 that is not a digit, or a digit count that
// is not a multiple of three) goes to the literal steps.
template <class View> std::optional<Decoded> decode(View text) {
    QString out;
    QByteArray bytes;
    char16_t* d = nullptr;
    char* b = nullptr;
    bool utf8Form = false, first = true;
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
        if (++place < 3) continue;
        if (first) {
            first = false;
            utf8Form = number == unsigned(Utf8FormMark);
            if (utf8Form) {
                bytes.resize(text.size() / 3);
                b = bytes.data();
                number = 0;
                place = 0;
                continue;
            }
            out.resize(text.size() / 3 + 1);
            d = reinterpret_cast<char16_t*>(out.data());
        }
        if (number > 255) return std::nullopt;
        if (utf8Form)
            *b++ = char(number);
        else
            *d++ = cp1252::charOf(number);
        number = 0;
        place = 0;
    }
    if (place != 0) {
        if constexpr (std::is_same_v<View, QStringView>)
            return textOf(numbersLiterally(text));
        else
            return textOf(numbersLiterally(QString::fromLatin1(text.data(), text.size())));
    }
    if (utf8Form) return utf8FormText(QByteArrayView(bytes.constData(), b - bytes.constData()));
    if (d) out.truncate(d - reinterpret_cast<char16_t*>(out.data()));
    return Decoded{std::move(out)};
}

template <class View> std::optional<QString> decodedText(View text) {
    std::optional<Decoded> decoded = decode(text);
    if (!decoded) return std::nullopt;
    return std::move(decoded->text);
}

// An entry value or title goes to the UTF-8 form when it holds a real euro sign, which the
// one-byte form keeps for apostrophes.
bool needsUtf8Form(QStringView value) {
    return value.contains(ApostropheSubstitute);
}

QString substituted(QStringView text) {
    return text.toString().replace(QLatin1Char('\''), ApostropheSubstitute);
}

QString unsubstituted(QString text) {
    return text.replace(ApostropheSubstitute, QLatin1Char('\''));
}

// Whether stored text has the shape of the codec's output: fillers and digits taking turns.
bool looksEncoded(QStringView text) {
    if (text.isEmpty() || text.size() % 6 != 0) return false;
    for (qsizetype i = 0; i < text.size(); i += 2) {
        const char16_t filler = text[i].unicode(), digit = text[i + 1].unicode();
        if (filler < 1 || filler > 11 || digit < u'0' || digit > u'9') return false;
    }
    return true;
}

} // namespace

QString EncodeValue(QStringView text) {
    return fitsOneByteForm(text) ? encodeOneByteForm(text) : encodeUtf8Form(text);
}

QString DecodeValue(QStringView text) {
    return decodedText(text).value_or(CodecError);
}
QString DecodeValue(QByteArrayView text) {
    return decodedText(text).value_or(CodecError);
}
std::optional<QString> DecodeStoredValue(QByteArrayView text) {
    return decodedText(text);
}

QString EncodeEntryValue(QStringView text) {
    if (!needsUtf8Form(text))
        if (const QString stored = substituted(text); fitsOneByteForm(stored))
            return encodeOneByteForm(stored);
    return encodeUtf8Form(text);
}

std::optional<QString> DecodeStoredEntryValue(QByteArrayView stored) {
    std::optional<Decoded> decoded = decode(stored);
    if (!decoded) return std::nullopt;
    return decoded->utf8Form ? std::move(decoded->text) : unsubstituted(std::move(decoded->text));
}

QString DecodeEntryValue(QByteArrayView stored) {
    return DecodeStoredEntryValue(stored).value_or(CodecError);
}

QString toStoredTitle(const QString& title) {
    if (needsUtf8Form(title)) return encodeUtf8Form(title);
    return substituted(title);
}

QString toShownTitle(const QString& stored) {
    if (looksEncoded(stored))
        if (std::optional<Decoded> title = decode(QStringView(stored)); title && title->utf8Form)
            return title->text;
    return unsubstituted(stored);
}
