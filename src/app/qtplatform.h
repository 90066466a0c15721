#pragma once

#include "platform.h"

#include <memory>

class QPrinter;
class QProgressDialog;
class QSystemTrayIcon;
class QTextDocument;

// Prints document on printer. A printout that goes to a file is readable by its owner only: the
// file is made so before anything is written to it; false when that or the printing fails.
bool printDocument(QTextDocument& document, QPrinter& printer);

// The real platform: Qt's message boxes, dialogs, clipboard, shell and printer.
class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    Q_DISABLE_COPY_MOVE(QtPlatform)

    MsgAnswer messageBox(const QString& title, const QString& prompt, MsgIcon icon, MsgButtons buttons,
                         MsgAnswer defaultButton) override;
    void showModal(QDialog& dialog) override;
    bool openDocument(const QString& target) override;
    void setClipboardData(std::unique_ptr<QMimeData> data) override;
    QString clipboardText() override;
    void clearClipboard() override;
    void setSelectionData(std::unique_ptr<QMimeData> data) override;
    QString selectionText() override;
    void clearSelection() override;
    QString chooseFile() override;
    QString chooseFileToOpen(const QString& caption, const QString& filter) override;
    QString chooseFileToSave(const QString& caption, const QString& suggestedName,
                             const QString& filter) override;
    void progress(const QString& label, qint64 done, qint64 total) override;
    bool print(QTextDocument& document) override;
    bool trayAvailable() override;
    void trayShow(const QString& tip) override;
    void trayHide() override;
    void setTrayReceiver(std::function<void(int reason)> receiver) override;
    void popupMenu(QMenu& menu) override;
    QSize screenSizeTwips() override;
    int twipsPerPixel() override;
    QDateTime now() override;
    void after(int ms, std::function<void()> callback) override;
    bool modalWindowOpen() override;
    [[noreturn]] void endProgram() override;

    // The tray icon, for the lock to connect its clicks.
    QSystemTrayIcon* trayIcon() const { return tray_.get(); }

private:
    std::unique_ptr<QSystemTrayIcon> tray_;
    std::unique_ptr<QProgressDialog> progress_;
};
