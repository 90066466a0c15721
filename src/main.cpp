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

int main(int argc, char* argv[]) {
    // Before anything of the vault is in memory: no core dump, nothing readable by others.
    hardenProcess();
    // The command line is read first: help, version and a refused line need no display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = parseCommandLine(arguments);
    switch (line.action) {
    case CommandLine::Action::Help:
        std::fputs(commandLineHelp().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::fputs(versionText().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "quorlane: %s\nTry 'quorlane --help' for more information.\n",
                     line.problem.toLocal8Bit().constData());
        return CommandLineRefused;
    case CommandLine::Action::Run:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorlane"));
    QApplication::setOrganizationName(QStringLiteral("Quorlane"));
    // Ties the windows to the installed desktop entry (its icon and name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorlane.Quorlane"));
    initQuorlaneResources();
    installTranslations(chosenLocale(), translationsFolder());
    QtPlatform qtPlatform;
    setPlatform(&qtPlatform);
    registerMainWindow();
    ChosenVaultFile = line.vaultFile;
    StartUp();
    return QApplication::exec();
}
