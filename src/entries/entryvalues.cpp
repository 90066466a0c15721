#include "entryvalues.h"

#include "store/codec.h"

#include <QByteArrayView>

QVariant entryKey(const QString& shownKey) {
    const QString key = shownKey.trimmed();
    bool numeric = false;
    const qlonglong number = key.toLongLong(&numeric);
    return numeric ? QVariant(number) : QVariant(key);
}

QString decodeUpper(const QVariant& storedBytes) {
    // The variant shares the driver's bytes; no copy is made here.
    const QByteArray bytes = storedBytes.toByteArray();
    return DecodeValue(QByteArrayView(bytes)).toUpper();
}

bool sameDescription(const QVariant& storedBytes, const QString& wanted) {
    const QByteArray bytes = storedBytes.toByteArray();
    const QByteArrayView stored(bytes);
    if (stored.size() >= 6 && stored.size() % 6 == 0) {
        const QString first = DecodeValue(stored.last(6));
        if (first.size() == 1 && !first.front().isSpace() && !wanted.startsWith(first.toUpper()))
            return false;
    }
    return DecodeValue(stored).toUpper().trimmed() == wanted;
}
