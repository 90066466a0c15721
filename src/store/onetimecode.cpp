#include "onetimecode.h"

#include "fieldmeaning.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QUrl>
#include <QUrlQuery>
#include <QtEndian>
#include <array>
#include <optional>

namespace otp {
namespace {

constexpr char Base32Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567";
// Steam Guard writes its codes in these 26 characters, five of them.
constexpr char SteamAlphabet[] = "23456789BCDFGHJKMNPQRTVWXY";
constexpr int SteamLength = 5;
constexpr int LongestPeriod = 3600;

QCryptographicHash::Algorithm hashOf(Algorithm algorithm) {
    switch (algorithm) {
    case Algorithm::Sha256:
        return QCryptographicHash::Sha256;
    case Algorithm::Sha512:
        return QCryptographicHash::Sha512;
    case Algorithm::Sha1:
        break;
    }
    return QCryptographicHash::Sha1;
}

// Base32 with spaces, hyphens and padding left out, in any letter case; nothing when a character
// is not base32, the length is not one base32 can have, or no byte is left.
std::optional<QByteArray> decodeBase32(QStringView text) {
    QByteArray bytes;
    quint32 buffer = 0;
    int bits = 0;
    int characters = 0;
    for (QChar c : text) {
        if (c.isSpace() || c == QLatin1Char('-') || c == QLatin1Char('=')) continue;
        const qsizetype found = QLatin1String(Base32Alphabet).indexOf(c.toUpper());
        if (found < 0) return std::nullopt;
        buffer = (buffer << 5) | quint32(found);
        bits += 5;
        ++characters;
        if (bits >= 8) {
            bits -= 8;
            bytes.append(char((buffer >> bits) & 0xff));
        }
    }
    // 1, 3 or 6 characters past a whole group of 8 cannot come from any number of bytes.
    const int rest = characters % 8;
    if (bytes.isEmpty() || rest == 1 || rest == 3 || rest == 6) return std::nullopt;
    return bytes;
}

QString badSecret() {
    return QCoreApplication::translate(
        "OneTimeCode",
        "The secret is not valid base32: it may hold only the letters A to Z and the digits 2 to 7.");
}

std::variant<Setting, QString> fromSecret(QStringView text) {
    const std::optional<QByteArray> secret = decodeBase32(text);
    if (!secret) return badSecret();
    Setting setting;
    setting.secret = *secret;
    return setting;
}

std::optional<int> whole(const QString& text, int lowest, int highest) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < lowest || n > highest) return std::nullopt;
    return n;
}

std::variant<Setting, QString> fromAddress(const QString& text) {
    const QUrl url(text.trimmed());
    if (!url.isValid() || url.scheme().compare(QLatin1String("otpauth"), Qt::CaseInsensitive) != 0)
        return QCoreApplication::translate("OneTimeCode", "The address is not a valid otpauth:// address.");
    if (url.host().compare(QLatin1String("totp"), Qt::CaseInsensitive) != 0)
        return QCoreApplication::translate(
                   "OneTimeCode", "Only time-based codes (otpauth://totp/...) are supported, not \"%1\".")
            .arg(url.host());
    const QUrlQuery query(url);
    const auto value = [&query](const char* name) {
        for (const auto& [key, item] : query.queryItems(QUrl::FullyDecoded))
            if (key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return item;
        return QString();
    };
    const QString secretText = value("secret");
    if (secretText.isEmpty())
        return QCoreApplication::translate("OneTimeCode", "The address holds no secret (secret=...).");
    auto parsed = fromSecret(secretText);
    if (auto* reason = std::get_if<QString>(&parsed)) return *reason;
    Setting setting = std::get<Setting>(parsed);

    if (const QString name = value("algorithm"); !name.isEmpty()) {
        const QString upper = name.toUpper().remove(QLatin1Char('-'));
        if (upper == QLatin1String("SHA1"))
            setting.algorithm = Algorithm::Sha1;
        else if (upper == QLatin1String("SHA256"))
            setting.algorithm = Algorithm::Sha256;
        else if (upper == QLatin1String("SHA512"))
            setting.algorithm = Algorithm::Sha512;
        else
            return QCoreApplication::translate(
                       "OneTimeCode", "The algorithm \"%1\" is not known; use SHA1, SHA256 or SHA512.")
                .arg(name);
    }
    if (const QString digits = value("digits"); !digits.isEmpty()) {
        const std::optional<int> n = whole(digits, 6, 8);
        if (!n)
            return QCoreApplication::translate("OneTimeCode", "A code has 6, 7 or 8 digits, not \"%1\".")
                .arg(digits);
        setting.digits = *n;
    }
    if (const QString period = value("period"); !period.isEmpty()) {
        const std::optional<int> n = whole(period, 1, LongestPeriod);
        if (!n)
            return QCoreApplication::translate("OneTimeCode",
                                               "The period is a number of seconds from 1 to %1, not \"%2\".")
                .arg(LongestPeriod)
                .arg(period);
        setting.period = *n;
    }
    if (value("encoder").compare(QLatin1String("steam"), Qt::CaseInsensitive) == 0) {
        setting.steam = true;
        setting.digits = SteamLength;
    }
    // The label is "Issuer:account" or "account"; an issuer= parameter names the service too.
    QString label = url.path(QUrl::FullyDecoded);
    if (label.startsWith(QLatin1Char('/'))) label.remove(0, 1);
    if (const qsizetype colon = label.indexOf(QLatin1Char(':')); colon >= 0) {
        setting.issuer = label.left(colon).trimmed();
        label.remove(0, colon + 1);
    }
    setting.account = label.trimmed();
    if (const QString issuer = value("issuer"); !issuer.isEmpty()) setting.issuer = issuer.trimmed();
    return setting;
}

} // namespace

