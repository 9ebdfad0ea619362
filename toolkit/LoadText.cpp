// loadText (see LoadText.h).
#include "toolkit/LoadText.h"

namespace {

// Longer than the longest text of the table.
constexpr int kLongestText = 256;

} // namespace

std::string loadText(UINT id) {
    char buffer[kLongestText] = {};
    LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return buffer;
}
