// NeedleAutomaton: an Aho-Corasick automaton over bytes that tells which of
// many folded needles occur in a text, in one pass over the text. Capitals
// in the text read as small letters, so the text may be folded or not.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class NeedleAutomaton {
public:
    struct Needle {
        std::string_view bytes; // not empty, folded
        uint32_t id;            // the index this needle marks in `found`
    };

    // The needles' bytes need only live during construction.
    explicit NeedleAutomaton(const std::vector<Needle>& needles);
    NeedleAutomaton(const NeedleAutomaton&) = delete;
    NeedleAutomaton& operator=(const NeedleAutomaton&) = delete;

    // Sets found[id] for every needle that occurs in `text`; stops reading
    // the text once every needle has been found.
    void scan(std::string_view text, std::vector<uint8_t>& found);

    size_t stateCount() const { return stateCount_; }
    size_t memoryBytes() const;

    // The size of the transition table for `byteCount` bytes of needles
    // drawn from `distinctBytes` different byte values, at most.
    static uint64_t tableBytesBound(uint64_t byteCount, uint64_t distinctBytes);

private:
    struct Trie;

    void buildClasses(const std::vector<Needle>& needles);
    void buildTransitions(const Trie& trie);
    // Fills a state's row and gives its children their failure states and
    // output links.
    void fillRow(uint32_t state, const std::vector<uint32_t>& children,
                 std::vector<uint32_t>& fail);
    // The number of the state that a transition entry leads to.
    uint32_t stateAt(uint32_t entry) const;
    // Marks the needles that end in `state`; true once all are found.
    bool report(uint32_t state, std::vector<uint8_t>& found);

    // Each byte's class: 0 for bytes that no needle holds.
    uint32_t byteClass_[256] = {};
    uint32_t classCount_ = 1;
    uint32_t rowSize_ = 2;
    size_t stateCount_ = 0;
    // A row per state: one entry per class, the offset of the next state's
    // row with kHasOutput set when that state ends some needle; then the
    // state's own number, with kPending set until its needles are marked.
    std::vector<uint32_t> next_;
    std::vector<uint32_t> firstNeedle_; // per state, kNone or an index into ids_
    std::vector<uint32_t> sameEnd_;     // per needle, the next needle ending in the same state
    std::vector<uint32_t> outputLink_;  // per state, the next shorter suffix state with output
    std::vector<uint32_t> ids_;
    size_t remaining_ = 0;
};
