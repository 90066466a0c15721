#pragma once

#include <QDateTime>
#include <QObject>

// Tells when a period (idleLockMinutes) has passed without keyboard or mouse input in any of the
// program's windows; the tray lock answers by locking when a login password is set.
class IdleLock final : public QObject {
    Q_OBJECT
public:
    explicit IdleLock(QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(IdleLock)

    // Watches the program's input and counts the idle time from now; called at start and again
    // when the period (idleLockMinutes) changes.
    void start();

signals:
    // The period has passed without input; sent again each further period while idle.
    void idleTimeReached();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wakeIn(qint64 ms);
    void check(quint64 round);

    QDateTime lastInput_;
    quint64 round_ = 0; // a start makes the checks planned before it void
    bool watching_ = false;
};

// The one idle lock of the program.
IdleLock& idleLock();
