// KeywordRow: one keyword entry's values as the Keywords page adds them,
// from a dialog, the keyword clipboard or imported keyword lines.
#pragma once

#include <cstdint>
#include <string>

struct KeywordRow {
    std::string text;
    int32_t mode;
};
