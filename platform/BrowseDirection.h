#pragma once

// Where browsing goes from the contact shown: the first, the one before, the one after,
// the last. The archive moves by it; the windows' browse bar asks for it.
enum class BrowseDirection { First, Previous, Next, Last };
