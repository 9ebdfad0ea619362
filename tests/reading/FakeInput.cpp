// The recording InputSink of the reading tests.
#include "FakeInput.h"

namespace {
constexpr int16_t kShift = 0x100;
constexpr int16_t kCtrl = 0x200;
constexpr int16_t kAlt = 0x400;
constexpr int16_t kAltGr = kCtrl | kAlt;
constexpr int kComma = 0xBC;
} // namespace

// VkKeyScanA on a US layout, for the characters the tests use, plus three
// of other layouts that report AltGr as Ctrl+Alt: the euro sign (AltGr+E,
// German), the Polish capital A with ogonek (Shift+AltGr+A, code page 1250)
// and a character typed with Alt alone (Alt+M).
int16_t FakeInput::vkKeyScan(char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<int16_t>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z')
        return static_cast<int16_t>(kShift | c);
    if (c >= '0' && c <= '9')
        return c;
    switch (c) {
    case ' ':
        return 0x20;
    case '<':
        return kShift | kComma;
    case ',':
        return kComma;
    case '>':
        return kShift | 0xBE;
    case '\t':
        return 0x09;
    case '\r':
        return 0x0D;
    case '\n':
        return kCtrl | 0x0D;
    case kEuro:
        return kAltGr | 'E';
    case kCapitalAOgonek:
        return kShift | kAltGr | 'A';
    case kAltM:
        return kAlt | 'M';
    default:
        return -1;
    }
}

std::vector<std::string> FakeInput::keys() const {
    std::vector<std::string> result;
    for (const std::string& e : events)
        if (e[0] != 'w')
            result.push_back(e);
    return result;
}

std::string FakeInput::typed() const {
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
            char c = key == kComma ? (shift ? '<' : ',')
                     : key == 0xBE ? '>'
                                   : static_cast<char>(key);
            if (c >= 'A' && c <= 'Z' && !shift)
                c = static_cast<char>(c - 'A' + 'a');
            text += ctrl ? std::string("^") + c : alt ? std::string("@") + c : std::string(1, c);
        }
    }
    return text;
}
