#pragma once

#include "store/messages.h"

#include <QDateTime>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QDialog;
class QMenu;
class QMimeData;
class QTextDocument;

// Everything that leaves the program or waits for a person goes through this one interface,
// so that tests can answer for the person and see what the program asked.
class Platform {
public:
    virtual ~Platform() = default;

    // A message box; gives the button the person chose.
    virtual MsgAnswer messageBox(const QString& title, const QString& prompt, MsgIcon icon,
                                 MsgButtons buttons = MsgButtons::Ok,
                                 MsgAnswer defaultButton = MsgAnswer::Ok) = 0;
    // Shows a window modally and returns when it closes.
    virtual void showModal(QDialog& dialog) = 0;
    // The shell's "Open": a web address or a file with its associated program.
    virtual bool openDocument(const QString& target) = 0;
    // Puts data on the clipboard in place of what it held. Values go through copyToClipboard
    // (clipboard.h), which marks them and takes them off again.
    virtual void setClipboardData(std::unique_ptr<QMimeData> data) = 0;
    virtual QString clipboardText() = 0;
    virtual void clearClipboard() = 0;
    // The selection that a middle click pastes (X11's PRIMARY), where the desktop has one: put
    // data there in place of what it held, read it, empty it.
    virtual void setSelectionData(std::unique_ptr<QMimeData> data) { (void)data; }
    virtual QString selectionText() { return {}; }
    virtual void clearSelection() {}
    // The file-open dialog; empty when cancelled.
    virtual QString chooseFile() = 0;
    // The file-open dialog with a caption and a file-type filter ("CSV files (*.csv)"); empty when
    // cancelled.
    virtual QString chooseFileToOpen(const QString& caption, const QString& filter) {
        (void)caption, (void)filter;
        return chooseFile();
    }
    // The file-save dialog, which asks before replacing a file; empty when cancelled.
    virtual QString chooseFileToSave(const QString& caption, const QString& suggestedName,
                                     const QString& filter) {
        (void)caption, (void)suggestedName, (void)filter;
        return {};
    }
    // Progress of a long task: a window with label and a bar from the first call until done
    // reaches total, and the screen kept drawn meanwhile.
    virtual void progress(const QString& label, qint64 done, qint64 total) {
        (void)label, (void)done, (void)total;
    }
    // The print dialog, then printing; false when cancelled or failed.
    virtual bool print(QTextDocument& document) = 0;
    // The notification-area icon.
    virtual bool trayAvailable() = 0;
    virtual void trayShow(const QString& tip) = 0;
    virtual void trayHide() = 0;
    // Where the tray icon's clicks go: receiver gets each activation's reason
    // (QSystemTrayIcon::ActivationReason as a number). Replaces an earlier receiver.
    virtual void setTrayReceiver(std::function<void(int reason)> receiver) = 0;
    // Opens a pop-up menu at the pointer (the tray's shutdown menu) without waiting.
    virtual void popupMenu(QMenu& menu) = 0;
    // Screen metrics in twips (1/1440 inch).
    virtual QSize screenSizeTwips() = 0;
    virtual int twipsPerPixel() = 0;
    virtual QDateTime now() = 0;
    // Runs callback once, ms milliseconds from now, from the event loop.
    virtual void after(int ms, std::function<void()> callback) = 0;
    // Whether a window shown with showModal, or a message box, is still open.
    virtual bool modalWindowOpen() = 0;
    // Removes the tray icon and ends the program at once, saving nothing.
    [[noreturn]] virtual void endProgram() = 0;
};

// The platform in use; setPlatform also routes the vault store's messages through it.
Platform& platform();
void setPlatform(Platform* p);
