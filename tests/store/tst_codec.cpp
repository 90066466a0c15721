#include "store/codec.h"
#include "store/cp1252.h"
#include "store/text.h"
#include "testmain.h"

#include <QTest>
#include <random>

namespace {

// The decoding steps of earlier versions, kept as they were, as the reference for what they
// make of a stored value: strip the fillers, re-group into numbers of three digits, reverse,
// re-group, and turn each number into the character of that Windows-1252 code; "ERROR" for
// input longer than 32,766 characters or a number above 255.
QString previousDecoder(const QString& text) {
    if (text.size() > 32766) return QStringLiteral("ERROR");
    const auto regroup = [](const QString& digits) {
        QString out;
        for (qsizetype i = 0; i < digits.size(); i += 3) {
            int number = 0;
            for (qsizetype k = i; k < std::min(i + 3, digits.size()) && digits[k].isDigit(); ++k)
                number = number * 10 + digits[k].digitValue();
            out += QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
        }
        return out;
    };
    QString kept;
    for (QChar c : text)
        if (c.unicode() > 12) kept += c;
    QString grouped = regroup(kept);
    std::reverse(grouped.begin(), grouped.end());
    const QString digits = regroup(grouped);
    QString out;
    for (qsizetype i = 0; i < digits.size(); i += 3) {
        const int number = digits.mid(i, 3).toInt();
        if (number > 255) return QStringLiteral("ERROR");
        out += QChar(cp1252::charOf(unsigned(number)));
    }
    return out;
}

// The digits earlier versions wrote for a text of Windows-1252 characters (fillers left out):
// each code as three digits, the whole string reversed.
QString previousDigits(const QString& text) {
    QString digits;
    for (QChar c : text)
        digits += QStringLiteral("%1").arg(cp1252::codeOf(c.unicode()), 3, 10, QLatin1Char('0'));
    std::reverse(digits.begin(), digits.end());
    return digits;
}

QString digitsOf(const QString& encoded) {
    QString digits;
    for (qsizetype i = 1; i < encoded.size(); i += 2)
        digits += encoded[i];
    return digits;
}

// Texts in many scripts, each at the length given, built by repeating a sample.
QString repeated(const QString& sample, int characters) {
    QString out;
    while (text::characterCount(out) < characters)
        out += sample;
    while (text::characterCount(out) > characters)
        out.chop(out.back().isLowSurrogate() ? 2 : 1);
    return out;
}

} // namespace

class CodecTest final : public QObject {
    Q_OBJECT
private slots:
    // "abc": codes 97 98 99, digits 097098099 reversed to 990890790, each digit behind a filler.
    void workedExample() {
        const QString encoded = EncodeValue(u"abc");
        QCOMPARE(encoded.size(), 18);
        QString digits;
        for (qsizetype i = 0; i < encoded.size(); i += 2) {
            QVERIFY2(encoded[i].unicode() >= 1 && encoded[i].unicode() <= 11, "filler outside 1..11");
            digits += encoded[i + 1];
        }
        QCOMPARE(digits, QStringLiteral("990890790"));
        QCOMPARE(DecodeValue(encoded), QStringLiteral("abc"));
    }

    void emptyText() {
        QCOMPARE(EncodeValue(u""), QString());
        QCOMPARE(DecodeValue(QStringView(u"")), QString());
    }

    // Every one-byte code comes back as it went in, including the controls 0..12 that look
    // like fillers and the apostrophe substitute 128.
    void everyCodeRoundTrips() {
        QString all;
        for (unsigned code = 0; code < 256; ++code)
            all += QChar(cp1252::charOf(code));
        QCOMPARE(DecodeValue(EncodeValue(all)), all);
        for (unsigned code = 0; code < 256; ++code) {
            const QString one(QChar(cp1252::charOf(code)));
            QCOMPARE(cp1252::codeOf(one[0].unicode()), int(code));
            QCOMPARE(DecodeValue(EncodeValue(one)), one);
        }
    }

