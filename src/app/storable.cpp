#include "storable.h"

#include "platform.h"
#include "store/cp1252.h"

#include <QWidget>

bool checkStorable(const QString& fieldName, const QString& text, bool refuseEuro, QWidget* box) {
    // A zero byte ends a value early in other programs and in the program's own export.
    const QString character =
        text.contains(QChar(0)) ? QStringLiteral("U+0000") : cp1252::firstUnstorable(text, refuseEuro);
    if (character.isEmpty()) return true;
    platform().messageBox(
        UnsupportedCharacterTitle,
        QStringLiteral("The %1 holds the character \"%2\", which the vault cannot store as typed.\n"
                       "Please remove or replace it; nothing has been saved.")
            .arg(fieldName, character),
        MsgIcon::Error);
    if (box) box->setFocus();
    return false;
}
