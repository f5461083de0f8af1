#pragma once

#include "platform/Platform.h"

// Shows the hourglass pointer for the lifetime of the object and puts the default
// pointer back when it goes, whichever way the scope is left.
class HourglassCursor {
public:
    HourglassCursor() { Platform::instance().setBusyCursor(true); }
    ~HourglassCursor() { Platform::instance().setBusyCursor(false); }
    HourglassCursor(const HourglassCursor &) = delete;
    HourglassCursor &operator=(const HourglassCursor &) = delete;
};
