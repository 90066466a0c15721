#pragma once

#include <QApplication>

// The hourglass over the program's windows while printing runs; the arrow comes back when the
// guard is released or goes out of scope, whichever way the printing ends.
class Hourglass final {
public:
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { release(); }
    Q_DISABLE_COPY_MOVE(Hourglass)

    void release() {
        if (!active_) return;
        active_ = false;
        QApplication::restoreOverrideCursor();
    }

private:
    bool active_ = true;
};
