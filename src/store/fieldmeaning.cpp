#include "fieldmeaning.h"

#include <QStringList>

namespace {

struct Phrase {
    QStringList words;
    FieldMeaning meaning;
    int rank; // for Secret: lower is the better password field
};

QStringList words(const char* text) {
    return QString::fromLatin1(text).split(QLatin1Char(' '));
}

// One table for every use; the first phrase found in a title decides its meaning.
const QList<Phrase>& phrases() {
    static const QList<Phrase> all = [] {
        QList<Phrase> list;
        const auto add = [&list](FieldMeaning meaning, int rank, std::initializer_list<const char*> texts) {
            for (const char* text : texts)
                list.append({words(text), meaning, rank});
        };
        add(FieldMeaning::OneTimeCode, 0,
            {"one time code", "one time password", "otp", "totp", "2fa", "two factor", "authenticator"});
        add(FieldMeaning::Secret, 0, {"password", "passwd", "passphrase", "passcode", "pass word"});
        add(FieldMeaning::Other, 0,
            {"sort code", "zip code", "post code", "postal code", "area code", "country code"});
        add(FieldMeaning::Email, 0, {"e mail", "email", "mail address"});
        add(FieldMeaning::Url, 0,
            {"url", "uri", "web address", "website", "web site", "web page", "webpage", "link", "homepage",
             "home page", "login page", "router address"});
        add(FieldMeaning::User, 0,
            {"user", "username", "user name", "user id", "userid", "login", "logon", "account name"});
        add(FieldMeaning::Secret, 1, {"pin"});
        add(FieldMeaning::Secret, 2, {"code", "security code", "cvv", "cvc"});
        return list;
    }();
    return all;
}

// The title's words: lower case, anything but letters and digits a separator.
QStringList titleWords(QStringView title) {
    QString text = title.toString().toLower();
    for (QChar& c : text)
        if (!c.isLetterOrNumber()) c = QLatin1Char(' ');
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool containsPhrase(const QStringList& title, const QStringList& phrase) {
    for (qsizetype start = 0; start + phrase.size() <= title.size(); ++start) {
        bool all = true;
        for (qsizetype i = 0; i < phrase.size() && all; ++i)
            all = title[start + i] == phrase[i];
        if (all) return true;
    }
    return false;
}

const Phrase* firstPhrase(QStringView title) {
    const QStringList words = titleWords(title);
    for (const Phrase& phrase : phrases())
        if (containsPhrase(words, phrase.words)) return &phrase;
    return nullptr;
}

} // namespace

FieldMeaning meaningOfTitle(QStringView title) {
    const Phrase* phrase = firstPhrase(title);
    return phrase ? phrase->meaning : FieldMeaning::Other;
}

int fieldOfMeaning(const std::array<QString, 4>& titles, FieldMeaning meaning) {
    int best = -1;
    int bestRank = 0;
    for (int i = 0; i < 4; ++i) {
        const Phrase* phrase = firstPhrase(titles[std::size_t(i)]);
        if (!phrase || phrase->meaning != meaning) continue;
        if (best < 0 || phrase->rank < bestRank) {
            best = i;
            bestRank = phrase->rank;
        }
    }
    return best;
}

int userNameField(const std::array<QString, 4>& titles) {
    const int user = fieldOfMeaning(titles, FieldMeaning::User);
    return user >= 0 ? user : fieldOfMeaning(titles, FieldMeaning::Email);
}
