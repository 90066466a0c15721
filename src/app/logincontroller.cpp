#include "logincontroller.h"

#include "forms.h"
#include "frmlogin.h"
#include "idlelock.h"
#include "loginsession.h"
#include "mainwindowport.h"
#include "platform.h"
#include "traylock.h"
#include "vaultlock.h"
#include "vaultwatch.h"

#include <QCoreApplication>
#include <QPointer>
#include <QScopeGuard>
#include <QWidget>

LoginController& loginController() {
    static QPointer<LoginController> instance;
    if (!instance) instance = new LoginController(QCoreApplication::instance());
    return *instance;
}

LoginController::LoginController(QObject* parent) : QObject(parent) {
    connect(&trayLock(), &TrayLock::activationRequested, this, &LoginController::activationRequested);
    // Idle for the period: locks when a login is set, whatever window is open (the lock closes
    // it); locked already, the idle lock just looks again a period later.
    connect(&idleLock(), &IdleLock::idleTimeReached, this, [] {
        if (loginRequired() && trayLock().mainShown()) trayLock().lock();
    });
}

void LoginController::showStartUpLogin() {
    platform().showModal(form<frmLogin>());
    unload<frmLogin>();
    if (loginSession().accepted) loginAccepted();
}

void LoginController::comeToFront() {
    if (isLoaded<frmLogin>()) {
        frmLogin& login = form<frmLogin>();
        login.setWindowState(login.windowState() & ~Qt::WindowMinimized);
        login.raise();
        login.activateWindow();
    } else if (trayLock().mainShown()) {
        trayLock().showMainWindow();
    } else if (mainWindowLoaded()) {
        unlock();
    }
}

void LoginController::activationRequested(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
    case QSystemTrayIcon::DoubleClick:
        unlock();
        break;
    case QSystemTrayIcon::Context: {
        if (trayLock().mainShown()) return;
        mainWindow().widget().activateWindow();
        platform().popupMenu(mainWindow().trayMenu());
        break;
    }
    default:
        break;
    }
}

void LoginController::unlock() {
    if (busy_) {
        if (isLoaded<frmLogin>()) form<frmLogin>().activateWindow();
        return;
    }
    if (!loginRequired()) {
        trayLock().showMainWindow();
        return;
    }
    frmLogin& login = form<frmLogin>();
    login.setWindowState(Qt::WindowNoState);
    login.raise();
    login.activateWindow();
    loginSession().beginTrayLogin();
    if (trayLock().mainShown()) {
        unload<frmLogin>();
        return;
    }
    {
        busy_ = true;
        const auto done = qScopeGuard([this] { busy_ = false; });
        platform().showModal(login);
    }
    unload<frmLogin>();
    if (loginSession().accepted) return loginAccepted();
    // Refused: the window stays locked; without a tray it goes back to the task bar.
    if (mainWindowLoaded() && trayLock().covered()) mainWindow().widget().showMinimized();
}

void LoginController::loginAccepted() {
    platform().trayHide();
    trayLock().showMainWindow();
    // Another program may have changed the vault while the window was locked.
    if (loginSession().fromTray) showOutsideChange();
}
