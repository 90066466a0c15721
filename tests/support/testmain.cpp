#include "testmain.h"

#include "app/modmain.h"
#include "fakeplatform.h"
#include "mainwindow/wiring.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

namespace {
std::vector<std::function<std::unique_ptr<QObject>()>>& classes() {
    static std::vector<std::function<std::unique_ptr<QObject>()>> list;
    return list;
}
} // namespace

bool registerTestClass(std::function<std::unique_ptr<QObject>()> make) {
    classes().push_back(std::move(make));
    return true;
}

FakePlatform& fake() {
    static FakePlatform instance;
    return instance;
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuorlaneTests"));
    QApplication::setOrganizationName(QStringLiteral("QuorlaneTests"));
    // Sorting, case and number texts do not follow the machine the tests run on.
    QLocale::setDefault(QLocale::c());
    initQuorlaneResources();
    setPlatform(&fake());
    registerMainWindow();
    // No test ever reads or writes the real user's preferences.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    int failures = 0;
    for (const auto& make : classes()) {
        std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
