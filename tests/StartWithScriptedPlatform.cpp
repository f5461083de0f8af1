// Linked into every test and benchmark: they start with the scripted platform and the
// system's printing installed, as a program installs its own at start (tests that script
// answers install a fresh platform through TestEnvironment).
#include "platform/Platform.h"
#include "printing/QtPrintSystem.h"
#include "support/ScriptedPlatform.h"

namespace {

const bool installed = [] {
    Platform::install(new ScriptedPlatform);
    PrintSystem::install(new QtPrintSystem);
    return true;
}();

}  // namespace
