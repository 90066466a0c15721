#pragma once

#include <QString>
#include <memory>

class QMimeData;

// The clipboard as the program uses it. Every value it copies is marked for clipboard managers
// not to keep in their history, and is taken off the clipboard again after the delay the user
// chose (clipboardClearSeconds) or when the program ends, unless something else has been copied
// since.

// The data put on the clipboard for a value: its text and the mark.
std::unique_ptr<QMimeData> secretClipboardData(const QString& text);

// Puts a value on the clipboard and starts its delay.
void copyToClipboard(const QString& text);

// Takes the value copied last off the clipboard, and the text selected last off the selection,
// where they still hold exactly them.
void clearCopiedValue();

// Text selected in one of the program's boxes has just reached the selection that a middle click
// pastes: it is marked like a copied value and taken off again after the same delay.
void selectionMade(const QString& text);

// Forgets the value copied last (tests).
void resetCopiedValue();
