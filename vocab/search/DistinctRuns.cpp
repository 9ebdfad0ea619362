// distinctRuns: the run edges of a block of text are found first without a
// branch per byte (a branch at every word's end is one the processor cannot
// predict), then each run is looked up in an open-addressing hash set of the
// runs seen so far. A document of a few megabytes holds a few hundred
// thousand different words at most, so the set stays small.
#include "vocab/search/DistinctRuns.h"

#include "vocab/Text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

struct Slot {
    // A run of up to 16 bytes is its own key: its first and last 8 bytes
    // (overlapping, or zero-padded when shorter). A longer run keeps its
    // first 8 bytes and a hash of the rest, and is compared in full.
    uint64_t head;
    uint64_t tail;
    uint32_t offset; // of the run's first occurrence in the text
    uint32_t length; // 0 marks a free slot: runs are never empty
};

uint64_t load8(const unsigned char* bytes) {
    uint64_t word;
    std::memcpy(&word, bytes, 8);
    return word;
}

bool sameBytes(const unsigned char* a, const unsigned char* b, size_t length) {
    size_t i = 0;
    for (; i + 8 <= length; i += 8) {
        if (load8(a + i) != load8(b + i)) {
            return false;
        }
    }
    return i == length || load8(a + length - 8) == load8(b + length - 8);
}

uint64_t mix(uint64_t h) {
    h ^= h >> 32;
    h *= 0xd6e8feb86659fd93ull;
    return h ^ (h >> 32);
}

class RunSet {
public:
    RunSet(std::string_view text, char separator)
        : text_(reinterpret_cast<const unsigned char*>(text.data())), textEnd_(text_ + text.size()),
          separator_(separator), slots_(size_t{1} << 12) {}

    // Adds the runs between edges[0] and edges[1], edges[2] and edges[3], and
    // so on. The slots of all of them are fetched first: the misses of a set
    // bigger than the cache then overlap instead of following one another.
    void addRuns(const uint32_t* edges, size_t runCount) {
        keys_.resize(runCount);
        for (size_t r = 0; r < runCount; ++r) {
            keys_[r] = keyOf(edges[2 * r], edges[2 * r + 1] - edges[2 * r]);
            __builtin_prefetch(&slots_[keys_[r].hash & (slots_.size() - 1)]);
        }
        for (size_t r = 0; r < runCount; ++r) {
            add(keys_[r]);
        }
    }

    std::string take() { return std::move(runs_); }

private:
    struct Key {
        Slot slot;
        uint64_t hash;
    };

    Key keyOf(size_t offset, size_t length) const {
        const unsigned char* run = text_ + offset;
        Key key{{0, 0, static_cast<uint32_t>(offset), static_cast<uint32_t>(length)}, 0};
        if (length >= 8) {
            key.slot.head = load8(run);
            key.slot.tail = load8(run + length - 8);
            for (size_t i = 8; i + 8 < length; i += 8) {
                key.slot.tail = mix(key.slot.tail ^ load8(run + i));
            }
        } else if (textEnd_ - run >= 8) {
            // x86 is little-endian: the run's bytes are the low ones.
            key.slot.head = load8(run) & ((uint64_t{1} << (8 * length)) - 1);
        } else {
            std::memcpy(&key.slot.head, run, length);
        }
        key.hash = mix(key.slot.head * 31 + key.slot.tail + length);
        return key;
    }

    void add(const Key& key) {
        const Slot& run = key.slot;
        size_t index = key.hash & (slots_.size() - 1);
        for (; slots_[index].length != 0; index = (index + 1) & (slots_.size() - 1)) {
            const Slot& slot = slots_[index];
            if (slot.head == run.head && slot.tail == run.tail && slot.length == run.length &&
                (run.length <= 16 ||
                 sameBytes(text_ + slot.offset, text_ + run.offset, run.length))) {
                return;
            }
        }
        slots_[index] = run;
        for (size_t i = 0; i < run.length; ++i) {
            runs_.push_back(foldByte(static_cast<char>(text_[run.offset + i])));
        }
        runs_.push_back(separator_);
        if (++used_ * 2 > slots_.size()) {
            grow();
        }
    }

    void grow() {
        std::vector<Slot> old(slots_.size() * 2, Slot{0, 0, 0, 0});
        old.swap(slots_);
        for (const Slot& slot : old) {
            if (slot.length != 0) {
                const uint64_t hash = mix(slot.head * 31 + slot.tail + slot.length);
                size_t index = hash & (slots_.size() - 1);
                while (slots_[index].length != 0) {
                    index = (index + 1) & (slots_.size() - 1);
                }
                slots_[index] = slot;
            }
        }
    }

    const unsigned char* text_;
    const unsigned char* textEnd_;
    char separator_;
    std::vector<Slot> slots_;
    size_t used_ = 0;
    std::vector<Key> keys_;
    std::string runs_;
};

constexpr size_t kBlock = 4096;

} // namespace

std::string distinctRuns(std::string_view text, const ByteSet& members, char separator) {
    if (text.size() > UINT32_MAX) {
        // Offsets would not fit; the folded text holds the same needles.
        return foldText(text);
    }
    uint8_t member[256];
    for (int byte = 0; byte < 256; ++byte) {
        member[byte] = members.has[static_cast<unsigned char>(foldByte(static_cast<char>(byte)))];
    }
    RunSet set(text, separator);
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    // Offsets where membership changes: run starts and run ends in turn.
    std::vector<uint32_t> edges(kBlock + 2);
    size_t edgeCount = 0;
    uint8_t previous = 0;
    for (size_t block = 0; block < text.size(); block += kBlock) {
        const size_t blockEnd = std::min(text.size(), block + kBlock);
        for (size_t i = block; i < blockEnd; ++i) {
            const uint8_t current = member[bytes[i]];
            edges[edgeCount] = static_cast<uint32_t>(i);
            edgeCount += current ^ previous;
            previous = current;
        }
        const size_t runCount = edgeCount / 2;
        set.addRuns(edges.data(), runCount);
        // A run still open at the block's end carries on into the next.
        edges[0] = edges[2 * runCount];
        edgeCount -= 2 * runCount;
    }
    if (edgeCount == 1) {
        edges[1] = static_cast<uint32_t>(text.size());
        set.addRuns(edges.data(), 1);
    }
    return set.take();
}
