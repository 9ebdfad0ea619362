// The display texts of the match modes.
#include "vocab/MatchMode.h"

const char* matchModeText(int32_t mode) {
    static const char* const kTexts[kMatchModeCount] = {"Any word", "All words", "Exact phrase"};
    return (mode >= 0 && mode < kMatchModeCount) ? kTexts[mode] : kTexts[AnyWord];
}
