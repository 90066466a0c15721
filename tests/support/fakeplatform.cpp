#include "fakeplatform.h"

#include <QDialog>
#include <QMenu>

MsgAnswer FakePlatform::messageBox(const QString& title, const QString& prompt, MsgIcon icon, MsgButtons buttons,
                                   MsgAnswer defaultButton) {
    messages.append({title, prompt, icon, buttons, defaultButton});
    if (!answers.isEmpty()) return answers.takeFirst();
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : defaultButton;
}

void FakePlatform::showModal(QDialog& dialog) {
    modals.append(dialog.objectName());
    if (onShowModal) onShowModal(dialog);
}

bool FakePlatform::openDocument(const QString& target) {
    opened.append(target);
    return openSucceeds;
}

QString FakePlatform::chooseFile() { return filesToChoose.isEmpty() ? QString() : filesToChoose.takeFirst(); }

bool FakePlatform::print(QTextDocument& document) {
    ++printCount;
    return onPrint ? onPrint(document) : true;
}

void FakePlatform::endProgram() {
    ++endCount;
    trayVisible = false;
    throw ProgramEnded{};
}

QStringList FakePlatform::titles() const {
    QStringList list;
    for (const auto& m : messages) list << m.title;
    return list;
}

void FakePlatform::popupMenu(QMenu& menu) { menus.append(menu.objectName()); }
