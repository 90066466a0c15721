#include "dates.h"

#include <QRegularExpression>

QString formatLastUpdate(const QDateTime& when) {
    const QTime t = when.time();
    const int hour12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    return QStringLiteral("%1 %2:%3:%4 %5")
        .arg(when.date().toString(QStringLiteral("MM/dd/yyyy")))
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'))
        .arg(t.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm"));
}

QString shownUpdateDate(const QString& stored, const QString& format) {
    // month/day/year, optionally followed by a time of day with or without am/pm
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?\s*([AaPp][Mm])?)?\s*$)"));
    const auto m = pattern.match(stored);
    if (!m.hasMatch()) return stored.trimmed();
    const QDate date(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
    if (!date.isValid()) return stored.trimmed();
    if (!m.captured(4).isEmpty()) {
        const int hour = m.captured(4).toInt();
        const bool twelveHour = !m.captured(7).isEmpty();
        if (m.captured(5).toInt() > 59 || m.captured(6).toInt() > 59 ||
            (twelveHour && (hour < 1 || hour > 12)) || hour > 23)
            return stored.trimmed();
    }
    return date.toString(format);
}
