#include "apptestcase.h"

#include "store/codec.h"

QStringList AppTestCase::loginRow(int row) {
    const auto rows = vault().rows(QStringLiteral("SELECT RUL, UPass, URetry FROM LPass"));
    if (row >= rows.size()) return {};
    const QVariantList& r = rows[row];
    return {r[0].toString(), DecodeValue(r[1].toString()), r[2].toString()};
}

void AppTestCase::setLogin(const QString& rul, const QString& password, const QString& retries) {
    vault().exec(QStringLiteral("UPDATE LPass SET RUL = ?, UPass = ?, URetry = ?"),
                 {rul, EncodeValue(password), retries});
}
