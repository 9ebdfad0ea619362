// distinctRuns: the different stretches of a text made only of chosen bytes,
// each kept once, so that short needles need not read a big text again.
#pragma once

#include <string>
#include <string_view>

// A set of folded bytes.
struct ByteSet {
    bool has[256] = {};
};

// Every maximal run of `members` bytes in `text`, folded, each different
// run at least once, each followed by `separator` (which must not be a
// member). Capitals count as their small letters, so `text` may be folded
// or not. A folded needle made only of member bytes occurs in the folded
// text exactly when it occurs in the result.
std::string distinctRuns(std::string_view text, const ByteSet& members, char separator);
