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

std::array<QString, 6> shownTitles(const ShownEntry& shown) {
    if (const std::optional<CategoryDefinition>& definition = shown.definition) {
        std::array<QString, 6> titles;
        for (std::size_t i = 0; i < titles.size(); ++i)
            titles[i] = definition->shownTitle(CategoryDefinition::Title(i));
        return titles;
    }
    return {QStringLiteral("Description Title:"),      QStringLiteral("User Defined Field (1):"),
            QStringLiteral("User Defined Field (2):"), QStringLiteral("User Defined Field (3):"),
            QStringLiteral("User Defined Field (4):"), QStringLiteral("Notes:")};
}
