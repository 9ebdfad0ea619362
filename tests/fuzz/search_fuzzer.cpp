// search_fuzzer: any text with any keyword entries gets the same hits from
// the needle search engine as from the plain search of one needle at a time,
// and the engine's own paths (distinct runs, automata split by a small memory
// limit or skipped for needles too long for one) agree with a plain search.
// Input: the text, then entries, each after a NUL byte as one mode byte and
// the entry's text.
#include "tests/Fixtures.h"
#include "vocab/search/KeywordHits.h"
#include "vocab/search/KeywordSearch.h"
#include "vocab/search/NeedleAutomaton.h"
#include "vocab/search/NeedleSearch.h"
#include "vocab/search/SearchSession.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::pair<std::string, int32_t>>
search(SearchSession::Strategy strategy, const KeywordList& entries, std::string_view text) {
    const SearchOutcome outcome = searchOnce(strategy, entries, text);
    require(outcome.found == outcome.hits.present());
    std::vector<std::pair<std::string, int32_t>> hits;
    for (const KeywordEntry& hit : outcome.hits) {
        hits.emplace_back(hit.text().str(), hit.matchMode);
    }
    return hits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    size_t end = input.find('\0');
    const std::string text = input.substr(0, end);
    KeywordList entries;
    while (end != std::string::npos && end + 1 < input.size()) {
        const size_t next = input.find('\0', end + 1);
        const std::string field = input.substr(end + 1, next - end - 1);
        if (field.empty()) {
            entries.append("", AnyWord);
        } else {
            entries.append(field.substr(1), static_cast<int8_t>(field[0]) % 4);
        }
        end = next;
    }
    require(search(SearchSession::Strategy::Together, entries, text) ==
            search(SearchSession::Strategy::OneByOne, entries, text));

    std::vector<std::string> owned;
    for (const KeywordEntry& entry : entries) {
        owned.push_back(entry.foldedText());
        forEachWord(entry.foldedText(), [&](std::string_view word) { owned.emplace_back(word); });
    }
    const std::vector<std::string_view> needles(owned.begin(), owned.end());
    const std::string folded = foldText(text);
    for (uint64_t limit :
         {uint64_t{NeedleSearch::kDefaultMemoryLimit}, NeedleAutomaton::memoryBound(16)}) {
        NeedleSearch engine(static_cast<size_t>(limit), 0);
        const std::vector<uint8_t> found = engine.find(text, needles);
        for (size_t n = 0; n < needles.size(); ++n) {
            require((found[n] != 0) == (folded.find(needles[n]) != std::string::npos));
        }
    }
    return 0;
}
