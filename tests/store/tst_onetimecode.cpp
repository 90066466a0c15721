#include "store/onetimecode.h"
#include "testmain.h"

#include <QTest>

Q_DECLARE_METATYPE(otp::Algorithm)

namespace {

// The keys of RFC 6238's test vectors: ASCII "1234567890" repeated to the hash's length.
QByteArray rfcKey(otp::Algorithm algorithm) {
    const int length = algorithm == otp::Algorithm::Sha1 ? 20 : algorithm == otp::Algorithm::Sha256 ? 32 : 64;
    return QByteArray("1234567890").repeated(7).left(length);
}

otp::Setting parsed(const QString& text) {
    auto result = otp::parse(text);
    if (auto* reason = std::get_if<QString>(&result)) qFatal("refused: %s", qPrintable(*reason));
    return std::get<otp::Setting>(result);
}

} // namespace

class OneTimeCodeTest final : public QObject {
    Q_OBJECT
private slots:
    // RFC 6238 Appendix B: eight digits, 30-second steps, at all six times.
    void rfc6238_data() {
        QTest::addColumn<otp::Algorithm>("algorithm");
        QTest::addColumn<qint64>("time");
        QTest::addColumn<QString>("code");
        const struct {
            qint64 time;
            const char* codes[3];
        } table[] = {
            {59, {"94287082", "46119246", "90693936"}},
            {1111111109, {"07081804", "68084774", "25091201"}},
            {1111111111, {"14050471", "67062674", "99943326"}},
            {1234567890, {"89005924", "91819424", "93441116"}},
            {2000000000, {"69279037", "90698825", "38618901"}},
            {20000000000, {"65353130", "77737706", "47863826"}},
        };
        const otp::Algorithm algorithms[] = {otp::Algorithm::Sha1, otp::Algorithm::Sha256,
                                             otp::Algorithm::Sha512};
        const char* names[] = {"SHA1", "SHA256", "SHA512"};
        for (const auto& row : table)
            for (int a = 0; a < 3; ++a)
                QTest::addRow("%s at %lld", names[a], row.time) << algorithms[a] << row.time << row.codes[a];
    }
    void rfc6238() {
        QFETCH(otp::Algorithm, algorithm);
        QFETCH(qint64, time);
        QFETCH(QString, code);
        otp::Setting setting;
        setting.secret = rfcKey(algorithm);
        setting.algorithm = algorithm;
        setting.digits = 8;
        QCOMPARE(otp::code(setting, time), code);
    }

    // RFC 4226 Appendix D (six digits, a one-second step counts like the HOTP counter), and Steam's
    // five characters from the same truncated values.
    void hotpAndSteam_data() {
        QTest::addColumn<qint64>("counter");
        QTest::addColumn<bool>("steam");
        QTest::addColumn<QString>("code");
        QTest::newRow("counter 0") << qint64(0) << false << "755224";
        QTest::newRow("counter 1") << qint64(1) << false << "287082";
        QTest::newRow("counter 5") << qint64(5) << false << "254676";
        QTest::newRow("counter 9") << qint64(9) << false << "520489";
        QTest::newRow("steam, counter 0") << qint64(0) << true << "GG5F5";
        QTest::newRow("steam, counter 1") << qint64(1) << true << "PV9M4";
    }
    void hotpAndSteam() {
        QFETCH(qint64, counter);
        QFETCH(bool, steam);
        QFETCH(QString, code);
        otp::Setting setting;
        setting.secret = rfcKey(otp::Algorithm::Sha1);
        setting.period = 1;
        setting.steam = steam;
        QCOMPARE(otp::code(setting, counter), code);
    }

