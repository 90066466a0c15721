#pragma once

#include <QDateTime>
#include <QString>

// The stored form of an entry's last-update time: "mm/dd/yyyy hh:mm:ss am/pm".
QString formatLastUpdate(const QDateTime& when);

// The date part of a stored last-update text as "mm/dd/yyyy" (or in the given QDate format, the
// one of the language in force); a text that is not a date and time is given back unchanged.
QString shownUpdateDate(const QString& stored, const QString& format = QStringLiteral("MM/dd/yyyy"));
