#pragma once

#include "app/controls.h"
#include "app/forms.h"
#include "app/modmain.h"
#include "app/picturebox.h"
#include "fakeplatform.h"
#include "mainwindow/frmmain.h"
#include "store/vault.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QPointer>

// The main window as start-up leaves it: the filter filled (which fills the list), the window
// shown and the first entry selected.
inline frmMain& openMainWindow() {
    frmMain& main = form<frmMain>();
    FillCategoryFilter(0);
    main.show();
    setListIndex(main.List1, 0);
    return main;
}

// Selects the entry list's row showing description, as a click would.
inline void selectEntry(frmMain& main, const QString& description) {
    const auto rows = main.List1->findItems(description, Qt::MatchExactly);
    if (rows.isEmpty()) qFatal("no row %s", qPrintable(description));
    setListIndex(main.List1, main.List1->row(rows.first()));
}

inline QStringList listRows(const QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

// Whether a window has been closed (unloaded and destroyed).
template <class T> bool closed(const QPointer<T>& window) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.isNull();
}

// Every attempt of the operation with the given code fails at the given statement (0: every
// statement).
inline void failOperation(int failingCode, int failingStatement = 0) {
    setFaultHook([=](int code, int, int statement) {
        return code == failingCode && (failingStatement == 0 || statement == failingStatement);
    });
}

inline const QString InjectedFailure = QStringLiteral("(Quorlane: -1: Injected failure)");
