// The find box on a generated vault (--entries=N, 10,000 without it): the time from the last
// keystroke to the narrowed list, the wait for the next keystroke included, for the first letter
// (every entry scanned), a second letter (the first letter's rows scanned), a letter in the
// every-value mode, and Esc (the whole list back). Goal: the list within 100 ms of the last
// keystroke at 100,000 entries, description matches.
#include "app/entrylistmodel.h"
#include "app/forms.h"
#include "app/qtplatform.h"
#include "benchvault.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/wiring.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>

namespace {

frmMain& mainForm() {
    return form<frmMain>();
}

// Presses a key on the find box as the keyboard does.
void press(Qt::Key key, const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(mainForm().txtFind, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(mainForm().txtFind, &up);
}

// Milliseconds from the last key pressed to the list narrowed and drawn.
double keystrokeToList(const std::function<void()>& keys) {
    bool reset = false;
    const QMetaObject::Connection watch = QObject::connect(
        mainForm().List1->model(), &QAbstractItemModel::modelReset, [&reset] { reset = true; });
    QElapsedTimer clock;
    keys();
    clock.start();
    while (!reset)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(); // the view lays out and draws the new rows
    const double ms = clock.nsecsElapsed() / 1e6;
    QObject::disconnect(watch);
    return ms;
}

struct Figure {
    double best = 1e9, worst = 0;
    void add(double ms) {
        best = std::min(best, ms);
        worst = std::max(worst, ms);
    }
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int entries = benchEntries(argc, argv);
    QApplication app(argc, argv);
    QtPlatform qtPlatform;
    startProgram(qtPlatform);
    makeBenchVault(entries);
    form<frmMain>().fillCategoryFilter();
    frmMain& main = mainForm();
    main.show();
    main.txtFind->setFocus();
    const int rounds = 7;
    Figure first, second, values, escape;
    int firstRows = 0, secondRows = 0, valueRows = 0;
    for (int round = 0; round < rounds; ++round) {
        const QString a = QString(QChar(u'A' + round % 26)), b = QString(QChar(u'E' + round % 20));
        main.chkFindAll->setChecked(false);
        first.add(keystrokeToList([&] { press(Qt::Key(Qt::Key_A + round % 26), a); }));
        firstRows = main.List1->count();
        second.add(keystrokeToList([&] { press(Qt::Key(Qt::Key_E + round % 20), b); }));
        secondRows = main.List1->count();
        escape.add(keystrokeToList([] { press(Qt::Key_Escape); }));
        main.chkFindAll->setChecked(true);
        values.add(keystrokeToList([&] { press(Qt::Key(Qt::Key_A + round % 26), a); }));
        valueRows = main.List1->count();
        press(Qt::Key_Escape);
    }
    std::printf("\nFind as you type on %d entries, best and worst of %d rounds (the wait for the next\n"
                "keystroke, %d ms, included):\n",
                entries, rounds, mainlayout::design::FindDelayMs);
    const auto print = [](const char* name, const Figure& f, int rows, const char* goal) {
        std::printf("  %-44s %7.1f ms .. %7.1f ms (%d rows; goal: %s)\n", name, f.best, f.worst, rows, goal);
    };
    print("first letter, description", first, firstRows, "< 100 ms at 100,000");
    print("second letter, description", second, secondRows, "< 100 ms at 100,000");
    print("Esc: the whole list back", escape, entries, "-");
    print("a letter, every value", values, valueRows, "-");
    unloadAllForms();
    return 0;
}
