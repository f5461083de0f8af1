#pragma once

#include <QString>

// How a printout of many contacts ended.
struct SeriesResult {
    bool ok = true;          // the printer did not fail
    bool cancelled = false;  // stopped from the progress callback
    int printed = 0;         // labels or envelopes drawn
    int pages = 0;           // sheets or envelopes started
    QString error;           // why the printer failed
};
