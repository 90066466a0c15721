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
    // The busy pointer around every vault operation (a vault locked by another program can
    // take a moment); message boxes show the ordinary pointer over it.
    if (!p) {
        setBusyHandler({});
        return;
    }
    setBusyHandler([](bool busy) {
        if (busy)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QGuiApplication::restoreOverrideCursor();
    });
}
