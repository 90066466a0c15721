#pragma once

#include <QObject>
#include <QSystemTrayIcon>

// The one object that answers the lock's and the login's events: the idle lock's period locks
// the program when a login is set; a click on the tray icon or the lock's cover brings the main
// window back, through the login window when a login is set; an accepted password shows the
// main window. The tray lock and the idle lock only signal; the login window only reports its
// result in the login session.
class LoginController final : public QObject {
    Q_OBJECT
public:
    explicit LoginController(QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(LoginController)

    // One showing of the login window at start; however it closes, it is gone afterwards, and
    // the main window shows when the password was right.
    void showStartUpLogin();

    // Brings the program to the front the way the user would: the login window when one is open,
    // the main window when it is unlocked, else the way back from the lock.
    void comeToFront();

private:
    // A click on the tray icon: left click or double-click brings the window back, a right
    // click while the window is hidden opens the shutdown menu; anything else is ignored.
    void activationRequested(QSystemTrayIcon::ActivationReason reason);
    // The way back from the lock: asks the password when a login is set.
    void unlock();
    // The login window accepted the password: the main window comes back.
    void loginAccepted();

    bool busy_ = false; // the login window of a way back is open
};

// The one login controller of the program; the main window's wiring creates it before start-up.
LoginController& loginController();
