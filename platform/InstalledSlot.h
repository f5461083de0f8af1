#pragma once

#include <QtGlobal>
#include <memory>

// The one implementation of an interface that a program installs at start (its platform,
// its printing). The slot owns it; asked for before one is installed, it ends the program
// with a message naming what was forgotten, instead of going on without it.
template <class Interface>
class InstalledSlot {
public:
    static Interface &get(const char *forgotten) {
        if (!slot()) qFatal("Cartaflex: %s", forgotten);
        return *slot();
    }
    // Takes ownership and drops the previous one.
    static void install(Interface *implementation) { slot().reset(implementation); }

private:
    static std::unique_ptr<Interface> &slot() {
        static std::unique_ptr<Interface> installed;
        return installed;
    }
};
