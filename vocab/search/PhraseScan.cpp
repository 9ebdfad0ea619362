// PhraseScan: each phrase is anchored on a window of up to eight of its bytes
// around one of its spaces. The text is walked space by space; the window
// around each space is folded, looked up in a bit filter and, on a hit, in
// the sorted anchors, and only then are whole phrases compared. A text has
// one space in six or so bytes, and the filter rejects nearly all of them.
#include "vocab/search/PhraseScan.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t kFilterBits = 18;
constexpr size_t kBlock = 4096;

constexpr uint64_t kEveryByte = 0x0101010101010101ull;

// Lower-cases "A" to "Z" in eight bytes at once: a byte is a capital when
// its low seven bits are at least 'A' and at most 'Z' and its top bit is 0.
uint64_t fold8(uint64_t x) {
    const uint64_t low = x & (kEveryByte * 0x7f);
    const uint64_t atLeastA = low + kEveryByte * (0x80 - 'A');
    const uint64_t aboveZ = low + kEveryByte * (0x80 - 'Z' - 1);
    const uint64_t capital = atLeastA & ~aboveZ & ~x & (kEveryByte * 0x80);
    return x | (capital >> 2);
}

uint32_t filterIndex(uint64_t key) {
    return static_cast<uint32_t>((key * 0x9e3779b97f4a7c15ull) >> (64 - kFilterBits));
}

uint32_t keySlot(uint64_t key) {
    return static_cast<uint32_t>((key * 0xc2b2ae3d27d4eb4full) >> 32);
}

// The `width` bytes at `start` as a little-endian number.
uint64_t windowKey(const char* start, uint32_t width) {
    uint64_t key = 0;
    std::memcpy(&key, start, width);
    return key;
}

} // namespace

PhraseScan::PhraseScan(const std::vector<NeedleAutomaton::Needle>& phrases) {
    for (const NeedleAutomaton::Needle& phrase : phrases) {
        anchor(phrase);
    }
    for (Shape& shape : shapes_) {
        shape.index();
    }
    remaining_ = phrases.size();
}

// The window shapes a phrase may be anchored with, widest first: every
// shape in use costs a look-up at every space of the text, so phrases share
// a few shapes rather than each having its best fitting one.
constexpr struct {
    uint32_t spaceAt;
    uint32_t width;
} kShapes[] = {{4, 8}, {2, 4}, {1, 2}};

void PhraseScan::anchor(const NeedleAutomaton::Needle& needle) {
    const std::string_view bytes = needle.bytes;
    // A phrase whose spaces all lead it, such as " x", keeps the window
    // that starts at its first space.
    uint32_t space = static_cast<uint32_t>(bytes.find(' '));
    uint32_t spaceAt = 0;
    uint32_t width = static_cast<uint32_t>(std::min<size_t>(8, bytes.size() - space));
    bool fitted = false;
    for (const auto& shape : kShapes) {
        for (size_t at = bytes.find(' '); at != std::string_view::npos && !fitted;
             at = bytes.find(' ', at + 1)) {
            fitted = at >= shape.spaceAt && at - shape.spaceAt + shape.width <= bytes.size();
            if (fitted) {
                space = static_cast<uint32_t>(at);
                spaceAt = shape.spaceAt;
                width = shape.width;
            }
        }
    }
    auto shape = std::find_if(shapes_.begin(), shapes_.end(), [&](const Shape& s) {
        return s.spaceAt == spaceAt && s.width == width;
    });
    if (shape == shapes_.end()) {
        const uint64_t mask = width == 8 ? ~0ull : (uint64_t{1} << (8 * width)) - 1;
        shapes_.push_back(
            {spaceAt, width, mask, std::vector<uint64_t>((1u << kFilterBits) / 64), {}, {}});
        shape = shapes_.end() - 1;
    }
    const uint64_t key = windowKey(bytes.data() + space - spaceAt, width);
    shape->filter[filterIndex(key) / 64] |= uint64_t{1} << (filterIndex(key) % 64);
    shape->anchored.emplace_back(key, static_cast<uint32_t>(phrases_.size()));
    phrases_.push_back({bytes, needle.id, space});
}

