#pragma once

#include "app/platform.h"

#include <QDateTime>
#include <QMimeData>
#include <QSize>
#include <cstdio>
#include <cstdlib>

// Answers every question with its default and shows nothing.
class BenchPlatform final : public Platform {
public:
    MsgAnswer messageBox(const QString& title, const QString& prompt, MsgIcon, MsgButtons,
                         MsgAnswer defaultButton) override {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(prompt));
        return defaultButton;
    }
    void showModal(QDialog&) override {}
    bool openDocument(const QString&) override { return false; }
    void setClipboardData(std::unique_ptr<QMimeData>) override {}
    QString clipboardText() override { return {}; }
    void clearClipboard() override {}
    QString chooseFile() override { return {}; }
    bool print(QTextDocument&) override { return false; }
    bool trayAvailable() override { return false; }
    void trayShow(const QString&) override {}
    void trayHide() override {}
    void setTrayReceiver(std::function<void(int)>) override {}
    void popupMenu(QMenu&) override {}
    QSize screenSizeTwips() override { return {15 * 1024, 15 * 768}; }
    int twipsPerPixel() override { return 15; }
    QDateTime now() override { return QDateTime(QDate(2013, 3, 15), QTime(14, 5, 9)); }
    void after(int, std::function<void()>) override {}
    bool modalWindowOpen() override { return false; }
    [[noreturn]] void endProgram() override { std::abort(); }
};