    // Round trip as a property: texts of Windows-1252 characters drawn at random (fixed seed), of
    // every length up to 300 and then spread up to the longest the decoder takes (5,461), and
    // each of the 256 characters repeated to that longest length, come back as they went in,
    // decoded from text and from stored bytes alike.
    void roundTripProperty() {
        constexpr int Longest = 5461;
        std::mt19937 random(19);
        std::uniform_int_distribution<unsigned> anyCode(0, 255);
        QList<QString> texts;
        for (int length = 0; length <= Longest; length += length < 300 ? 1 : 173) {
            QString text(length, Qt::Uninitialized);
            for (QChar& c : text)
                c = QChar(cp1252::charOf(anyCode(random)));
            texts << text;
        }
        for (unsigned code = 0; code < 256; ++code)
            texts << QString(Longest, QChar(cp1252::charOf(code)));
        for (const QString& text : texts) {
            const QString encoded = EncodeValue(text);
            const QByteArray stored = encoded.toLatin1();
            const bool back = encoded.size() == 6 * text.size() && DecodeValue(encoded) == text &&
                              DecodeValue(QByteArrayView(stored)) == text;
            QVERIFY2(back, qPrintable(QStringLiteral("a text of %1 characters starting with code %2")
                                          .arg(text.size())
                                          .arg(text.isEmpty() ? -1 : cp1252::codeOf(text[0].unicode()))));
        }
        QVERIFY(texts.last().size() == Longest);
    }

