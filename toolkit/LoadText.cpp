// loadText (see LoadText.h).
#include "toolkit/LoadText.h"

namespace {

// Longer than the longest text of the table (the messages that say what
// happened and what to do run to a few hundred characters).
constexpr int kLongestText = 1024;

} // namespace

std::string loadText(UINT id) {
    char buffer[kLongestText] = {};
    LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return buffer;
}
