#include "forms.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

std::vector<forms::Registered>& forms::registered() {
    static std::vector<Registered> list;
    return list;
}

void unloadAllForms() {
    for (const auto& kind : forms::registered())
        kind.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void unloadFormsExcept(std::initializer_list<const QWidget*> keep) {
    for (const auto& kind : forms::registered()) {
        const QWidget* window = kind.instance();
        if (window && std::find(keep.begin(), keep.end(), window) == keep.end()) kind.unload();
    }
}
