#pragma once

// Helpers of the tests that drive the windows: the main window as start-up leaves it, picking
// entries, failing operations and scripting what a person does in each modal window.

#include "app/controls.h"
#include "app/entrylistmodel.h"
#include "app/forms.h"
#include "app/picturebox.h"
#include "fakeplatform.h"
#include "mainwindow/frmmain.h"
#include "store/vault.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHash>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <functional>

// The main window as start-up leaves it: the filter filled (which fills the list), the window
// shown and the first entry selected.
inline frmMain& openMainWindow() {
    frmMain& main = form<frmMain>();
    form<frmMain>().fillCategoryFilter();
    main.show();
    setListIndex(main.List1, 0);
    return main;
}

// Selects the entry list's row showing description, as a click would.
inline void selectEntry(frmMain& main, const QString& description) {
    if (!main.selectEntry(description, true)) qFatal("no row %s", qPrintable(description));
}

inline QStringList listRows(const EntryListView* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->entries().textAt(i);
    return rows;
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

// What a person does inside each window while it is shown, by the window's name. Windows open
// one another, so the script is consulted again for every nested showing; a window without a
// step is closed with Esc.
class ModalScript {
public:
    ModalScript() {
        fake().onShowModal = [this](QDialog& window) {
            const auto step = steps_.find(window.objectName());
            if (step != steps_.end())
                (*step)(window);
            else
                window.reject();
        };
    }
    template <class T> void on(const QString& name, std::function<void(T&)> step) {
        steps_[name] = [step](QDialog& window) { step(static_cast<T&>(window)); };
    }

private:
    QHash<QString, std::function<void(QDialog&)>> steps_;
};

// Destroys the windows unloaded so far, as the event loop would.
inline void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
