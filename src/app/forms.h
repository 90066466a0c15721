#pragma once

#include <QWidget>
#include <functional>
#include <vector>

// Each window exists at most once. form<T>() gives the one instance, creating it hidden and
// running its Form_Load the first time; unload<T>() destroys it, so the next use starts from the
// window's design state; isLoaded<T>() asks without creating.
namespace forms {

// Unloaders of every window created so far (tests unload everything between cases).
std::vector<std::function<void()>>& unloaders();

template <class T> T*& slot() {
    static T* instance = nullptr;
    return instance;
}

} // namespace forms

template <class T> bool isLoaded() { return forms::slot<T>() != nullptr; }

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
            forms::unloaders().push_back([] { unload<T>(); });
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
