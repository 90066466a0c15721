#pragma once

#include <QLocale>
#include <QString>

// A number with its counted word in agreement: "1 row", "2 rows", "1,500 characters".
inline QString counted(qint64 n, const QString& one, const QString& many) {
    return QLocale(QLocale::English).toString(n) + QLatin1Char(' ') + (n == 1 ? one : many);
}
