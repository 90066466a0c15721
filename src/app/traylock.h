#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <functional>

class QWidget;

// The lock to the system tray: hides the main window behind an icon in the notification area and
// brings it back. A click on the icon or the cover only asks for the window (activationRequested);
// the login controller decides what happens.
//
// Locked, nothing of the vault is left in the program's windows: every window but the main one
// is closed (message boxes as Cancel/No), the entry list and the shown entry are emptied, a value
// the program put on the clipboard or the selection is taken off, the vault's key is forgotten and
// no control of the main window answers any input. The way back fills the window again.
//
// On a desktop without a notification area the window cannot be reached once hidden, so there
// the lock minimises it instead and covers its values; restoring the window, or clicking the
// cover, takes the same way back as a click on the icon.
class TrayLock final : public QObject {
    Q_OBJECT
public:
    explicit TrayLock(QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(TrayLock)

    // The lock command: empties the program, hides the main window and shows the icon with the
    // tip "Quorlane". A vault operation under way (a save) ends first: the lock follows it.
    void lock();

    // Whether the program is locked (from the lock until the main window is back).
    bool locked() const { return locked_; }
    // Unlocked, as before the first lock (tests).
    void reset();

    // Whether the main window can be seen: visible and not locked behind its cover.
    bool mainShown() const;
    // Whether the main window is locked behind its cover (no tray).
    bool covered() const;

    // Brings the main window back in its normal size, in front, uncovered; after a lock it fills
    // the window again and says what the lock discarded.
    void showMainWindow();

    // What the lock is about to discard that the user should hear of after the unlock (the open
    // entry editor's unsaved changes); empty when nothing. Set by the windows' library.
    void setDiscardedWorkProbe(std::function<QString()> probe) { discardedWorkProbe_ = std::move(probe); }

public slots:
    // A click on the tray icon (or on the cover, or the covered window restored, as a left
    // click): passed on as a request.
    void activated(QSystemTrayIcon::ActivationReason reason) { emit activationRequested(reason); }

signals:
    void activationRequested(QSystemTrayIcon::ActivationReason reason);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cover(QWidget& main);
    void closeSecondaryWindows();
    void disableControls(QWidget& main);
    void enableControls();
    QWidget* coverOf(const QWidget& main) const;

    bool locked_ = false;
    QString discarded_; // what the lock discarded, said after the unlock
    std::function<QString()> discardedWorkProbe_;
    QList<QPointer<QWidget>> disabled_; // controls the lock disabled
};

// The one lock of the program.
TrayLock& trayLock();
