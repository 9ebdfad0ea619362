// A recording InputSink over one of two fake keyboard layouts (a US one and
// a German one), with a few characters of other layouts, for the reading
// tests.
#pragma once

#include "reading/InputSink.h"

#include <functional>
#include <string>
#include <vector>

// Characters that the US fake layout types with AltGr or Alt (see vkKeyScan).
constexpr char kEuro = '\x80';
constexpr char kCapitalAOgonek = '\xA5';
constexpr char kAltM = '\xB5';

// The layout of the window typed into. German puts "@" on AltGr+Q, "<" and
// ">" on a key of their own and "/" on Shift+7.
enum class FakeLayout { Us, German };

// Events are recorded as short words: "+65" key 65 down, "-65" key 65 up,
// "w1" a wait of 1 ms, "L+" / "L-" left button down / up.
class FakeInput : public InputSink {
public:
    explicit FakeInput(FakeLayout layout = FakeLayout::Us) : layout(layout) {}

    void keyDown(uint8_t key) override { record("+" + std::to_string(key)); }
    void keyUp(uint8_t key) override { record("-" + std::to_string(key)); }
    void mouseButton(MouseButton button, bool up) override {
        const char* name = button == MouseButton::Left    ? "L"
                           : button == MouseButton::Right ? "R"
                                                          : "M";
        record(std::string(name) + (up ? "-" : "+"));
    }
    void wait(unsigned ms) override {
        waitedMs += ms;
        record("w" + std::to_string(ms));
    }
    void record(const std::string& event) {
        events.push_back(event);
        if (observer)
            observer(event);
    }
    int16_t vkKeyScan(char c) override;

    // The events without the waits.
    std::vector<std::string> keys() const;
    // The text the key events would type on this input's layout. A chord
    // with Ctrl or Alt that types no character of the layout shows as "^x"
    // or "@x"; a key that types nothing shows as its key code.
    std::string typed() const;

    FakeLayout layout;
    std::vector<std::string> events;
    // Sees every event as it happens (a fake application reacting to keys).
    std::function<void(const std::string&)> observer;
    unsigned waitedMs = 0;
};
