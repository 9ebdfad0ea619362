// PhraseScan: which of many folded phrases (needles that hold a space) occur
// in a text, found from the text's spaces instead of from every byte.
#pragma once

#include "vocab/search/NeedleAutomaton.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

class PhraseScan {
public:
    // Every needle holds at least one space; the bytes need only live as
    // long as the scan.
    explicit PhraseScan(const std::vector<NeedleAutomaton::Needle>& phrases);

    // Sets found[id] for every phrase that occurs in `text`, which is read
    // with capitals as small letters.
    void scan(std::string_view text, std::vector<uint8_t>& found);

private:
    // A window of `width` (1 to 8) bytes with the space at `spaceAt`: every
    // occurrence of a phrase puts its anchor window on such a window of the
    // text around one of the text's spaces.
    // The phrases of one anchor key: anchored[begin, end), `unfound` of
    // them not found yet; end == 0 marks a free slot.
    struct KeyRange {
        uint64_t key;
        uint32_t begin;
        uint32_t end;
        uint32_t unfound;
    };

    struct Shape {
        uint32_t spaceAt;
        uint32_t width;
        uint64_t mask;                                       // keeps the low `width` bytes of eight
        std::vector<uint64_t> filter;                        // a bit per key hash
        std::vector<std::pair<uint64_t, uint32_t>> anchored; // key, phrase; sorted
        std::vector<KeyRange> keys;                          // open addressing
        size_t unfound = 0;

        void index();
        KeyRange* find(uint64_t key);
    };

    struct Phrase {
        std::string_view bytes;
        uint32_t id;
        uint32_t spaceAt; // of the anchor's space within the phrase
    };

    void anchor(const NeedleAutomaton::Needle& needle);
    void scanSpace(std::string_view text, size_t space, std::vector<uint8_t>& found);
    bool occursAt(std::string_view text, size_t start, std::string_view phrase) const;

    std::vector<Shape> shapes_;
    std::vector<Phrase> phrases_;
    size_t remaining_ = 0;
};
