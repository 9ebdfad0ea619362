// The recording InputSink of the reading tests.
#include "FakeInput.h"

#include <map>

namespace {
constexpr int16_t kShift = 0x100;
constexpr int16_t kCtrl = 0x200;
constexpr int16_t kAlt = 0x400;
constexpr int16_t kAltGr = kCtrl | kAlt;
constexpr int kComma = 0xBC;
constexpr int kPeriod = 0xBE;
constexpr int kSlash = 0xBF;  // VK_OEM_2 on the US layout
constexpr int kOem102 = 0xE2; // the key beside the left Shift: "<" on German

// What both layouts type alike: letters, digits, space, comma, full stop
// and the keys that type control characters.
int16_t Common(char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<int16_t>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z')
        return static_cast<int16_t>(kShift | c);
    if (c >= '0' && c <= '9')
        return c;
    switch (c) {
    case ' ':
        return 0x20;
    case ',':
        return kComma;
    case '.':
        return kPeriod;
    case '\t':
        return 0x09;
    case '\r':
        return 0x0D;
    case '\n':
        return kCtrl | 0x0D;
    default:
        return -1;
    }
}

// VkKeyScanExA on a US layout, plus three characters of other layouts that
// report AltGr as Ctrl+Alt: the euro sign (AltGr+E, German), the Polish
// capital A with ogonek (Shift+AltGr+A, code page 1250) and a character
// typed with Alt alone (Alt+M).
int16_t Us(char c) {
    switch (c) {
    case '<':
        return kShift | kComma;
    case '>':
        return kShift | kPeriod;
    case '/':
        return kSlash;
    case '@':
        return kShift | '2';
    case kEuro:
        return kAltGr | 'E';
    case kCapitalAOgonek:
        return kShift | kAltGr | 'A';
    case kAltM:
        return kAlt | 'M';
    default:
        return Common(c);
    }
}

// VkKeyScanExA on a German layout (code page 1252).
int16_t German(char c) {
    switch (c) {
    case '<':
        return kOem102;
    case '>':
        return kShift | kOem102;
    case '/':
        return kShift | '7';
    case '@':
        return kAltGr | 'Q';
    case kEuro:
        return kAltGr | 'E';
    default:
        return Common(c);
    }
}

// The layout read backwards: which character a key with modifiers types.
std::map<int, char> CharactersByKey(FakeLayout layout) {
    std::map<int, char> characters;
    for (int c = 1; c < 256; ++c) {
        auto ch = static_cast<char>(c);
        int16_t scan = layout == FakeLayout::German ? German(ch) : Us(ch);
        if (scan != -1)
            characters.emplace(static_cast<uint16_t>(scan), ch);
    }
    return characters;
}

} // namespace

int16_t FakeInput::vkKeyScan(char c) {
    return layout == FakeLayout::German ? German(c) : Us(c);
}

std::vector<std::string> FakeInput::keys() const {
    std::vector<std::string> result;
    for (const std::string& e : events)
        if (e[0] != 'w')
            result.push_back(e);
    return result;
}

std::string FakeInput::typed() const {
    const std::map<int, char> characters = CharactersByKey(layout);
    auto typedBy = [&](int code, int key) {
        auto found = characters.find(code);
        return found != characters.end() ? found->second : static_cast<char>(key);
    };
    std::string text;
    bool shift = false, ctrl = false, alt = false;
    for (const std::string& e : events) {
        if (e[0] != '+' && e[0] != '-')
            continue;
        bool down = e[0] == '+';
        int key = std::stoi(e.substr(1));
        if (key == 16)
            shift = down;
        else if (key == 17)
            ctrl = down;
        else if (key == 18)
            alt = down;
        else if (down) {
            const int shifted = (shift ? kShift : 0) | key;
            const int code = shifted | (ctrl ? kCtrl : 0) | (alt ? kAlt : 0);
            if (characters.count(code) || !(ctrl || alt))
                text += typedBy(code, key);
            else
                text += std::string(ctrl ? "^" : "@") + typedBy(shifted, key);
        }
    }
    return text;
}
