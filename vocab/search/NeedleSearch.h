// NeedleSearch: tells which of many folded needles occur in a text, all in
// one go: words through the text's distinct runs, phrases through one pass
// over the text's spaces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class NeedleSearch {
public:
    // The most memory one automaton may take; more needles than fit are
    // split over several automata, run one after another.
    static constexpr size_t kDefaultMemoryLimit = size_t{64} << 20;
    // Below this text size the distinct runs cost more than they save.
    static constexpr size_t kDefaultRunsFrom = size_t{128} << 10;

    struct Figures {
        size_t automatonCount = 0;
        size_t largestAutomatonBytes = 0;
        size_t largestStateCount = 0;
        size_t distinctRunBytes = 0; // 0 when the words were sought in the text itself
        size_t phraseCandidates = 0;
        double buildSeconds = 0; // spent building automata, for the benchmark
    };

    explicit NeedleSearch(size_t memoryLimit = kDefaultMemoryLimit,
                          size_t runsFrom = kDefaultRunsFrom)
        : memoryLimit_(memoryLimit), runsFrom_(runsFrom) {}

    // found[i] is 1 when the folded needles[i] occurs in the folded `text`
    // (an empty needle always does). The text may be folded or not: it is
    // read with capitals as small letters. Needles may repeat.
    std::vector<uint8_t> find(std::string_view text, const std::vector<std::string_view>& needles);

    const Figures& figures() const { return figures_; }

private:
    struct Sought;

    void findWords(std::string_view text, Sought& sought);
    void findPhrases(std::string_view text, Sought& sought);
    void scanInBatches(std::string_view text, const std::vector<uint32_t>& ids, Sought& sought);
    void scanBatch(std::string_view text, const std::vector<uint32_t>& ids, Sought& sought);

    size_t memoryLimit_;
    size_t runsFrom_;
    Figures figures_;
};
