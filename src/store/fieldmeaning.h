#pragma once

#include <QString>
#include <QStringView>
#include <array>

// What a category's field holds, read from its title: the import puts a web address, a user
// name, a password and an e-mail address under the title that means it, the copy shortcuts
// find the password and the user name whatever their position, and the generator fills the
// password field; a one-time code field shows the code of the setting it holds.
enum class FieldMeaning { Other, Url, User, Secret, Email, OneTimeCode };

// The meaning of a field title. The words of the title (letter case, hyphens and other marks
// ignored) decide, the first match in this order:
//   one time code, one time password, otp, totp, 2fa, two factor, authenticator -> OneTimeCode
//   password, passwd, passphrase, passcode, pass word     -> Secret
//   sort code, zip code, post code, postal code, area code, country code -> Other
//   e mail, email, mail address                           -> Email
//   url, uri, web address, website, web site, web page, webpage, link, homepage, home page,
//   login page, router address                            -> Url
//   user, username, user name, user id, userid, login, logon, account name -> User
//   pin                                                   -> Secret
//   code, security code, cvv, cvc                         -> Secret
FieldMeaning meaningOfTitle(QStringView title);

// The field (0..3) among four titles that holds the meaning, or -1. The secret field is the one
// whose title says password before one that says PIN, before one that says code (a card's PIN
// rather than its security code); otherwise the first field of that meaning.
int fieldOfMeaning(const std::array<QString, 4>& titles, FieldMeaning meaning);

// The field a user name goes to: the user-name field, or the e-mail field when there is none
// (an e-mail account logs in with its address). -1 when there is neither.
int userNameField(const std::array<QString, 4>& titles);
