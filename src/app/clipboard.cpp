#include "clipboard.h"

#include "modregistry.h"
#include "platform.h"

#include <QMimeData>

namespace {

QString copied;        // the value put on the clipboard last
bool pending = false;  // whether it may still be there
quint64 copyCount = 0; // tells a delay's own copy from a later one
QString selected;      // the text put on the selection last
quint64 selectCount = 0;

// Takes the text selected last off the selection, if the selection still holds exactly it.
void clearSelectedValue() {
    if (!selected.isEmpty() && platform().selectionText() == selected) platform().clearSelection();
    selected.clear();
}

} // namespace

std::unique_ptr<QMimeData> secretClipboardData(const QString& text) {
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
#ifdef Q_OS_WIN
    // Windows' clipboard history and monitors skip data carrying this format.
    data->setData(QStringLiteral(
                      "application/x-qt-windows-mime;value=\"ExcludeClipboardContentFromMonitorProcessing\""),
                  QByteArray(1, '\0'));
#else
    // KDE's Klipper and the clipboard managers following it keep no history of such data.
    data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
#endif
    return data;
}

void copyToClipboard(const QString& text) {
    platform().setClipboardData(secretClipboardData(text));
    // An empty text gives nothing away; clearing it could wipe a picture copied since.
    copied = text;
    pending = !text.isEmpty();
    const quint64 thisCopy = ++copyCount;
    const int seconds = clipboardClearSeconds();
    if (pending && seconds > 0)
        platform().after(seconds * 1000, [thisCopy] {
            if (thisCopy == copyCount) clearCopiedValue();
        });
}

void clearCopiedValue() {
    if (pending && platform().clipboardText() == copied) platform().clearClipboard();
    pending = false;
    copied.clear();
    clearSelectedValue();
}

void selectionMade(const QString& text) {
    // Putting the marked data there selects anew: that second call changes nothing.
    if (text.isEmpty() || text == selected) return;
    selected = text;
    platform().setSelectionData(secretClipboardData(text));
    const quint64 thisSelection = ++selectCount;
    const int seconds = clipboardClearSeconds();
    if (seconds > 0)
        platform().after(seconds * 1000, [thisSelection] {
            if (thisSelection == selectCount) clearSelectedValue();
        });
}

void resetCopiedValue() {
    pending = false;
    copied.clear();
    ++copyCount;
    selected.clear();
    ++selectCount;
}
