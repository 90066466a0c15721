#include "forms.h"

#include <QCoreApplication>
#include <QEvent>

std::vector<std::function<void()>>& forms::unloaders() {
    static std::vector<std::function<void()>> list;
    return list;
}

void unloadAllForms() {
    for (const auto& unloadOne : forms::unloaders()) unloadOne();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
