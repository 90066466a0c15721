#pragma once

#include "app/platform.h"

#include <QList>
#include <QMap>
#include <QPointer>
#include <QStringList>
#include <functional>

// Thrown by FakePlatform::endProgram, so that a test sees the program stop.
struct ProgramEnded {};

struct MessageRecord {
    QString title;
    QString prompt;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    MsgAnswer defaultButton = MsgAnswer::Ok;
};

// A platform that records every call and answers from a script.
class FakePlatform final : public Platform {
public:
    // Message boxes shown, in order; answers are taken from the front of `answers`, and the
    // box's default button answers when it is empty.
    QList<MessageRecord> messages;
    QList<MsgAnswer> answers;
    // Runs while a message box "is shown"; a lock meanwhile closes the box as No (or OK).
    std::function<void(const MessageRecord&)> onMessage;

    // Windows shown modally (their objectName); onShowModal runs while the window "is shown".
    QStringList modals;
    std::function<void(QDialog&)> onShowModal;

    QStringList opened; // targets handed to the shell
    bool openSucceeds = true;
    QString clipboard;                       // the clipboard's text
    QMap<QString, QByteArray> clipboardData; // every format of the data put there last
    int clipboardClears = 0;
    QStringList filesToChoose;   // answers of the file dialog, from the front; empty answers ""
    QStringList fileDialogs;     // caption | suggested name | filter of every file dialog
    QList<qint64> progressSteps; // done of every progress report, in order (total last when finished)
    int printCount = 0;
    std::function<bool(QTextDocument&)> onPrint; // default: printing succeeds
    bool tray = false;                           // whether a system tray exists
    bool trayVisible = false;
    QString trayTip;
    std::function<void(int)> trayReceiver; // what a click on the tray icon reaches
    QStringList menus;                     // pop-up menus opened (their objectName)
    QSize screenTwips{15 * 1024, 15 * 768};
    int tpp = 15;
    QDateTime clock{QDate(2013, 3, 15), QTime(14, 5, 9)};
    // Timers waiting for the clock; advance() runs them.
    struct Timer {
        QDateTime due;
        std::function<void()> callback;
    };
    QList<Timer> timers;
    QList<QPointer<QDialog>> shownModally; // open until destroyed
    int endCount = 0;

    MsgAnswer messageBox(const QString& title, const QString& prompt, MsgIcon icon, MsgButtons buttons,
                         MsgAnswer defaultButton) override;
    void showModal(QDialog& dialog) override;
    bool openDocument(const QString& target) override;
    void setClipboardData(std::unique_ptr<QMimeData> data) override;
    QString clipboardText() override { return clipboard; }
    void clearClipboard() override {
        clipboard.clear();
        clipboardData.clear();
        ++clipboardClears;
    }
    QString selection; // the selection a middle click pastes
    int selectionClears = 0;
    void setSelectionData(std::unique_ptr<QMimeData> data) override;
    QString selectionText() override { return selection; }
    void clearSelection() override {
        selection.clear();
        ++selectionClears;
    }
    QString chooseFile() override;
    QString chooseFileToOpen(const QString& caption, const QString& filter) override;
    QString chooseFileToSave(const QString& caption, const QString& suggestedName,
                             const QString& filter) override;
    void progress(const QString& label, qint64 done, qint64 total) override;
    bool print(QTextDocument& document) override;
    bool trayAvailable() override { return tray; }
    void trayShow(const QString& tip) override {
        trayVisible = true;
        trayTip = tip;
    }
    void trayHide() override { trayVisible = false; }
    void setTrayReceiver(std::function<void(int reason)> receiver) override {
        trayReceiver = std::move(receiver);
    }
    void popupMenu(QMenu& menu) override;
    // A click on the tray icon (a QSystemTrayIcon::ActivationReason); nothing without an icon.
    void clickTray(int reason) {
        if (trayVisible && trayReceiver) trayReceiver(reason);
    }
    QSize screenSizeTwips() override { return screenTwips; }
    int twipsPerPixel() override { return tpp; }
    QDateTime now() override { return clock; }
    void after(int ms, std::function<void()> callback) override {
        timers.append({clock.addMSecs(ms), std::move(callback)});
    }
    bool modalWindowOpen() override;
    // Moves the clock on by ms, running each timer that falls due on the way at its time.
    void advance(qint64 ms);
    [[noreturn]] void endProgram() override;

    // The last message's title ("" when none).
    QString lastTitle() const { return messages.isEmpty() ? QString() : messages.last().title; }
    QStringList titles() const;
};

// The fake platform of the running test.
FakePlatform& fake();
