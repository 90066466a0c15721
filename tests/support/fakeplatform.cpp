#include "fakeplatform.h"

#include <QDialog>
#include <QMenu>

MsgAnswer FakePlatform::messageBox(const QString& title, const QString& prompt, MsgIcon icon,
                                   MsgButtons buttons, MsgAnswer defaultButton) {
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

QString FakePlatform::chooseFile() {
    return filesToChoose.isEmpty() ? QString() : filesToChoose.takeFirst();
}

QString FakePlatform::chooseFileToOpen(const QString& caption, const QString& filter) {
    fileDialogs.append(caption + QStringLiteral("||") + filter);
    return chooseFile();
}

QString FakePlatform::chooseFileToSave(const QString& caption, const QString& suggestedName,
                                       const QString& filter) {
    fileDialogs.append(caption + QLatin1Char('|') + suggestedName + QLatin1Char('|') + filter);
    return chooseFile();
}

void FakePlatform::progress(const QString&, qint64 done, qint64) {
    progressSteps.append(done);
}

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
    for (const auto& m : messages)
        list << m.title;
    return list;
}

void FakePlatform::popupMenu(QMenu& menu) {
    menus.append(menu.objectName());
}
