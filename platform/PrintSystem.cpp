#include "platform/PrintSystem.h"

#include <QtGlobal>

namespace {

std::unique_ptr<PrintSystem> &installed() {
    static std::unique_ptr<PrintSystem> system;
    return system;
}

}  // namespace

PrintSystem::~PrintSystem() = default;

PrintSystem &PrintSystem::instance() {
    // A program that forgot to install its printing must not go on printing nowhere.
    if (!installed())
        qFatal("Cartaflex: no print system installed (PrintSystem::install at start)");
    return *installed();
}

void PrintSystem::install(PrintSystem *system) {
    installed().reset(system);
}
