// NeedleSearch: a word (a needle without a space) lies inside one run of the
// bytes that words are made of, so the words are sought in the text's
// distinct runs, which for a big document are a small fraction of it. A
// phrase (a needle with a space) can only occur when each of its space-free
// pieces does, so only those phrases are sought in the whole text, from its
// spaces.
#include "vocab/search/NeedleSearch.h"

#include "vocab/Text.h"
#include "vocab/search/DistinctRuns.h"
#include "vocab/search/NeedleAutomaton.h"
#include "vocab/search/PhraseScan.h"

#include <algorithm>
#include <chrono>

struct NeedleSearch::Sought {
    struct Phrase {
        uint32_t id;
        uint32_t firstPiece;
        uint32_t pieceCount;
    };

    // The needles asked for, then the pieces of the phrases.
    std::vector<std::string_view> texts;
    std::vector<uint8_t> found;
    std::vector<uint32_t> words;
    std::vector<Phrase> phrases;

    explicit Sought(const std::vector<std::string_view>& needles) : texts(needles) {
        for (uint32_t id = 0; id < needles.size(); ++id) {
            const std::string_view needle = needles[id];
            if (needle.find(' ') != std::string_view::npos) {
                addPhrase(id);
            } else if (!needle.empty()) {
                words.push_back(id);
            }
        }
        found.assign(texts.size(), 0);
        for (uint32_t id = 0; id < needles.size(); ++id) {
            found[id] = needles[id].empty();
        }
    }

    void addPhrase(uint32_t id) {
        const std::string_view phrase = texts[id];
        Phrase added{id, static_cast<uint32_t>(texts.size()), 0};
        size_t start = 0;
        while (start <= phrase.size()) {
            size_t end = phrase.find(' ', start);
            end = end == std::string_view::npos ? phrase.size() : end;
            if (end > start) {
                words.push_back(static_cast<uint32_t>(texts.size()));
                texts.push_back(phrase.substr(start, end - start));
                ++added.pieceCount;
            }
            start = end + 1;
        }
        phrases.push_back(added);
    }
};

std::vector<uint8_t> NeedleSearch::find(std::string_view text,
                                        const std::vector<std::string_view>& needles) {
    figures_ = Figures{};
    Sought sought(needles);
    findWords(text, sought);
    findPhrases(text, sought);
    sought.found.resize(needles.size());
    return std::move(sought.found);
}

void NeedleSearch::findWords(std::string_view text, Sought& sought) {
    if (sought.words.empty() || text.size() < runsFrom_) {
        scanInBatches(text, sought.words, sought);
        return;
    }
    ByteSet members;
    for (uint32_t id : sought.words) {
        for (unsigned char byte : sought.texts[id]) {
            members.has[byte] = true;
        }
    }
    // No word holds a space, so a space keeps the runs apart.
    const std::string runs = distinctRuns(text, members, ' ');
    figures_.distinctRunBytes = runs.size();
    scanInBatches(runs, sought.words, sought);
}

namespace {

// A plain search for a folded needle in a text that may hold capitals.
bool occursCaseBlind(std::string_view text, std::string_view needle) {
    const auto same = [](char a, char b) { return foldByte(a) == b; };
    return std::search(text.begin(), text.end(), needle.begin(), needle.end(), same) != text.end();
}

} // namespace

void NeedleSearch::findPhrases(std::string_view text, Sought& sought) {
    std::vector<NeedleAutomaton::Needle> candidates;
    for (const Sought::Phrase& phrase : sought.phrases) {
        bool allPieces = true;
        for (uint32_t piece = 0; piece < phrase.pieceCount && allPieces; ++piece) {
            allPieces = sought.found[phrase.firstPiece + piece] != 0;
        }
        if (allPieces) {
            candidates.push_back({sought.texts[phrase.id], phrase.id});
        }
    }
    figures_.phraseCandidates = candidates.size();
    if (!candidates.empty()) {
        PhraseScan scan(candidates);
        scan.scan(text, sought.found);
    }
}

void NeedleSearch::scanInBatches(std::string_view text, const std::vector<uint32_t>& ids,
                                 Sought& sought) {
    std::vector<uint32_t> batch;
    uint64_t bytes = 0;
    for (uint32_t id : ids) {
        const std::string_view needle = sought.texts[id];
        if (sought.found[id]) {
            continue;
        }
        if (NeedleAutomaton::memoryBound(needle.size()) > memoryLimit_) {
            // Too long for an automaton within the limit: searched alone.
            sought.found[id] = occursCaseBlind(text, needle);
            continue;
        }
        if (!batch.empty() && NeedleAutomaton::memoryBound(bytes + needle.size()) > memoryLimit_) {
            scanBatch(text, batch, sought);
            batch.clear();
            bytes = 0;
        }
        batch.push_back(id);
        bytes += needle.size();
    }
    scanBatch(text, batch, sought);
}

void NeedleSearch::scanBatch(std::string_view text, const std::vector<uint32_t>& ids,
                             Sought& sought) {
    std::vector<NeedleAutomaton::Needle> batch;
    for (uint32_t id : ids) {
        if (!sought.texts[id].empty()) {
            batch.push_back({sought.texts[id], id});
        }
    }
    if (batch.empty()) {
        return;
    }
    const auto buildStart = std::chrono::steady_clock::now();
    NeedleAutomaton automaton(batch);
    figures_.buildSeconds +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - buildStart).count();
    automaton.scan(text, sought.found);
    ++figures_.automatonCount;
    if (automaton.memoryBytes() > figures_.largestAutomatonBytes) {
        figures_.largestAutomatonBytes = automaton.memoryBytes();
        figures_.largestStateCount = automaton.stateCount();
    }
}
