// ResourceTexts (see ResourceTexts.h).
#include "installer/win32/ResourceTexts.h"

#include <windows.h>

namespace {

// Longer than the longest text of either program.
constexpr int kLongestText = 512;

} // namespace

std::string ResourceTexts::text(unsigned id) const {
    char buffer[kLongestText] = {};
    LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return buffer;
}
