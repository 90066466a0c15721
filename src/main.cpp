#include "app/commandline.h"
#include "app/hardening.h"
#include "app/language.h"
#include "app/modmain.h"
#include "app/platform.h"
#include "app/qtplatform.h"
#include "mainwindow/wiring.h"
#include "store/locations.h"

#include <QApplication>
#include <cstdio>

namespace {
// The names the settings file is found by.
void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Quorlane"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quorlane"));
}
} // namespace

int main(int argc, char* argv[]) {
    // Before anything of the vault is in memory: no core dump, nothing readable by others.
    hardenProcess();
    // The command line is read first: help, version and a refused line need no display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine line = parseCommandLine(arguments);
    if (line.action != CommandLine::Action::Run) {
        // Help, version and refusals speak the user's language, still without a display.
        QCoreApplication console(argc, argv);
        nameApplication();
        installTranslations(chosenLocale(), translationsFolder());
        line = parseCommandLine(arguments);
        if (line.action == CommandLine::Action::Refuse) {
            std::fputs(refusalText(line).toLocal8Bit().constData(), stderr);
            return CommandLineRefused;
        }
        const QString out = line.action == CommandLine::Action::Help ? commandLineHelp() : versionText();
        std::fputs(out.toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    nameApplication();
    // Ties the windows to the installed desktop entry (its icon and name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorlane.Quorlane"));
    initQuorlaneResources();
    installTranslations(chosenLocale(), translationsFolder());
    QtPlatform qtPlatform;
    setPlatform(&qtPlatform);
    registerMainWindow();
    storeState().chosenVaultFile = line.vaultFile;
    StartUp();
    return QApplication::exec();
}
