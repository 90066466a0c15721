#pragma once

#include <QWidget>
#include <functional>
#include <initializer_list>
#include <vector>

// Each window exists at most once. form<T>() gives the one instance, creating it hidden and
// running its Form_Load the first time; unload<T>() destroys it, so the next use starts from the
// window's design state; isLoaded<T>() asks without creating.
namespace forms {

// Every window kind created so far: its instance, if loaded, and its unloader (tests unload
// everything between cases; the lock unloads every window but the main and login windows).
struct Registered {
    std::function<QWidget*()> instance;
    std::function<void()> unload;
};
std::vector<Registered>& registered();

template <class T> T*& slot() {
    static T* instance = nullptr;
    return instance;
}

} // namespace forms

template <class T> bool isLoaded() {
    return forms::slot<T>() != nullptr;
}

template <class T> void unload() {
    T*& instance = forms::slot<T>();
    if (!instance) return;
    T* window = instance;
    instance = nullptr;
    window->hide(); // ends a modal showing
    window->deleteLater();
}

template <class T> T& form() {
    T*& instance = forms::slot<T>();
    if (!instance) {
        static const bool registered = [] {
            forms::registered().push_back(
                {[]() -> QWidget* { return forms::slot<T>(); }, [] { unload<T>(); }});
            return true;
        }();
        (void)registered;
        instance = new T();
        instance->Form_Load();
    }
    return *instance;
}

// Unloads every window and destroys them now.
void unloadAllForms();

// Unloads every loaded window except those in keep (destroyed when the event loop next runs).
void unloadFormsExcept(std::initializer_list<const QWidget*> keep);
