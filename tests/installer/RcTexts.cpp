// RcTexts (see RcTexts.h).
#include "RcTexts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

namespace {

std::string readFile(const std::string& name) {
    std::ifstream in(std::string(ZF_RESOURCES_DIR) + "/" + name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text between the quotes of a string-table line, its escapes undone.
std::string unquote(const std::string& quoted) {
    std::string text;
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        const char c = quoted[i];
        if (c == '"' && i + 1 < quoted.size() && quoted[i + 1] == '"') {
            text += '"';
            ++i;
        } else if (c == '\\' && i + 1 < quoted.size()) {
            const char next = quoted[++i];
            text += next == 'n' ? '\n' : next;
        } else {
            text += c;
        }
    }
    return text;
}

} // namespace

RcTexts::RcTexts() {
    std::map<std::string, unsigned> ids;
    const std::string header = readFile("InstallIds.h");
    const std::regex define(R"(#define (IDS_\w+) (\d+))");
    for (std::sregex_iterator at(header.begin(), header.end(), define), end; at != end; ++at)
        ids[(*at)[1]] = static_cast<unsigned>(std::stoul((*at)[2]));
    const std::regex entry(R"re(\n    (IDS_\w+) "((?:[^"]|"")*)"(?=\n))re");
    for (const char* rc : {"install.rc", "uninstall.rc"}) {
        const std::string source = readFile(rc);
        for (std::sregex_iterator at(source.begin(), source.end(), entry), end; at != end; ++at)
            texts_[ids.at((*at)[1])] = unquote((*at)[2]);
    }
}

std::string RcTexts::text(unsigned id) const {
    const auto found = texts_.find(id);
    if (found == texts_.end()) {
        ADD_FAILURE() << "no string-table entry " << id;
        return {};
    }
    return found->second;
}
