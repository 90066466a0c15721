#include "mainwindowport.h"

#include <QtGlobal>

namespace {
MainWindowPort& (*makeMainWindow)() = nullptr;
bool (*mainWindowExists)() = nullptr;
} // namespace

MainWindowPort& mainWindow() {
    Q_ASSERT_X(makeMainWindow, "mainWindow", "registerMainWindow() was not called");
    return makeMainWindow();
}

bool mainWindowLoaded() {
    return mainWindowExists && mainWindowExists();
}

void setMainWindowFactory(MainWindowPort& (*make)(), bool (*loaded)()) {
    makeMainWindow = make;
    mainWindowExists = loaded;
}
