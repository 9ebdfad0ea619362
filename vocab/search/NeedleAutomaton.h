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

    // The full transition rows take at most this much.
    static constexpr size_t kDenseBytes = size_t{256} << 10;

    // The needles' bytes need only live during construction.
    explicit NeedleAutomaton(const std::vector<Needle>& needles, size_t denseBytes = kDenseBytes);
    NeedleAutomaton(const NeedleAutomaton&) = delete;
    NeedleAutomaton& operator=(const NeedleAutomaton&) = delete;

    // Sets found[id] for every needle that occurs in `text`; stops reading
    // the text once every needle has been found.
    void scan(std::string_view text, std::vector<uint8_t>& found);

    size_t stateCount() const { return nodes_.size(); }
    size_t memoryBytes() const;

    // The most memory an automaton of needles of `byteCount` bytes in all
    // takes.
    static uint64_t memoryBound(uint64_t byteCount);

private:
    struct Trie;

    // States are numbered breadth first, so a state's children are
    // consecutive, in the order of their byte classes.
    struct Node {
        uint32_t firstChild;
        uint32_t fail; // the longest proper suffix that is a state
        uint16_t childCount;
        uint16_t cls;    // of the byte that leads here
        uint8_t pending; // ends a needle, itself or by a suffix, not yet marked
    };

    void buildClasses(const std::vector<Needle>& needles);
    void number(const Trie& trie);
    void link(size_t denseBytes);
    uint32_t child(uint32_t state, uint32_t cls) const;
    uint32_t next(uint32_t state, uint32_t cls) const;
    // Marks the needles that end in `state`; true once all are found.
    bool report(uint32_t state, std::vector<uint8_t>& found);

    // Each byte's class: 0 for bytes that no needle holds.
    uint16_t byteClass_[256] = {};
    uint32_t classCount_ = 1;
    std::vector<Node> nodes_;
    // Full transition rows of the first states, the ones a text is in most
    // of the time; deeper states follow their children and failure links.
    uint32_t denseStates_ = 0;
    std::vector<uint32_t> dense_;
    std::vector<uint32_t> firstNeedle_; // per state, kNone or an index into ids_
    std::vector<uint32_t> sameEnd_;     // per needle, the next needle ending in the same state
    std::vector<uint32_t> outputLink_;  // per state, the next shorter suffix state with output
    std::vector<uint32_t> ids_;
    size_t remaining_ = 0;
};
