#include "platform.h"

#include "store/vault.h"

#include <QCursor>
#include <QGuiApplication>
#include <cassert>

namespace {
Platform* installed = nullptr;
}

Platform& platform() {
    assert(installed);
    return *installed;
}

void setPlatform(Platform* p) {
    installed = p;
    if (!p) {
        setMessageHandler({});
        setBusyHandler({});
        return;
    }
    setBusyHandler([](bool busy) {
        if (busy)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QGuiApplication::restoreOverrideCursor();
    });
    setMessageHandler([p](const QString& title, const QString& prompt, MsgIcon icon, MsgButtons buttons,
                          MsgAnswer defaultButton) { return p->messageBox(title, prompt, icon, buttons, defaultButton); });
}
