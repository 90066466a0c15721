#include "testmain.h"

#include "app/language.h"
#include "app/modmain.h"
#include "fakeplatform.h"
#include "mainwindow/wiring.h"
#include "store/filecheck.h"

#include <QApplication>
#include <QFile>
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
    // No test ever touches the real user's data folder (where start-up makes a vault) or print
    // folder: both are private to this run.
    QTemporaryDir home;
    const QByteArray homePath = QFile::encodeName(home.path());
    qputenv("XDG_DATA_HOME", homePath + "/data");
    qputenv("XDG_RUNTIME_DIR", homePath);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuorlaneTests"));
    QApplication::setOrganizationName(QStringLiteral("QuorlaneTests"));
    // The windows speak English, the source language, with its plural forms.
    installTranslations(QLocale(QLocale::English), QStringLiteral(QUORLANE_APP_DIR "/translations"));
    // Sorting, case and number texts do not follow the machine the tests run on.
    QLocale::setDefault(QLocale::c());
    initQuorlaneResources();
    setPlatform(&fake());
    // The checker program of the build, as the program finds it beside itself.
    setVaultCheckerProgram(QStringLiteral(QUORLANE_APP_DIR "/quorlane-vaultcheck"));
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
