// keysequence_fuzzer: any text plays into a recording input sink without a
// crash; every key and modifier pressed is released again, the key inside
// its modifiers, and nothing is left pressed at the end. Each key is pressed
// inside exactly the modifiers its layout entry asks for, flipped by the
// switches on at that point. The text is played fast and with waits, and
// both give the same key events.
#include "reading/KeySequence.h"
#include "tests/Fixtures.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

bool isModifier(uint8_t key) {
    return key == kVkShift || key == kVkControl || key == kVkAlt;
}

// Modifiers as VkKeyScanA's high byte names them.
constexpr unsigned kNeedsShift = 1;
constexpr unsigned kNeedsCtrl = 2;
constexpr unsigned kNeedsAlt = 4;

unsigned modifierBit(uint8_t key) {
    return key == kVkShift ? kNeedsShift : key == kVkControl ? kNeedsCtrl : kNeedsAlt;
}

// One key press with the modifiers held around it.
struct Press {
    uint8_t key;
    unsigned modifiers;
    bool operator==(const Press& other) const {
        return key == other.key && modifiers == other.modifiers;
    }
};

constexpr int16_t kShift = 0x100;
constexpr int16_t kCtrl = 0x200;
constexpr int16_t kAlt = 0x400;

// VkKeyScanA for the US punctuation keys, in "unshifted, shifted" pairs.
constexpr struct {
    char plain;
    char shifted;
    uint8_t key;
} kPunctuation[] = {
    {'`', '~', 0xC0}, {'-', '_', 0xBD},  {'=', '+', 0xBB}, {'[', '{', 0xDB},
    {']', '}', 0xDD}, {'\\', '|', 0xDC}, {';', ':', 0xBA}, {'\'', '"', 0xDE},
    {',', '<', 0xBC}, {'.', '>', 0xBE},  {'/', '?', 0xBF},
};
constexpr char kShiftedDigits[] = ")!@#$%^&*(";

int16_t punctuationScan(char c) {
    for (const auto& p : kPunctuation) {
        if (c == p.plain)
            return p.key;
        if (c == p.shifted)
            return kShift | p.key;
    }
    for (int digit = 0; digit < 10; ++digit)
        if (c == kShiftedDigits[digit])
            return static_cast<int16_t>(kShift | ('0' + digit));
    return -1;
}

int16_t controlScan(unsigned char c) {
    switch (c) {
    case '\b':
    case '\t':
    case '\r':
    case 0x1B:
        return c;
    case '\n':
        return kCtrl | 0x0D;
    case 0x7F:
        return kCtrl | 0x08;
    default:
        return c >= 1 && c <= 26 ? static_cast<int16_t>(kCtrl | ('A' + c - 1)) : -1;
    }
}

// A US layout, plus AltGr-style characters above 127 that need every mix of
// Shift, Ctrl and Alt, some with the layout's extra high-byte flags set.
int16_t usLayoutScan(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (c >= 'a' && c <= 'z')
        return static_cast<int16_t>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z')
        return static_cast<int16_t>(kShift | c);
    if ((c >= '0' && c <= '9') || c == ' ')
        return c;
    if (u < 0x20 || u == 0x7F)
        return controlScan(u);
    if (u >= 0xC0)
        return static_cast<int16_t>(((u & 0x3F) << 8) | ('A' + u % 26));
    if (u == 0x80)
        return kCtrl | kAlt | 'E';
    return u < 0x80 ? punctuationScan(c) : -1;
}

// Keeps the keys held and checks each event against them as it comes.
class CheckingInput : public InputSink {
public:
    void keyDown(uint8_t key) override {
        require(key != 0 && key != 0xFF && !held[key]);
        // Nothing is pressed while a key is down: the key is the innermost.
        require(down == 0);
        held[key] = true;
        if (isModifier(key))
            modifiers |= modifierBit(key);
        else {
            down = key;
            presses.push_back({key, modifiers});
        }
        keys.push_back(key);
    }
    void keyUp(uint8_t key) override {
        require(held[key]);
        // The key goes up before its modifiers, and right after its own down.
        require(isModifier(key) ? down == 0 : down == key && keys.back() == key);
        held[key] = false;
        if (isModifier(key))
            modifiers &= ~modifierBit(key);
        down = 0;
        keys.push_back(static_cast<uint16_t>(0x100 | key));
    }
    void mouseButton(MouseButton, bool) override { require(false); }
    void wait(unsigned ms) override {
        require(ms == 1);
        ++waits;
    }
    int16_t vkKeyScan(char c) override { return usLayoutScan(c); }

    void requireNothingHeld() const {
        for (bool h : held)
            require(!h);
    }

    std::vector<uint16_t> keys;
    std::vector<Press> presses;
    unsigned waits = 0;

private:
    bool held[256] = {};
    uint8_t down = 0;
    unsigned modifiers = 0;
};

// The presses the text asks for: each key token's key, and each character
// the layout can type, inside the switches on at that point, each switch the
// character's layout entry names turned over.
std::vector<Press> expectedPresses(std::string_view text) {
    std::vector<Press> presses;
    unsigned switches = 0;
    size_t position = 0;
    while (position < text.size()) {
        const int token = MatchKeyToken(text, position);
        if (token == kTokenCtrl)
            switches ^= kNeedsCtrl;
        else if (token == kTokenAlt)
            switches ^= kNeedsAlt;
        else if (token == kTokenShift)
            switches ^= kNeedsShift;
        else if (token != 0)
            presses.push_back({KeyTokenVirtualKey(token), switches});
        else if (const int16_t scan = usLayoutScan(text[position++]); scan != -1)
            presses.push_back({static_cast<uint8_t>(scan & 0xFF), switches ^ ((scan >> 8) & 7)});
    }
    return presses;
}

// Modifiers go up in the order they went down (Shift, Alt, Ctrl).
void requireModifierOrder(const std::vector<uint16_t>& keys) {
    std::vector<uint16_t> pressed;
    for (uint16_t event : keys) {
        const auto key = static_cast<uint8_t>(event & 0xFF);
        if (!isModifier(key))
            continue;
        if ((event & 0x100) == 0) {
            pressed.push_back(key);
            continue;
        }
        require(!pressed.empty() && pressed.front() == key);
        pressed.erase(pressed.begin());
    }
    require(pressed.empty());
}

size_t nonModifierPresses(const std::vector<uint16_t>& keys) {
    size_t count = 0;
    for (uint16_t event : keys)
        count += (event & 0x100) == 0 && !isModifier(static_cast<uint8_t>(event));
    return count;
}

} // namespace

// Each key's events depend only on the three switches and the layout, so a
// short text reaches every state; longer inputs would only slow the search.
constexpr size_t kLongest = 128;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data),
                                size < kLongest ? size : kLongest);

    CheckingInput fast;
    PlayKeySequence(fast, text, true);
    fast.requireNothingHeld();
    require(fast.waits == 0);
    requireModifierOrder(fast.keys);
    require(fast.presses == expectedPresses(text));

    CheckingInput slow;
    PlayKeySequence(slow, text, false);
    slow.requireNothingHeld();
    require(slow.keys == fast.keys);
    // One wait before, between and after the key's own down and up.
    require(slow.waits == 3 * nonModifierPresses(slow.keys));
    return 0;
}
