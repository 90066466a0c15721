// What the idle lock costs every input event: a mouse move delivered through the application,
// without the lock's event filter and with it.

#include "app/idlelock.h"
#include "app/qtplatform.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

QWidget* target = nullptr;

void deliverMouseMoves(benchmark::State& state) {
    const QPointF at(10, 10);
    for (auto _ : state) {
        QMouseEvent move(QEvent::MouseMove, at, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
    }
}

void BM_MouseMove_NoIdleLock(benchmark::State& state) {
    deliverMouseMoves(state);
}
BENCHMARK(BM_MouseMove_NoIdleLock);

void BM_MouseMove_IdleLock(benchmark::State& state) {
    idleLock().start();
    deliverMouseMoves(state);
}
BENCHMARK(BM_MouseMove_IdleLock);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtPlatform qtPlatform;
    setPlatform(&qtPlatform);
    QWidget window;
    window.setMouseTracking(true);
    window.show();
    target = &window;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
