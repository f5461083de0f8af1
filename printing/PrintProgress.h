#pragma once

#include <functional>

// How far a long printout has gone, told before each page is started.
struct PrintProgress {
    int page = 0;   // the page about to start, from 1
    int pages = 0;  // pages of the whole printout
};

// Called before each page; returning false stops the printout there: the pages already
// drawn are kept and sent, nothing more is drawn.
using ProgressCallback = std::function<bool(const PrintProgress &)>;
