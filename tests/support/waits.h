#pragma once

// Waits of the window tests. Each polls for its condition with a deadline that only a real fault
// reaches, so a busy machine makes a run slower, never red.

#include <QString>
#include <QTest>
#include <QWidget>

inline constexpr int WaitMs = 60000;

// Shows the window and makes it the active one, as a person clicking on it would. A window that
// never becomes active fails the running test with the reason (keys and focus changes would go
// nowhere); the test may go on, it is reported failed.
[[nodiscard]] inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    if (QTest::qWaitForWindowActive(&window, WaitMs)) return true;
    QTest::qFail(qPrintable(QStringLiteral("the window %1 did not become active in %2 s: keys and focus "
                                           "changes cannot be tested")
                                .arg(window.objectName())
                                .arg(WaitMs / 1000)),
                 __FILE__, __LINE__);
    return false;
}
