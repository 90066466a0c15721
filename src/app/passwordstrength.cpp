#include "passwordstrength.h"

#include <QCoreApplication>
#include <cmath>
#include <sodium.h>
#include <zxcvbn.h>

PasswordStrength estimateStrength(QStringView password) {
    if (password.isEmpty()) return {};
    QByteArray utf8 = password.toUtf8();
    // zxcvbn reports entropy in bits: the guesses are two to that power.
    const double bits = ZxcvbnMatch(utf8.constData(), nullptr, nullptr);
    sodium_memzero(utf8.data(), std::size_t(utf8.size()));
    const double guesses = std::max(1.0, std::exp2(bits));
    return {scoreOfGuesses(guesses), guesses};
}

int scoreOfGuesses(double guesses) {
    // zxcvbn's thresholds, each with its small margin of 5 guesses.
    constexpr double Limits[] = {1e3 + 5, 1e6 + 5, 1e8 + 5, 1e10 + 5};
    int score = 0;
    for (double limit : Limits)
        if (guesses >= limit) ++score;
    return score;
}

QString scoreWords(int score) {
    static const char* const Words[] = {
        QT_TRANSLATE_NOOP("PasswordStrength", "Very weak"), QT_TRANSLATE_NOOP("PasswordStrength", "Weak"),
        QT_TRANSLATE_NOOP("PasswordStrength", "Fair"), QT_TRANSLATE_NOOP("PasswordStrength", "Strong"),
        QT_TRANSLATE_NOOP("PasswordStrength", "Very strong")};
    return QCoreApplication::translate("PasswordStrength", Words[std::clamp(score, 0, 4)]);
}
