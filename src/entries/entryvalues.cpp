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
