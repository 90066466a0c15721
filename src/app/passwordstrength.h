#pragma once

#include <QString>
#include <QStringView>

// How hard a password is to guess, as zxcvbn estimates it: the estimated number of guesses and
// zxcvbn's score for it, 0 (too guessable) to 4 (very unguessable).
struct PasswordStrength {
    int score = 0;
    double guesses = 1;
};

// The strength of a password. The password is handed to the estimator as UTF-8 in a buffer that
// is wiped afterwards; nothing of it is kept.
PasswordStrength estimateStrength(QStringView password);

// zxcvbn's score for a number of guesses: below 10^3 is 0, below 10^6 is 1, below 10^8 is 2,
// below 10^10 is 3, and 4 from there on.
int scoreOfGuesses(double guesses);

// The lowest score a password counts as strong with: the health report calls anything below it
// weak, and the setup window warns below it.
inline constexpr int StrongScore = 3;

// The score in words: "Very weak", "Weak", "Fair", "Strong", "Very strong".
QString scoreWords(int score);
