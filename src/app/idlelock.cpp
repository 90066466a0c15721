#include "idlelock.h"

#include "modregistry.h"
#include "platform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <algorithm>

IdleLock& idleLock() {
    static QPointer<IdleLock> instance;
    if (!instance) instance = new IdleLock(QCoreApplication::instance());
    return *instance;
}

IdleLock::IdleLock(QObject* parent) : QObject(parent) {}

void IdleLock::start() {
    if (!watching_) {
        QCoreApplication::instance()->installEventFilter(this);
        watching_ = true;
    }
    lastInput_ = platform().now();
    ++round_;
    wakeIn(qint64(idleLockMinutes()) * 60000);
}

void IdleLock::wakeIn(qint64 ms) {
    if (ms <= 0) return; // never locks
    const quint64 round = round_;
    platform().after(int(std::min<qint64>(ms, 24LL * 60 * 60000)), [this, round] { check(round); });
}

void IdleLock::check(quint64 round) {
    if (round != round_) return;
    const qint64 period = qint64(idleLockMinutes()) * 60000;
    if (period <= 0) return;
    const qint64 idle = lastInput_.msecsTo(platform().now());
    if (idle < period) return wakeIn(period - idle);
    emit idleTimeReached();
    wakeIn(period);
}

bool IdleLock::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TabletPress:
        lastInput_ = platform().now();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