void PhraseScan::Shape::index() {
    std::sort(anchored.begin(), anchored.end());
    unfound = anchored.size();
    size_t size = 16;
    while (size < anchored.size() * 2) {
        size *= 2;
    }
    keys.assign(size, KeyRange{0, 0, 0, 0});
    for (uint32_t i = 0; i < anchored.size();) {
        uint32_t end = i;
        while (end < anchored.size() && anchored[end].first == anchored[i].first) {
            ++end;
        }
        uint32_t slot = keySlot(anchored[i].first) & (size - 1);
        while (keys[slot].end != 0) {
            slot = (slot + 1) & (size - 1);
        }
        keys[slot] = {anchored[i].first, i, end, end - i};
        i = end;
    }
}

PhraseScan::KeyRange* PhraseScan::Shape::find(uint64_t key) {
    const uint32_t mask = static_cast<uint32_t>(keys.size() - 1);
    for (uint32_t slot = keySlot(key) & mask; keys[slot].end != 0; slot = (slot + 1) & mask) {
        if (keys[slot].key == key) {
            return &keys[slot];
        }
    }
    return nullptr;
}

void PhraseScan::scan(std::string_view text, std::vector<uint8_t>& found) {
    std::vector<uint32_t> spaces(kBlock);
    for (size_t block = 0; block < text.size() && remaining_ > 0; block += kBlock) {
        const size_t end = std::min(text.size(), block + kBlock);
        // Collected without a branch per byte: where the spaces fall is not
        // something the processor can predict.
        size_t count = 0;
        for (size_t i = block; i < end; ++i) {
            spaces[count] = static_cast<uint32_t>(i - block);
            count += text[i] == ' ';
        }
        for (size_t s = 0; s < count && remaining_ > 0; ++s) {
            scanSpace(text, block + spaces[s], found);
        }
    }
}

void PhraseScan::scanSpace(std::string_view text, size_t space, std::vector<uint8_t>& found) {
    for (Shape& shape : shapes_) {
        // A shape whose phrases are all found costs no more look-ups.
        if (shape.unfound == 0 || space < shape.spaceAt ||
            space - shape.spaceAt + shape.width > text.size()) {
            continue;
        }
        const char* window = text.data() + space - shape.spaceAt;
        uint64_t raw;
        if (window + 8 <= text.data() + text.size()) {
            std::memcpy(&raw, window, 8);
            raw &= shape.mask;
        } else {
            raw = windowKey(window, shape.width);
        }
        const uint64_t key = fold8(raw);
        const uint32_t bit = filterIndex(key);
        if ((shape.filter[bit / 64] & (uint64_t{1} << (bit % 64))) == 0) {
            continue;
        }
        KeyRange* range = shape.find(key);
        if (range == nullptr || range->unfound == 0) {
            continue;
        }
        for (uint32_t i = range->begin; i < range->end; ++i) {
            const Phrase& phrase = phrases_[shape.anchored[i].second];
            if (!found[phrase.id] && space >= phrase.spaceAt &&
                occursAt(text, space - phrase.spaceAt, phrase.bytes)) {
                found[phrase.id] = 1;
                --range->unfound;
                --shape.unfound;
                --remaining_;
            }
        }
    }
}

bool PhraseScan::occursAt(std::string_view text, size_t start, std::string_view phrase) const {
    if (start + phrase.size() > text.size()) {
        return false;
    }
    const char* at = text.data() + start;
    size_t i = 0;
    for (; i + 8 <= phrase.size(); i += 8) {
        if (fold8(windowKey(at + i, 8)) != windowKey(phrase.data() + i, 8)) {
            return false;
        }
    }
    const uint32_t rest = static_cast<uint32_t>(phrase.size() - i);
    return rest == 0 || fold8(windowKey(at + i, rest)) == windowKey(phrase.data() + i, rest);
}
