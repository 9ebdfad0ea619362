// Adding a removal line to WININIT.INI's text (see WininitRename.h).
#include "installer/WininitRename.h"

#include "installer/PathRules.h"

namespace {

// The position just after the "[rename]" header line, or npos.
std::size_t afterRenameHeader(const std::string& ini) {
    const std::string upper = upperCase(ini);
    std::size_t at = 0;
    while ((at = upper.find("[RENAME]", at)) != std::string::npos) {
        const bool lineStart = at == 0 || upper[at - 1] == '\n';
        const std::size_t eol = upper.find('\n', at);
        if (lineStart)
            return eol == std::string::npos ? upper.size() : eol + 1;
        at += 8;
    }
    return std::string::npos;
}

} // namespace

std::string addWininitRemoval(const std::string& ini, const std::string& shortPath) {
    const std::string line = "NUL=" + shortPath + "\r\n";
    std::size_t at = afterRenameHeader(ini);
    if (at == std::string::npos) {
        std::string text = ini;
        if (!text.empty() && text.back() != '\n')
            text += "\r\n";
        return text + "[rename]\r\n" + line;
    }
    std::string text = ini;
    if (at == text.size() && !text.empty() && text.back() != '\n') {
        text += "\r\n";
        at = text.size();
    }
    return text.insert(at, line);
}
