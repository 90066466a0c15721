#pragma once

#include <QLocale>
#include <QString>

// The language numbers in the windows' texts are written in; the translations set it.
inline QLocale TextLocale{QLocale::English};

// A text counted with tr("%n entries", nullptr, n) holds n as plain digits; this writes them
// grouped as TextLocale does ("1,500 characters", "1.500 Zeichen").
inline QString grouped(const QString& counted, qint64 n) {
    const QString plain = QString::number(n);
    const qsizetype at = counted.indexOf(plain);
    return at < 0 ? counted : QString(counted).replace(at, plain.size(), TextLocale.toString(n));
}