bool looksLikeAddress(QStringView text) {
    return text.trimmed().startsWith(QLatin1String("otpauth://"), Qt::CaseInsensitive);
}

std::variant<Setting, QString> parse(QStringView text) {
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QCoreApplication::translate("OneTimeCode", "Paste an otpauth:// address or the secret.");
    if (looksLikeAddress(trimmed)) return fromAddress(trimmed.toString());
    if (trimmed.startsWith(QLatin1String("steam://"), Qt::CaseInsensitive)) {
        auto parsed = fromSecret(trimmed.mid(8));
        if (auto* setting = std::get_if<Setting>(&parsed)) {
            setting->steam = true;
            setting->digits = SteamLength;
        }
        return parsed;
    }
    if (trimmed.contains(QLatin1String("://")))
        return QCoreApplication::translate("OneTimeCode",
                                           "Only otpauth:// addresses and base32 secrets set up a code.");
    return fromSecret(trimmed);
}

std::optional<Setting> inField(const QString& value, const QString& title) {
    if (!looksLikeAddress(value) && meaningOfTitle(title) != FieldMeaning::OneTimeCode) return std::nullopt;
    auto parsed = parse(value);
    if (auto* setting = std::get_if<Setting>(&parsed)) return *setting;
    return std::nullopt;
}

std::optional<NotesLine> inNotes(const QString& notes) {
    if (!notes.contains(QLatin1String("otpauth://"), Qt::CaseInsensitive)) return std::nullopt;
    const QStringList lines = notes.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!looksLikeAddress(lines[i])) continue;
        auto parsed = parse(lines[i]);
        if (auto* setting = std::get_if<Setting>(&parsed)) return NotesLine{int(i), *setting};
    }
    return std::nullopt;
}

QString code(const Setting& setting, qint64 unixSeconds) {
    // HOTP of the time step: HMAC of the big-endian counter, then the dynamic truncation.
    const quint64 counter = quint64(std::max<qint64>(unixSeconds, 0) / std::max(setting.period, 1));
    std::array<char, 8> message{};
    qToBigEndian(counter, message.data());
    const QByteArray mac = QMessageAuthenticationCode::hash(QByteArray(message.data(), 8), setting.secret,
                                                            hashOf(setting.algorithm));
    const int offset = mac.at(mac.size() - 1) & 0x0f;
    quint32 value = (quint32(quint8(mac[offset])) & 0x7f) << 24 | quint32(quint8(mac[offset + 1])) << 16 |
                    quint32(quint8(mac[offset + 2])) << 8 | quint32(quint8(mac[offset + 3]));
    QString text;
    if (setting.steam) {
        for (int i = 0; i < SteamLength; ++i, value /= 26)
            text.append(QLatin1Char(SteamAlphabet[value % 26]));
        return text;
    }
    quint32 modulus = 1;
    for (int i = 0; i < setting.digits; ++i)
        modulus *= 10;
    return QString::number(value % modulus).rightJustified(setting.digits, QLatin1Char('0'));
}

int secondsLeft(const Setting& setting, qint64 unixSeconds) {
    const int period = std::max(setting.period, 1);
    return period - int(std::max<qint64>(unixSeconds, 0) % period);
}

QString grouped(const QString& code) {
    if (code.size() < 6 || !code.front().isDigit()) return code;
    const qsizetype first = code.size() / 2;
    return code.left(first) + QLatin1Char(' ') + code.mid(first);
}

QString base32(const QByteArray& bytes) {
    QString text;
    quint32 buffer = 0;
    int bits = 0;
    for (char byte : bytes) {
        buffer = (buffer << 8) | quint8(byte);
        bits += 8;
        while (bits >= 5) {
            bits -= 5;
            text.append(QLatin1Char(Base32Alphabet[(buffer >> bits) & 31]));
        }
    }
    if (bits > 0) text.append(QLatin1Char(Base32Alphabet[(buffer << (5 - bits)) & 31]));
    return text;
}

QString address(const Setting& setting) {
    QUrl url;
    url.setScheme(QStringLiteral("otpauth"));
    url.setHost(QStringLiteral("totp"));
    const QString label = setting.issuer.isEmpty() || setting.account.isEmpty()
                              ? setting.issuer + setting.account
                              : setting.issuer + QLatin1Char(':') + setting.account;
    url.setPath(QLatin1Char('/') + label);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("secret"), base32(setting.secret));
    if (!setting.issuer.isEmpty()) query.addQueryItem(QStringLiteral("issuer"), setting.issuer);
    if (setting.algorithm != Algorithm::Sha1)
        query.addQueryItem(QStringLiteral("algorithm"), setting.algorithm == Algorithm::Sha256
                                                            ? QStringLiteral("SHA256")
                                                            : QStringLiteral("SHA512"));
    if (setting.steam)
        query.addQueryItem(QStringLiteral("encoder"), QStringLiteral("steam"));
    else if (setting.digits != 6)
        query.addQueryItem(QStringLiteral("digits"), QString::number(setting.digits));
    if (setting.period != 30) query.addQueryItem(QStringLiteral("period"), QString::number(setting.period));
    url.setQuery(query);
    return url.toString(QUrl::FullyEncoded);
}

} // namespace otp
