#include "platform/PrintSystem.h"

#include "platform/InstalledSlot.h"

PrintSystem::~PrintSystem() = default;

PrintSystem &PrintSystem::instance() {
    // A program that forgot to install its printing must not go on printing nowhere.
    return InstalledSlot<PrintSystem>::get(
        "no print system installed (PrintSystem::install at start)");
}

void PrintSystem::install(PrintSystem *system) {
    InstalledSlot<PrintSystem>::install(system);
}
