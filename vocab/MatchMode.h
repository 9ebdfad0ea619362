// MatchMode: how a keyword entry's words are matched, and its display texts.
#pragma once

#include <cstdint>

enum MatchMode : int32_t {
    AnyWord = 0,
    AllWords = 1,
    ExactPhrase = 2,
};

constexpr int kMatchModeCount = 3;

// "Any word", "All words", "Exact phrase"; the "Match:" combo box index is the
// value. A mode outside 0..2 shows as "Any word", which is how it searches.
const char* matchModeText(int32_t mode);
