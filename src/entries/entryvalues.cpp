#include "entryvalues.h"

#include "store/codec.h"

#include <QByteArrayView>

namespace {

// Upper-cases in place. Stored values are mostly plain ASCII, whose letters are upper-cased
// directly; a value holding any other character goes through Qt's full case mapping (where, for
// example, "ß" becomes "SS").
QString upperCased(QString value) {
    char16_t* c = reinterpret_cast<char16_t*>(value.data());
    for (const char16_t* end = c + value.size(); c != end; ++c) {
        if (*c >= u'a' && *c <= u'z')
            *c = char16_t(*c - (u'a' - u'A'));
        else if (*c >= 0x80)
            return std::move(value).toUpper();
    }
    return value;
}

} // namespace

QVariant entryKey(const QString& shownKey) {
    const QString key = shownKey.trimmed();
    bool numeric = false;
    const qlonglong number = key.toLongLong(&numeric);
    return numeric ? QVariant(number) : QVariant(key);
}

QString decodeUpper(const QVariant& storedBytes) {
    // The variant shares the driver's bytes; no copy is made here.
    const QByteArray bytes = storedBytes.toByteArray();
    return upperCased(DecodeValue(QByteArrayView(bytes)));
}

bool sameDescription(const QVariant& storedBytes, const QString& wanted) {
    const QByteArray bytes = storedBytes.toByteArray();
    const QByteArrayView stored(bytes);
    if (stored.size() >= 6 && stored.size() % 6 == 0) {
        const QString first = DecodeValue(stored.last(6));
        if (first.size() == 1 && !first.front().isSpace() && !wanted.startsWith(upperCased(first)))
            return false;
    }
    return upperCased(DecodeValue(stored)).trimmed() == wanted;
}
