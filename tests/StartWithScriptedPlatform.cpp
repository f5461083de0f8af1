// Linked into every test and benchmark: they start with the scripted platform installed,
// as a program installs its own at start (tests that script answers install a fresh one
// through TestEnvironment).
#include "platform/Platform.h"
#include "platform/ScriptedPlatform.h"

namespace {

const bool installed = [] {
    Platform::install(new ScriptedPlatform);
    return true;
}();

}  // namespace
