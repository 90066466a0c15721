#include "storable.h"

#include "platform.h"
#include "store/text.h"

#include <QCoreApplication>
#include <QWidget>

bool checkStorable(const QString& fieldName, const QString& text, QWidget* box) {
    const QString character = text::firstUnkeepable(text);
    if (character.isEmpty()) return true;
    platform().messageBox(QCoreApplication::translate("Storable", "Unsupported Character"),
                          QCoreApplication::translate(
                              "Storable", "The %1 holds the character %2, which the vault cannot keep.\n"
                                          "Please remove it; nothing has been saved.")
                              .arg(fieldName, character),
                          MsgIcon::Error);
    if (box) box->setFocus();
    return false;
}
