#include "app/hardening.h"
#include "app/modmain.h"
#include "app/platform.h"
#include "app/qtplatform.h"
#include "mainwindow/wiring.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    hardenProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorlane"));
    QApplication::setOrganizationName(QStringLiteral("Quorlane"));
    // Ties the windows to the installed desktop entry (its icon and name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorlane.Quorlane"));
    initQuorlaneResources();
    QtPlatform qtPlatform;
    setPlatform(&qtPlatform);
    registerMainWindow();
    StartUp();
    return QApplication::exec();
}
