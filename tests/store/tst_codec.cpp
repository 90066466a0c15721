#include "store/codec.h"
#include "store/cp1252.h"
#include "testmain.h"

#include <QTest>
#include <random>

class CodecTest final : public QObject {
    Q_OBJECT
private slots:
    // Upper-casing never leaves the code page and never changes a text's length.
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
    }
    void upperStaysInCodePage() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(cp1252::upper(text), expected);
    }

    // Every character of the code page upper-cases to one that the code page has.
    void upperOfEveryCodeIsStorable() {
        for (unsigned code = 0; code < 256; ++code) {
            const QString one(QChar(cp1252::charOf(code)));
            const QString capital = cp1252::upper(one);
            QCOMPARE(capital.size(), 1);
            QVERIFY2(cp1252::codeOf(capital[0].unicode()) >= 0, qPrintable(QString::number(code)));
        }
    }

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

    void lengthLimits_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("encodes");
        QTest::addColumn<bool>("decodes");
        QTest::newRow("5,461 characters round-trip") << 5461 << true << true;
        QTest::newRow("5,462 encode but do not decode") << 5462 << true << false;
        QTest::newRow("10,922 encode but do not decode") << 10922 << true << false;
        QTest::newRow("10,923 do not encode") << 10923 << false << false;
    }
    void lengthLimits() {
        QFETCH(int, length);
        QFETCH(bool, encodes);
        QFETCH(bool, decodes);
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(u'a' + i % 26);
        const QString encoded = EncodeValue(text);
        QCOMPARE(encoded != CodecError, encodes);
        if (!encodes) return;
        QCOMPARE(encoded.size(), 6 * length);
        QCOMPARE(DecodeValue(encoded) == text, decodes);
        if (!decodes) QCOMPARE(DecodeValue(encoded), CodecError);
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

    void tooLongInputIsAnError() {
        QCOMPARE(DecodeValue(QString(32767, QChar(u'0'))), CodecError);
        QCOMPARE(DecodeValue(QByteArrayView(QByteArray(32767, '0'))), CodecError);
    }

    void byteAndTextDecodingAgree() {
        const QString encoded = EncodeValue(u"Grüße, l'été");
        QCOMPARE(DecodeValue(QByteArrayView(encoded.toLatin1())), DecodeValue(encoded));
    }

    void storableCharacters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refuseEuro");
        QTest::addColumn<QString>("unstorable");
        QTest::newRow("plain") << QStringLiteral("Grüße, l'été") << true << QString();
        QTest::newRow("polish l") << QStringLiteral("Łódź") << true << QStringLiteral("Ł");
        QTest::newRow("emoji") << QStringLiteral("key 🔑 here") << false << QStringLiteral("🔑");
        QTest::newRow("euro in a value") << QStringLiteral("5 €") << true << QStringLiteral("€");
        QTest::newRow("euro in a password") << QStringLiteral("5 €") << false << QString();
        QTest::newRow("curly quote") << QStringLiteral("it’s") << true << QString();
    }
    void storableCharacters() {
        QFETCH(QString, text);
        QFETCH(bool, refuseEuro);
        QFETCH(QString, unstorable);
        QCOMPARE(cp1252::firstUnstorable(text, refuseEuro), unstorable);
    }

    void apostropheSubstitute() {
        QCOMPARE(toStoredForm(QStringLiteral("O'Brien's")), QStringLiteral("O€Brien€s"));
        QCOMPARE(toShownForm(QStringLiteral("O€Brien€s")), QStringLiteral("O'Brien's"));
        QCOMPARE(cp1252::codeOf(ApostropheSubstitute.unicode()), 128);
    }
};

QUORLANE_TEST(CodecTest);
#include "tst_codec.moc"
