#pragma once

#include <QObject>
#include <QSystemTrayIcon>

class QWidget;

// The lock to the system tray: hides the main window behind an icon in the notification area and
// brings it back on a click, through the login window when a login password is set.
//
// On a desktop without a notification area the window cannot be reached once hidden, so there
// the lock minimises it instead and covers its values; restoring the window, or clicking the
// cover, takes the same way back as a click on the icon.
class TrayLock final : public QObject {
    Q_OBJECT
public:
    explicit TrayLock(QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(TrayLock)

    // The lock command: hides the main window and shows the icon with the tip "Quorlane".
    void lock();

    // Whether the main window can be seen: visible and not locked behind its cover.
    bool mainShown() const;

    // Brings the main window back in its normal size, in front, uncovered.
    void showMainWindow();

public slots:
    // A click on the tray icon: left click or double-click brings the window back, a right
    // click while the window is hidden opens the shutdown menu; anything else is ignored.
    void activated(QSystemTrayIcon::ActivationReason reason);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cover(QWidget& main);
    QWidget* coverOf(const QWidget& main) const;
    void leftClick();

    bool busy_ = false; // a way back is under way (the login window is open)
};

// The one lock of the program.
TrayLock& trayLock();
