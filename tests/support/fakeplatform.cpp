#include "fakeplatform.h"

#include "app/traylock.h"

#include <QDialog>
#include <QMenu>
#include <QMimeData>
#include <algorithm>

MsgAnswer FakePlatform::messageBox(const QString& title, const QString& prompt, MsgIcon icon,
                                   MsgButtons buttons, MsgAnswer defaultButton) {
    messages.append({title, prompt, icon, buttons, defaultButton});
    if (onMessage) {
        const bool lockedBefore = trayLock().locked();
        onMessage(messages.last());
        if (!lockedBefore && trayLock().locked())
            return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
    }
    if (!answers.isEmpty()) return answers.takeFirst();
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : defaultButton;
}

void FakePlatform::showModal(QDialog& dialog) {
    modals.append(dialog.objectName());
    shownModally.append(&dialog);
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

void FakePlatform::setClipboardData(std::unique_ptr<QMimeData> data) {
    clipboard = data->text();
    clipboardData.clear();
    for (const QString& format : data->formats())
        clipboardData.insert(format, data->data(format));
}

void FakePlatform::setSelectionData(std::unique_ptr<QMimeData> data) {
    selection = data->text();
}

bool FakePlatform::modalWindowOpen() {
    return std::any_of(shownModally.cbegin(), shownModally.cend(),
                       [](const QPointer<QDialog>& w) { return !w.isNull(); });
}

void FakePlatform::advance(qint64 ms) {
    const QDateTime until = clock.addMSecs(ms);
    for (;;) {
        const auto next = std::min_element(timers.begin(), timers.end(),
                                           [](const Timer& a, const Timer& b) { return a.due < b.due; });
        if (next == timers.end() || next->due > until) break;
        clock = std::max(clock, next->due);
        const std::function<void()> callback = std::move(next->callback);
        timers.erase(next);
        callback();
    }
    clock = until;
}
