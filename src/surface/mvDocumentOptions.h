#pragma once
// The preferences that document operations read. The settings code fills this from
// "marovel.ini"; until it does, and in tests, these built-in defaults apply.
#include <algorithm>

struct TmvDocumentOptions {
    int IdStart = 1;            // [IDMan] "Start": the first ID tried for a new entry
    bool BringToFront = true;   // [Defaults] "BringToFront": a control made current comes up
    bool AutoStartSize = false; // [Defaults] "AutoStartSize": new controls are drawn to size
    bool AutoStartMove = false; // [Defaults] "AutoStartMove": new controls start moving
};

// The value counting starts from: a "Start" of 0 or less counts as 1.
inline int FirstIdToTry(const TmvDocumentOptions& options) {
    return std::max(1, options.IdStart);
}