    // Up to 5,461 characters a Windows-1252 text takes the one-byte form that earlier versions
    // read back; a longer one takes the UTF-8 form, which they answer with "ERROR". This program
    // reads both back at any length.
    void lengthLimits_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("oneByteForm");
        QTest::newRow("5,461 characters") << 5461 << true;
        QTest::newRow("5,462 characters") << 5462 << false;
        QTest::newRow("10,923 characters") << 10923 << false;
    }
    void lengthLimits() {
        QFETCH(int, length);
        QFETCH(bool, oneByteForm);
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(u'a' + i % 26);
        const QString encoded = EncodeValue(text);
        QCOMPARE(encoded.size(), 6 * (oneByteForm ? length : length + 1));
        QCOMPARE(DecodeValue(encoded), text);
        QCOMPARE(previousDecoder(encoded), oneByteForm ? text : CodecError);
    }

    // Only digits and fillers 1..11: never an apostrophe, a space or a letter.
    void encodingHoldsOnlyDigitsAndFillers() {
        QString text = QStringLiteral("It's a \"test\" with spaces; DROP TABLE PDF; -- é€ÿ");
        for (int round = 0; round < 200; ++round) {
            const QString encoded = EncodeValue(text);
            for (QChar c : encoded) {
                const ushort u = c.unicode();
                QVERIFY2((u >= 1 && u <= 11) || (u >= '0' && u <= '9'), qPrintable(QString::number(u)));
            }
        }
    }

    // Two encodings of the same text differ in their fillers only.
    void fillersDifferDigitsAgree() {
        const QString a = EncodeValue(u"password");
        const QString b = EncodeValue(u"password");
        QCOMPARE(a.size(), b.size());
        QVERIFY(a != b);
        for (qsizetype i = 1; i < a.size(); i += 2)
            QCOMPARE(a[i], b[i]);
    }

    // Text the encoder cannot produce still decodes by the literal steps and never throws.
    void malformedInput_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a 999 group") << QStringLiteral("\x01"
                                                       "9\x02"
                                                       "9\x03"
                                                       "9")
                                     << CodecError;
        QTest::newRow("digits without fillers") << QStringLiteral("790") << QStringLiteral("a");
        QTest::newRow("a short group becomes 079, reversed 970") << QStringLiteral("79") << CodecError;
        QTest::newRow("letters count as 0") << QStringLiteral("abc") << QString(QChar(0));
        QTest::newRow("only fillers") << QStringLiteral("\x01\x02\x0b") << QString();
    }
    void malformedInput() {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(DecodeValue(input), expected);
        QCOMPARE(DecodeValue(QByteArrayView(input.toLatin1())), expected);
    }

    void byteAndTextDecodingAgree() {
        const QString encoded = EncodeValue(u"Grüße, l'été");
        QCOMPARE(DecodeValue(QByteArrayView(encoded.toLatin1())), DecodeValue(encoded));
    }

    // A value of Windows-1252 characters is written exactly as earlier versions wrote it (the same
    // digits; only the random fillers differ) and they read it back; any other value takes the
    // UTF-8 form, which they answer with "ERROR", never with other text. Entry values keep
    // apostrophes as the substitute in the one-byte form, so a real euro sign takes the UTF-8 form.
    void formsAgainstPreviousDecoder_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("entryValue");
        QTest::addColumn<bool>("oneByteForm");
        QTest::newRow("latin") << QStringLiteral("Grüße, l'été à Zürich") << true << true;
        QTest::newRow("apostrophes in a value") << QStringLiteral("O'Brien's") << true << true;
        QTest::newRow("curly quotes, dashes, oe") << QStringLiteral("it’s — œuvre „gut“ ™") << true << true;
        QTest::newRow("controls 0..12") << QStringLiteral("a\x01\x0b\x0c\tb") << false << true;
        QTest::newRow("euro in a password") << QStringLiteral("5 €") << false << true;
        QTest::newRow("euro in a value") << QStringLiteral("5 €") << true << false;
        QTest::newRow("euro and apostrophe in a value") << QStringLiteral("Tom's 5 €") << true << false;
        QTest::newRow("latin outside the code page") << QStringLiteral("Łódź, İstanbul") << true << false;
        QTest::newRow("greek") << QStringLiteral("Ζυρίχη – Ελλάδα") << true << false;
        QTest::newRow("cyrillic") << QStringLiteral("Пароль от почты") << true << false;
        QTest::newRow("cjk") << QStringLiteral("東京の銀行 パスワード") << true << false;
        QTest::newRow("arabic") << QStringLiteral("كلمة المرور ٣") << true << false;
        QTest::newRow("emoji with skin tones")
            << QStringLiteral("👍🏽 👩🏿‍💻 🔑") << true << false;
        QTest::newRow("control 128 of unicode") << QStringLiteral("a\u0080b") << false << false;
    }
    void formsAgainstPreviousDecoder() {
        QFETCH(QString, text);
        QFETCH(bool, entryValue);
        QFETCH(bool, oneByteForm);
        const QString encoded = entryValue ? EncodeEntryValue(text) : EncodeValue(text);
        for (qsizetype i = 0; i < encoded.size(); i += 2)
            QVERIFY(encoded[i].unicode() >= 1 && encoded[i].unicode() <= 11 && encoded[i + 1].isDigit());
        const QByteArray stored = encoded.toLatin1();
        QCOMPARE(entryValue ? DecodeEntryValue(stored) : DecodeValue(stored), text);
        QString previousText = text;
        if (entryValue) previousText.replace(QLatin1Char('\''), ApostropheSubstitute);
        if (oneByteForm) {
            QCOMPARE(digitsOf(encoded), previousDigits(previousText));
            QCOMPARE(previousDecoder(encoded), previousText);
        } else {
            QCOMPARE(previousDecoder(encoded), CodecError);
        }
    }

    // The same as a property over random texts of every plane (fixed seed): each comes back, and
    // earlier versions read it as itself or as "ERROR", never as other text.
    void previousDecoderNeverReadsOtherText() {
        std::mt19937 random(26);
        std::uniform_int_distribution<char32_t> anyCharacter(1, 0x10FFFF);
        std::uniform_int_distribution<int> anyLength(0, 40);
        for (int round = 0; round < 3000; ++round) {
            QString text;
            for (int n = anyLength(random); n > 0; --n) {
                char32_t c = anyCharacter(random);
                if (round % 2) c = c % 0x300; // mostly Latin, often all of it Windows-1252
                if (QChar::isSurrogate(c) || c == 0) c = u'x';
                text += QStringView(QChar::fromUcs4(c));
            }
            const QString encoded = EncodeEntryValue(text);
            QCOMPARE(DecodeEntryValue(encoded.toLatin1()), text);
            QString previous = previousDecoder(encoded);
            if (previous != CodecError)
                QCOMPARE(previous.replace(ApostropheSubstitute, QLatin1Char('\'')), text);
        }
    }

    // Every script at the entry editor's limits (1,000 characters, 1,500 for notes) encodes and
    // decodes, far below SQLite's longest text.
    void scriptsAtTheEditorsLimits_data() {
        QTest::addColumn<QString>("sample");
        QTest::newRow("latin") << QStringLiteral("Grüße ");
        QTest::newRow("greek") << QStringLiteral("Ελλάδα ");
        QTest::newRow("cyrillic") << QStringLiteral("почта ");
        QTest::newRow("cjk") << QStringLiteral("東京銀行");
        QTest::newRow("arabic") << QStringLiteral("مرحبا ");
        QTest::newRow("emoji with skin tones") << QStringLiteral("👍🏽👩🏿‍💻");
        QTest::newRow("euro") << QStringLiteral("€");
    }
    void scriptsAtTheEditorsLimits() {
        QFETCH(QString, sample);
        for (int limit : {1000, 1500}) {
            const QString text = repeated(sample, limit);
            QCOMPARE(text::characterCount(text), limit);
            QCOMPARE(DecodeEntryValue(EncodeEntryValue(text).toLatin1()), text);
        }
    }

    // Nothing is made of half of a surrogate pair: it has no UTF-8.
    void loneSurrogateDoesNotEncode() {
        QCOMPARE(EncodeValue(QString(QChar(0xD83D)) + QStringLiteral("a")), CodecError);
        QCOMPARE(EncodeEntryValue(QStringLiteral("a") + QChar(0xDC00)), CodecError);
    }

    // What the encoder never writes: a number above 255 after the first place, the mark followed
    // by bytes that are not UTF-8 (here a lone 0xFF), or by an encoded surrogate (ED A0 80).
    void malformedUtf8Form_data() {
        QTest::addColumn<QList<int>>("numbers");
        QTest::newRow("a second number above 255") << QList<int>{256, 97, 300};
        QTest::newRow("not UTF-8") << QList<int>{256, 0xFF};
        QTest::newRow("an encoded surrogate") << QList<int>{256, 0xED, 0xA0, 0x80};
        QTest::newRow("the mark not first") << QList<int>{97, 256};
    }
    void malformedUtf8Form() {
        QFETCH(QList<int>, numbers);
        QString digits;
        for (int n : numbers)
            digits += QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
        std::reverse(digits.begin(), digits.end());
        QString encoded;
        for (QChar d : digits)
            encoded += QString(QChar(u'\x05')) + d;
        QCOMPARE(DecodeValue(encoded), CodecError);
        QCOMPARE(DecodeStoredValue(encoded.toLatin1()), std::nullopt);
    }

    // Category titles are plain text, apostrophes as the substitute; one holding a real euro sign
    // is stored as the UTF-8 form and read back as typed. Typed text that merely holds digits
    // stays plain.
    void titles_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("plain");
        QTest::newRow("apostrophe") << QStringLiteral("Owner's PIN") << true;
        QTest::newRow("greek") << QStringLiteral("Κωδικός") << true;
        QTest::newRow("digits") << QStringLiteral("123456") << true;
        QTest::newRow("euro") << QStringLiteral("Limit (€)") << false;
        QTest::newRow("euro and apostrophe") << QStringLiteral("Bank's € limit") << false;
    }
    void titles() {
        QFETCH(QString, title);
        QFETCH(bool, plain);
        const QString stored = toStoredTitle(title);
        QCOMPARE(stored == QString(title).replace(QLatin1Char('\''), ApostropheSubstitute), plain);
        QCOMPARE(toShownTitle(stored), title);
    }
};

