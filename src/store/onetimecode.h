#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>
#include <variant>

// Time-based one-time codes (TOTP, RFC 6238 over RFC 4226's HOTP): the setting a service hands
// out as an otpauth://totp/ address or a bare base32 secret, and the code it gives at a moment.
namespace otp {

enum class Algorithm { Sha1, Sha256, Sha512 };

struct Setting {
    QByteArray secret; // the shared key, decoded
    Algorithm algorithm = Algorithm::Sha1;
    int digits = 6;  // 6..8; Steam codes have 5 characters
    int period = 30; // seconds each code stands
    bool steam = false;
    QString issuer;  // the service, when the address names it
    QString account; // the account, when the address names it
    bool operator==(const Setting&) const = default;
};

// Reads a setting: an otpauth://totp/ address, Bitwarden's steam://SECRET, or a bare base32 secret
// (spaces and letter case ignored). Anything else gives the reason to show, one sentence.
std::variant<Setting, QString> parse(QStringView text);

// Whether text is an otpauth:// address (any letter case), before checking it.
bool looksLikeAddress(QStringView text);

// The code at a moment, in seconds since 1970 UTC: digits, or Steam's five characters.
QString code(const Setting& setting, qint64 unixSeconds);
// Seconds the code of that moment still stands (1..period).
int secondsLeft(const Setting& setting, qint64 unixSeconds);
// A code as people read it: "123 456", "1234 5678", "123 4567"; Steam codes unchanged.
QString grouped(const QString& code);

// The setting as an otpauth://totp/ address (what the QR code and an export hold).
QString address(const Setting& setting);

// The setting a field holds: an otpauth:// address under any title, or a bare secret under a
// title that means a one-time code (fieldmeaning.h). Nothing for any other value.
std::optional<Setting> inField(const QString& value, const QString& title);
// The first line of notes that is an otpauth:// address and a valid setting, as its line number
// (from 0) and setting.
struct NotesLine {
    int line = -1;
    Setting setting;
};
std::optional<NotesLine> inNotes(const QString& notes);

// Base32 (RFC 4648) without the padding: the form secrets are written in.
QString base32(const QByteArray& bytes);

} // namespace otp
