// The key-sequence language: its token table, matcher and player.
#include "reading/KeySequence.h"

namespace {

struct KeyToken {
    std::string_view name;
    uint8_t virtualKey;
};

// Tried in this order; the position in the table (from 1) is the token index.
constexpr KeyToken kTokens[kKeyTokenCount] = {
    {"<ctrl>", 17},     {"<alt>", 18},      {"<shift>", 16},    {"<tab>", 9},
    {"<esc>", 27},      {"<enter>", 13},    {"<left>", 37},     {"<right>", 39},
    {"<up>", 38},       {"<down>", 40},     {"<pgup>", 33},     {"<pgdn>", 34},
    {"<home>", 36},     {"<end>", 35},      {"<insert>", 45},   {"<del>", 46},
    {"<back>", 8},      {"<capslock>", 20}, {"<numlock>", 144}, {"<F1>", 112},
    {"<F2>", 113},      {"<F3>", 114},      {"<F4>", 115},      {"<F5>", 116},
    {"<F6>", 117},      {"<F7>", 118},      {"<F8>", 119},      {"<F9>", 120},
    {"<F10>", 121},     {"<F11>", 122},     {"<F12>", 123},     {"<numpad0>", 96},
    {"<numpad1>", 97},  {"<numpad2>", 98},  {"<numpad3>", 99},  {"<numpad4>", 100},
    {"<numpad5>", 101}, {"<numpad6>", 102}, {"<numpad7>", 103}, {"<numpad8>", 104},
    {"<numpad9>", 105}, {"<numpad+>", 107}, {"<numpad*>", 106}, {"<numpad->", 109},
    {"<numpad/>", 111}, {"<numpad.>", 110},
};

// The modifier switches of one playing.
struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;

    // Flips the switches named by a VkKeyScanA high byte (bit 0 Shift,
    // bit 1 Ctrl, bit 2 Alt): a needed modifier is added when off and
    // removed when on.
    void flip(unsigned needed) {
        shift ^= (needed & 1) != 0;
        ctrl ^= (needed & 2) != 0;
        alt ^= (needed & 4) != 0;
    }
};

void PressModifiers(InputSink& input, const Modifiers& on, bool up) {
    auto send = [&](bool active, uint8_t key) {
        if (!active)
            return;
        if (up)
            input.keyUp(key);
        else
            input.keyDown(key);
    };
    send(on.shift, kVkShift);
    send(on.alt, kVkAlt);
    send(on.ctrl, kVkControl);
}

void PlayKey(InputSink& input, Modifiers& on, uint8_t key, unsigned needed, bool fast) {
    on.flip(needed);
    PressModifiers(input, on, false);
    if (!fast)
        input.wait(1);
    input.keyDown(key);
    if (!fast)
        input.wait(1);
    input.keyUp(key);
    if (!fast)
        input.wait(1);
    PressModifiers(input, on, true);
    on.flip(needed);
}

} // namespace

int MatchKeyToken(std::string_view text, size_t& position) {
    if (position > text.size())
        return 0;
    std::string_view rest = text.substr(position);
    for (int i = 0; i < kKeyTokenCount; ++i) {
        std::string_view name = kTokens[i].name;
        if (rest.substr(0, name.size()) == name) {
            position += name.size();
            return i + 1;
        }
    }
    return 0;
}

std::string_view KeyTokenName(int index) {
    return kTokens[index - 1].name;
}

uint8_t KeyTokenVirtualKey(int index) {
    return kTokens[index - 1].virtualKey;
}

void PlayKeySequence(InputSink& input, std::string_view text, bool fast) {
    Modifiers on;
    size_t position = 0;
    while (position < text.size()) {
        int token = MatchKeyToken(text, position);
        if (token == kTokenCtrl)
            on.ctrl = !on.ctrl;
        else if (token == kTokenAlt)
            on.alt = !on.alt;
        else if (token == kTokenShift)
            on.shift = !on.shift;
        else if (token != 0)
            PlayKey(input, on, KeyTokenVirtualKey(token), 0, fast);
        else {
            auto scan = static_cast<uint16_t>(input.vkKeyScan(text[position]));
            // A character the layout cannot type is left out: pressing the
            // lookup's failure value would send key 255 with all modifiers.
            if ((scan & 0xFF) != 0xFF)
                PlayKey(input, on, static_cast<uint8_t>(scan & 0xFF), (scan >> 8) & 7, fast);
            ++position;
        }
    }
}