    void addresses_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("issuer");
        QTest::addColumn<QString>("account");
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("digits");
        QTest::addColumn<otp::Algorithm>("algorithm");
        QTest::addColumn<bool>("steam");
        const QString secret = "GEZDGNBVGY3TQOJQGEZDGNBVGY3TQOJQ";
        QTest::newRow("defaults") << "otpauth://totp/alice?secret=" + secret << ""
                                  << "alice" << 30 << 6 << otp::Algorithm::Sha1 << false;
        QTest::newRow("issuer in label and parameter, escaped")
            << "otpauth://totp/ACME%20Co:alice%40example.com?secret=" + secret + "&issuer=ACME%20Co"
            << "ACME Co"
            << "alice@example.com" << 30 << 6 << otp::Algorithm::Sha1 << false;
        QTest::newRow("parameter names the issuer")
            << "otpauth://totp/bob?issuer=Shop&secret=" + secret << "Shop"
            << "bob" << 30 << 6 << otp::Algorithm::Sha1 << false;
        QTest::newRow("every option, any letter case")
            << "OTPAUTH://TOTP/x?SECRET=" + secret.toLower() + "&Algorithm=sha512&digits=8&period=60"
            << ""
            << "x" << 60 << 8 << otp::Algorithm::Sha512 << false;
        QTest::newRow("sha256, padded secret with spaces")
            << "otpauth://totp/y?secret=GEZD GNBV GY3T QOJQ GEZDGNBVGY3TQOJQ%3D%3D&algorithm=SHA256"
            << ""
            << "y" << 30 << 6 << otp::Algorithm::Sha256 << false;
        QTest::newRow("steam encoder") << "otpauth://totp/Steam:gamer?secret=" + secret + "&encoder=steam"
                                       << "Steam"
                                       << "gamer" << 30 << 5 << otp::Algorithm::Sha1 << true;
        QTest::newRow("bitwarden's steam form") << "steam://" + secret << ""
                                                << "" << 30 << 5 << otp::Algorithm::Sha1 << true;
        QTest::newRow("bare secret, lower case, spaces") << "gezd gnbv gy3t qojq gezd gnbv gy3t qojq"
                                                         << ""
                                                         << "" << 30 << 6 << otp::Algorithm::Sha1 << false;
    }
    void addresses() {
        QFETCH(QString, text);
        const otp::Setting setting = parsed(text);
        QCOMPARE(setting.secret, rfcKey(otp::Algorithm::Sha1));
        QTEST(setting.issuer, "issuer");
        QTEST(setting.account, "account");
        QTEST(setting.period, "period");
        QTEST(setting.digits, "digits");
        QTEST(setting.algorithm, "algorithm");
        QTEST(setting.steam, "steam");
        // The address the QR code and an export carry gives back the same setting.
        QCOMPARE(parsed(otp::address(setting)), setting);
    }

    void refused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        const QString notBase32 =
            "The secret is not valid base32: it may hold only the letters A to Z and the digits 2 to 7.";
        QTest::newRow("empty") << "  "
                               << "Paste an otpauth:// address or the secret.";
        QTest::newRow("digit 1 in a secret") << "GEZDGNBVGY3TQOJ1" << notBase32;
        QTest::newRow("length no bytes give") << "GEZDGNBVG" << notBase32;
        QTest::newRow("address with a bad secret") << "otpauth://totp/a?secret=abc!" << notBase32;
        QTest::newRow("no secret") << "otpauth://totp/a?issuer=x"
                                   << "The address holds no secret (secret=...).";
        QTest::newRow("counter-based")
            << "otpauth://hotp/a?secret=GEZDGNBV&counter=1"
            << "Only time-based codes (otpauth://totp/...) are supported, not \"hotp\".";
        QTest::newRow("unknown algorithm")
            << "otpauth://totp/a?secret=GEZDGNBV&algorithm=MD5"
            << "The algorithm \"MD5\" is not known; use SHA1, SHA256 or SHA512.";
        QTest::newRow("nine digits") << "otpauth://totp/a?secret=GEZDGNBV&digits=9"
                                     << "A code has 6, 7 or 8 digits, not \"9\".";
        QTest::newRow("zero period") << "otpauth://totp/a?secret=GEZDGNBV&period=0"
                                     << "The period is a number of seconds from 1 to 3600, not \"0\".";
        QTest::newRow("web address") << "https://example.com/?secret=GEZDGNBV"
                                     << "Only otpauth:// addresses and base32 secrets set up a code.";
    }
    void refused() {
        QFETCH(QString, text);
        const auto result = otp::parse(text);
        QVERIFY(std::holds_alternative<QString>(result));
        QTEST(std::get<QString>(result), "reason");
    }

    // Which stored values the detail view takes for settings.
    void recognised_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("isSetting");
        QTest::newRow("address under any title") << " otpauth://totp/x?secret=GEZDGNBV"
                                                 << "Notes" << true;
        QTest::newRow("secret under a one-time title") << "GEZDGNBV"
                                                       << "One-Time Code" << true;
        QTest::newRow("secret under another title") << "GEZDGNBV"
                                                    << "Password" << false;
        QTest::newRow("bad address") << "otpauth://totp/x?secret=1"
                                     << "TOTP" << false;
        QTest::newRow("text under a one-time title") << "ask Bob"
                                                     << "2FA" << false;
    }
    void recognised() {
        QFETCH(QString, value);
        QFETCH(QString, title);
        QFETCH(bool, isSetting);
        QCOMPARE(otp::inField(value, title).has_value(), isSetting);
    }

    void notesLine_data() {
        QTest::addColumn<QString>("notes");
        QTest::addColumn<int>("line");
        QTest::newRow("second line of three") << "PIN 12\r\notpauth://totp/x?secret=GEZDGNBV\r\nend" << 1;
        QTest::newRow("a bad address is passed over")
            << "otpauth://totp/x\notpauth://totp/y?secret=GEZDGNBV" << 1;
        QTest::newRow("inside a sentence") << "see otpauth://totp/x?secret=GEZDGNBV" << -1;
        QTest::newRow("none") << "plain notes" << -1;
    }
    void notesLine() {
        QFETCH(QString, notes);
        const auto found = otp::inNotes(notes);
        QTEST(found ? found->line : -1, "line");
    }

    void countdownAndGrouping() {
        otp::Setting setting;
        QCOMPARE(otp::secondsLeft(setting, 60), 30);
        QCOMPARE(otp::secondsLeft(setting, 59), 1);
        QCOMPARE(otp::secondsLeft(setting, 1111111109), 1);
        QCOMPARE(otp::grouped("123456"), QString("123 456"));
        QCOMPARE(otp::grouped("12345678"), QString("1234 5678"));
        QCOMPARE(otp::grouped("1234567"), QString("123 4567"));
        QCOMPARE(otp::grouped("GG5F5"), QString("GG5F5"));
    }
};

QUORLANE_TEST(OneTimeCodeTest);
#include "tst_onetimecode.moc"
