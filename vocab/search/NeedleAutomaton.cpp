// The Aho-Corasick needle automaton: a trie of the needles, numbered breadth
// first, with failure links; full transition rows only for the first states.
// A big needle set has a hundred thousand states, and full rows for all of
// them would take tens of megabytes that a scan would miss the cache in.
#include "vocab/search/NeedleAutomaton.h"

#include <algorithm>

namespace {

constexpr uint32_t kNone = UINT32_MAX;

} // namespace

// The needles as a trie with child lists; states are numbered in order of
// creation, the root is 0.
struct NeedleAutomaton::Trie {
    std::vector<uint32_t> firstChild{kNone};
    std::vector<uint32_t> nextSibling{kNone};
    std::vector<uint16_t> label{0};
    std::vector<uint32_t> firstNeedle{kNone};

    uint32_t childOrAdd(uint32_t state, uint16_t cls) {
        for (uint32_t c = firstChild[state]; c != kNone; c = nextSibling[c]) {
            if (label[c] == cls) {
                return c;
            }
        }
        const uint32_t added = static_cast<uint32_t>(label.size());
        firstChild.push_back(kNone);
        nextSibling.push_back(firstChild[state]);
        label.push_back(cls);
        firstNeedle.push_back(kNone);
        firstChild[state] = added;
        return added;
    }
};

uint64_t NeedleAutomaton::memoryBound(uint64_t byteCount) {
    return (byteCount + 1) * (sizeof(Node) + 4 * sizeof(uint32_t)) + kDenseBytes;
}

NeedleAutomaton::NeedleAutomaton(const std::vector<Needle>& needles, size_t denseBytes) {
    buildClasses(needles);
    Trie trie;
    sameEnd_.assign(needles.size(), kNone);
    ids_.reserve(needles.size());
    for (const Needle& needle : needles) {
        uint32_t state = 0;
        for (unsigned char byte : needle.bytes) {
            state = trie.childOrAdd(state, byteClass_[byte]);
        }
        const uint32_t index = static_cast<uint32_t>(ids_.size());
        ids_.push_back(needle.id);
        sameEnd_[index] = trie.firstNeedle[state];
        trie.firstNeedle[state] = index;
    }
    remaining_ = needles.size();
    number(trie);
    link(denseBytes);
}

void NeedleAutomaton::buildClasses(const std::vector<Needle>& needles) {
    bool used[256] = {};
    for (const Needle& needle : needles) {
        for (unsigned char byte : needle.bytes) {
            used[byte] = true;
        }
    }
    for (int byte = 0; byte < 256; ++byte) {
        if (used[byte]) {
            byteClass_[byte] = static_cast<uint16_t>(classCount_++);
        }
    }
    // Capitals read as their small letters, so the text need not be folded.
    for (int byte = 'A'; byte <= 'Z'; ++byte) {
        byteClass_[byte] = byteClass_[byte + ('a' - 'A')];
    }
}

void NeedleAutomaton::number(const Trie& trie) {
    std::vector<uint32_t> order{0}; // trie states in breadth-first order
    order.reserve(trie.label.size());
    nodes_.assign(trie.label.size(), Node{0, 0, 0, 0, 0});
    std::vector<uint32_t> children;
    for (size_t state = 0; state < order.size(); ++state) {
        children.clear();
        for (uint32_t c = trie.firstChild[order[state]]; c != kNone; c = trie.nextSibling[c]) {
            children.push_back(c);
        }
        std::sort(children.begin(), children.end(),
                  [&](uint32_t a, uint32_t b) { return trie.label[a] < trie.label[b]; });
        nodes_[state].firstChild = static_cast<uint32_t>(order.size());
        nodes_[state].childCount = static_cast<uint16_t>(children.size());
        for (uint32_t c : children) {
            nodes_[order.size()].cls = trie.label[c];
            order.push_back(c);
        }
    }
    firstNeedle_.resize(order.size());
    for (size_t state = 0; state < order.size(); ++state) {
        firstNeedle_[state] = trie.firstNeedle[order[state]];
    }
}

// Failure links, output links and the full rows, in breadth-first order: a
// state's failure state is shallower, so it is complete by then.
void NeedleAutomaton::link(size_t denseBytes) {
    // About the states of the needles' first two bytes; the root at least.
    denseStates_ = static_cast<uint32_t>(std::min<size_t>(
        nodes_.size(), std::max<size_t>(1, denseBytes / (classCount_ * sizeof(uint32_t)))));
    dense_.assign(size_t{denseStates_} * classCount_, 0);
    outputLink_.assign(nodes_.size(), kNone);
    for (uint32_t state = 0; state < nodes_.size(); ++state) {
        const Node& node = nodes_[state];
        if (state < denseStates_) {
            uint32_t* row = &dense_[size_t{state} * classCount_];
            if (state != 0) {
                std::copy_n(&dense_[size_t{node.fail} * classCount_], classCount_, row);
            }
            for (uint32_t c = node.firstChild; c < node.firstChild + node.childCount; ++c) {
                row[nodes_[c].cls] = c;
            }
        }
        for (uint32_t c = node.firstChild; c < node.firstChild + node.childCount; ++c) {
            const uint32_t fail = state == 0 ? 0 : next(node.fail, nodes_[c].cls);
            nodes_[c].fail = fail;
            outputLink_[c] = firstNeedle_[fail] != kNone ? fail : outputLink_[fail];
            nodes_[c].pending = firstNeedle_[c] != kNone || outputLink_[c] != kNone;
        }
    }
}

uint32_t NeedleAutomaton::child(uint32_t state, uint32_t cls) const {
    const Node& node = nodes_[state];
    for (uint32_t c = node.firstChild; c < node.firstChild + node.childCount; ++c) {
        if (nodes_[c].cls >= cls) {
            return nodes_[c].cls == cls ? c : kNone;
        }
    }
    return kNone;
}

// The state after `state` reads a byte of class `cls`.
inline uint32_t NeedleAutomaton::next(uint32_t state, uint32_t cls) const {
    for (;;) {
        if (state < denseStates_) {
            return dense_[size_t{state} * classCount_ + cls];
        }
        const uint32_t c = child(state, cls);
        if (c != kNone) {
            return c;
        }
        state = nodes_[state].fail;
    }
}

bool NeedleAutomaton::report(uint32_t state, std::vector<uint8_t>& found) {
    // A marked state's suffix states were marked with it, so the walk stops
    // at the first one already done.
    for (uint32_t s = state; s != kNone && nodes_[s].pending; s = outputLink_[s]) {
        nodes_[s].pending = 0;
        for (uint32_t n = firstNeedle_[s]; n != kNone; n = sameEnd_[n]) {
            found[ids_[n]] = 1;
            --remaining_;
        }
    }
    return remaining_ == 0;
}

void NeedleAutomaton::scan(std::string_view text, std::vector<uint8_t>& found) {
    if (remaining_ == 0) {
        return;
    }
    uint32_t state = 0;
    for (unsigned char byte : text) {
        state = next(state, byteClass_[byte]);
        if (nodes_[state].pending && report(state, found)) {
            return;
        }
    }
}

size_t NeedleAutomaton::memoryBytes() const {
    return nodes_.size() * sizeof(Node) + dense_.size() * sizeof(uint32_t) +
           (firstNeedle_.size() + outputLink_.size() + sameEnd_.size() + ids_.size()) *
               sizeof(uint32_t);
}
