// PageTexts (see PageTexts.h).
#include "PageTexts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

namespace {

std::string readResource(const std::string& name) {
    std::ifstream in(std::string(ZF_TEST_DATA_DIR) + "/../resources/" + name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text between the quotes, the resource compiler's "" undone.
std::string unquote(const std::string& quoted) {
    return std::regex_replace(quoted, std::regex("\"\""), "\"");
}

} // namespace

PageTexts::PageTexts() {
    std::map<std::string, unsigned> ids;
    const std::string header = readResource("PageIds.h");
    const std::regex define(R"(#define (IDS_\w+) (\d+))");
    for (std::sregex_iterator at(header.begin(), header.end(), define), end; at != end; ++at)
        ids[(*at)[1]] = static_cast<unsigned>(std::stoul((*at)[2]));
    const std::string source = readResource("pages.rc");
    const std::regex entry(R"re(\n    (IDS_\w+) "((?:[^"]|"")*)"(?=\r?\n))re");
    for (std::sregex_iterator at(source.begin(), source.end(), entry), end; at != end; ++at)
        texts_[ids.at((*at)[1])] = unquote((*at)[2]);
}

std::string PageTexts::text(unsigned id) const {
    const auto found = texts_.find(id);
    if (found == texts_.end()) {
        ADD_FAILURE() << "no string-table entry " << id;
        return {};
    }
    return found->second;
}
