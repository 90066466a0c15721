#pragma once

#include <QObject>
#include <functional>
#include <memory>

// Every test class of an executable registers itself; the shared main runs them all.
bool registerTestClass(std::function<std::unique_ptr<QObject>()> make);

#define QUORLANE_TEST(Class) \
    static const bool registered##Class = registerTestClass([] { return std::make_unique<Class>(); })
