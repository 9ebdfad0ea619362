// The Aho-Corasick needle automaton: a trie of the needles turned into a full
// transition table over byte classes, states numbered breadth first so that
// the shallow states a text visits most often share few cache lines.
#include "vocab/NeedleAutomaton.h"

namespace {

constexpr uint32_t kNone = UINT32_MAX;
constexpr uint32_t kHasOutput = 0x80000000u;
constexpr uint32_t kPending = 0x80000000u;

} // namespace

// The needles as a trie with child lists; states are numbered in order of
// creation, the root is 0.
struct NeedleAutomaton::Trie {
    std::vector<uint32_t> firstChild{kNone};
    std::vector<uint32_t> nextSibling{kNone};
    std::vector<uint32_t> label{0};
    std::vector<uint32_t> firstNeedle{kNone};

    uint32_t child(uint32_t state, uint32_t cls) const {
        for (uint32_t c = firstChild[state]; c != kNone; c = nextSibling[c]) {
            if (label[c] == cls) {
                return c;
            }
        }
        return kNone;
    }

    uint32_t addChild(uint32_t state, uint32_t cls) {
        const uint32_t added = static_cast<uint32_t>(label.size());
        firstChild.push_back(kNone);
        nextSibling.push_back(firstChild[state]);
        label.push_back(cls);
        firstNeedle.push_back(kNone);
        firstChild[state] = added;
        return added;
    }
};

uint64_t NeedleAutomaton::tableBytesBound(uint64_t byteCount, uint64_t distinctBytes) {
    return (byteCount + 1) * (distinctBytes + 2) * sizeof(uint32_t);
}

NeedleAutomaton::NeedleAutomaton(const std::vector<Needle>& needles) {
    buildClasses(needles);
    Trie trie;
    sameEnd_.assign(needles.size(), kNone);
    ids_.reserve(needles.size());
    for (const Needle& needle : needles) {
        uint32_t state = 0;
        for (unsigned char byte : needle.bytes) {
            const uint32_t cls = byteClass_[byte];
            uint32_t next = trie.child(state, cls);
            if (next == kNone) {
                next = trie.addChild(state, cls);
            }
            state = next;
        }
        const uint32_t index = static_cast<uint32_t>(ids_.size());
        ids_.push_back(needle.id);
        sameEnd_[index] = trie.firstNeedle[state];
        trie.firstNeedle[state] = index;
    }
    remaining_ = needles.size();
    buildTransitions(trie);
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
            byteClass_[byte] = classCount_++;
        }
    }
    // Capitals read as their small letters, so the text need not be folded.
    for (int byte = 'A'; byte <= 'Z'; ++byte) {
        byteClass_[byte] = byteClass_[byte + ('a' - 'A')];
    }
}

void NeedleAutomaton::buildTransitions(const Trie& trie) {
    stateCount_ = trie.label.size();
    // Breadth-first order: a state's failure state is always shallower, so
    // its row and its outputs are complete by the time the state's own row
    // is filled.
    std::vector<uint32_t> order{0};
    std::vector<uint32_t> number(stateCount_, 0);
    for (size_t i = 0; i < order.size(); ++i) {
        for (uint32_t c = trie.firstChild[order[i]]; c != kNone; c = trie.nextSibling[c]) {
            number[c] = static_cast<uint32_t>(order.size());
            order.push_back(c);
        }
    }
    firstNeedle_.assign(stateCount_, kNone);
    for (uint32_t state = 0; state < stateCount_; ++state) {
        firstNeedle_[state] = trie.firstNeedle[order[state]];
    }
    outputLink_.assign(stateCount_, kNone);
    rowSize_ = classCount_ + 1;
    next_.assign(stateCount_ * rowSize_, 0);
    for (uint32_t state = 0; state < stateCount_; ++state) {
        next_[state * rowSize_ + classCount_] = state | kPending;
    }
    std::vector<uint32_t> children(classCount_);
    std::vector<uint32_t> fail(stateCount_, 0);
    for (uint32_t state = 0; state < stateCount_; ++state) {
        children.assign(classCount_, kNone);
        for (uint32_t c = trie.firstChild[order[state]]; c != kNone; c = trie.nextSibling[c]) {
            children[trie.label[c]] = number[c];
        }
        fillRow(state, children, fail);
    }
}

void NeedleAutomaton::fillRow(uint32_t state, const std::vector<uint32_t>& children,
                              std::vector<uint32_t>& fail) {
    uint32_t* row = &next_[state * rowSize_];
    // The root's failure row is its own; its missing children lead back to it.
    const uint32_t* failRow = &next_[fail[state] * rowSize_];
    for (uint32_t cls = 0; cls < classCount_; ++cls) {
        const uint32_t child = children[cls];
        if (child == kNone) {
            row[cls] = state == 0 ? 0 : failRow[cls];
            continue;
        }
        const uint32_t suffix = state == 0 ? 0 : stateAt(failRow[cls]);
        outputLink_[child] = firstNeedle_[suffix] != kNone ? suffix : outputLink_[suffix];
        const bool hasOutput = firstNeedle_[child] != kNone || outputLink_[child] != kNone;
        row[cls] = child * rowSize_ | (hasOutput ? kHasOutput : 0);
        fail[child] = suffix;
    }
}

uint32_t NeedleAutomaton::stateAt(uint32_t entry) const {
    return next_[(entry & ~kHasOutput) + classCount_] & ~kPending;
}

bool NeedleAutomaton::report(uint32_t state, std::vector<uint8_t>& found) {
    // A reported state's suffix states were reported with it, so the walk
    // stops at the first one already seen.
    for (uint32_t s = state; s != kNone; s = outputLink_[s]) {
        uint32_t& last = next_[s * rowSize_ + classCount_];
        if ((last & kPending) == 0) {
            break;
        }
        last &= ~kPending;
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
    const uint32_t* next = next_.data();
    const uint32_t last = classCount_;
    uint32_t offset = 0;
    for (unsigned char byte : text) {
        const uint32_t entry = next[offset + byteClass_[byte]];
        offset = entry & ~kHasOutput;
        // The row's last entry is its state's number, kPending until its
        // needles have been marked.
        if ((entry & kHasOutput) != 0 && (next[offset + last] & kPending) != 0 &&
            report(next[offset + last] & ~kPending, found)) {
            return;
        }
    }
}

size_t NeedleAutomaton::memoryBytes() const {
    return (next_.size() + firstNeedle_.size() + outputLink_.size() + sameEnd_.size() +
            ids_.size()) *
           sizeof(uint32_t);
}