// The program's one upper-casing.
class TextTest final : public QObject {
    Q_OBJECT
private slots:
    // Inside Windows-1252 the rule stored vaults were written with (a capital the code page lacks,
    // or one of two letters, is not taken); outside it Unicode's simple one-to-one mapping,
    // whatever the language.
    void upperStaysInCodePage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << QStringLiteral("Bank of Ostrava") << QStringLiteral("BANK OF OSTRAVA");
        QTest::newRow("micro stays") << QStringLiteral("dose 5µg") << QStringLiteral("DOSE 5µG");
        QTest::newRow("sharp s stays one letter") << QStringLiteral("Straße") << QStringLiteral("STRAßE");
        QTest::newRow("florin stays") << QStringLiteral("ƒ") << QStringLiteral("ƒ");
        QTest::newRow("y diaeresis to its capital") << QStringLiteral("ÿ") << QStringLiteral("Ÿ");
        QTest::newRow("accents, s caron, oe") << QStringLiteral("éàšœ") << QStringLiteral("ÉÀŠŒ");
        QTest::newRow("outer blanks kept") << QStringLiteral(" a ") << QStringLiteral(" A ");
        QTest::newRow("greek, final sigma") << QStringLiteral("ελλάς") << QStringLiteral("ΕΛΛΆΣ");
        QTest::newRow("cyrillic") << QStringLiteral("пароль") << QStringLiteral("ПАРОЛЬ");
        QTest::newRow("turkish dotless i") << QStringLiteral("ıi") << QStringLiteral("II");
        QTest::newRow("turkish dotted capital stays") << QStringLiteral("İ") << QStringLiteral("İ");
        QTest::newRow("polish") << QStringLiteral("łódź") << QStringLiteral("ŁÓDŹ");
        QTest::newRow("outside the 16-bit range") << QStringLiteral("𐐨𞤢") << QStringLiteral("𐐀𞤀");
        QTest::newRow("cjk, arabic, emoji unchanged")
            << QStringLiteral("東京 مرحبا 👍🏽") << QStringLiteral("東京 مرحبا 👍🏽");
    }
    void upperStaysInCodePage() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text::upper(text), expected);
    }

    // Every character of the code page upper-cases to one that the code page has.
    void upperOfEveryCodeIsStorable() {
        for (unsigned code = 0; code < 256; ++code) {
            const QString one(QChar(cp1252::charOf(code)));
            const QString capital = text::upper(one);
            QCOMPARE(capital.size(), 1);
            QVERIFY2(cp1252::codeOf(capital[0].unicode()) >= 0, qPrintable(QString::number(code)));
        }
    }

    // What the user counts: a grapheme each, CR LF one.
    void characterCount_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("ascii, CR LF one") << QStringLiteral("ab\r\ncd\n") << 6;
        QTest::newRow("accent joined") << QStringLiteral("e\u0301e") << 2;
        QTest::newRow("emoji with skin tone, family") << QStringLiteral("👍🏽👨‍👩‍👧") << 2;
        QTest::newRow("cjk") << QStringLiteral("東京") << 2;
    }
    void characterCount() {
        QFETCH(QString, text);
        QFETCH(int, count);
        QCOMPARE(text::characterCount(text), count);
    }

    void unkeepable_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("found");
        QTest::newRow("every script is kept")
            << QStringLiteral("€ Ελλάδα 東京 👍🏽") << QString();
        QTest::newRow("zero") << QStringLiteral("ab") + QChar(0) << QStringLiteral("U+0000");
        QTest::newRow("lone high half")
            << QStringLiteral("a") + QChar(0xD83D) + QStringLiteral("b") << QStringLiteral("U+D83D");
        QTest::newRow("lone low half") << QString(QChar(0xDC0F)) << QStringLiteral("U+DC0F");
    }
    void unkeepable() {
        QFETCH(QString, text);
        QFETCH(QString, found);
        QCOMPARE(text::firstUnkeepable(text), found);
    }
};

QUORLANE_TEST(CodecTest);
QUORLANE_TEST(TextTest);
#include "tst_codec.moc"
