// The key-sequence language: token matching and the exact event streams.
#include "reading/KeySequence.h"

#include "FakeInput.h"

#include <gtest/gtest.h>

#include <iterator>

using Events = std::vector<std::string>;

namespace {

Events Play(std::string_view text, bool fast = false) {
    FakeInput input;
    PlayKeySequence(input, text, fast);
    return input.events;
}

Events Keys(std::string_view text) {
    FakeInput input;
    PlayKeySequence(input, text, true);
    return input.keys();
}

} // namespace

// Every token of the language with the Win32 virtual key it stands for, in
// the order tokens are tried, written out from the VK_ constants by hand.
constexpr struct {
    const char* name;
    int virtualKey;
} kWin32Keys[] = {
    {"<ctrl>", 0x11},     // VK_CONTROL
    {"<alt>", 0x12},      // VK_MENU
    {"<shift>", 0x10},    // VK_SHIFT
    {"<tab>", 0x09},      // VK_TAB
    {"<esc>", 0x1B},      // VK_ESCAPE
    {"<enter>", 0x0D},    // VK_RETURN
    {"<left>", 0x25},     // VK_LEFT
    {"<right>", 0x27},    // VK_RIGHT
    {"<up>", 0x26},       // VK_UP
    {"<down>", 0x28},     // VK_DOWN
    {"<pgup>", 0x21},     // VK_PRIOR
    {"<pgdn>", 0x22},     // VK_NEXT
    {"<home>", 0x24},     // VK_HOME
    {"<end>", 0x23},      // VK_END
    {"<insert>", 0x2D},   // VK_INSERT
    {"<del>", 0x2E},      // VK_DELETE
    {"<back>", 0x08},     // VK_BACK
    {"<capslock>", 0x14}, // VK_CAPITAL
    {"<numlock>", 0x90},  // VK_NUMLOCK
    {"<F1>", 0x70},       // VK_F1
    {"<F2>", 0x71},       // VK_F2
    {"<F3>", 0x72},       // VK_F3
    {"<F4>", 0x73},       // VK_F4
    {"<F5>", 0x74},       // VK_F5
    {"<F6>", 0x75},       // VK_F6
    {"<F7>", 0x76},       // VK_F7
    {"<F8>", 0x77},       // VK_F8
    {"<F9>", 0x78},       // VK_F9
    {"<F10>", 0x79},      // VK_F10
    {"<F11>", 0x7A},      // VK_F11
    {"<F12>", 0x7B},      // VK_F12
    {"<numpad0>", 0x60},  // VK_NUMPAD0
    {"<numpad1>", 0x61},  // VK_NUMPAD1
    {"<numpad2>", 0x62},  // VK_NUMPAD2
    {"<numpad3>", 0x63},  // VK_NUMPAD3
    {"<numpad4>", 0x64},  // VK_NUMPAD4
    {"<numpad5>", 0x65},  // VK_NUMPAD5
    {"<numpad6>", 0x66},  // VK_NUMPAD6
    {"<numpad7>", 0x67},  // VK_NUMPAD7
    {"<numpad8>", 0x68},  // VK_NUMPAD8
    {"<numpad9>", 0x69},  // VK_NUMPAD9
    {"<numpad+>", 0x6B},  // VK_ADD
    {"<numpad*>", 0x6A},  // VK_MULTIPLY
    {"<numpad->", 0x6D},  // VK_SUBTRACT
    {"<numpad/>", 0x6F},  // VK_DIVIDE
    {"<numpad.>", 0x6E},  // VK_DECIMAL
};

TEST(MatchKeyToken, EveryTokenIsMatchedWhereverItStandsAndPressesItsVirtualKey) {
    ASSERT_EQ(std::size(kWin32Keys), static_cast<size_t>(kKeyTokenCount));
    for (int i = 1; i <= kKeyTokenCount; ++i) {
        const auto& key = kWin32Keys[i - 1];
        const std::string text = "x" + std::string(key.name) + "y";
        size_t position = 1;
        EXPECT_EQ(MatchKeyToken(text, position), i) << key.name;
        EXPECT_EQ(position, text.size() - 1) << key.name;
        EXPECT_EQ(KeyTokenVirtualKey(i), key.virtualKey) << key.name;
        if (i > kTokenShift) {
            const std::string vk = std::to_string(key.virtualKey);
            EXPECT_EQ(Keys(key.name), (Events{"+" + vk, "-" + vk})) << key.name;
        }
    }
}

TEST(MatchKeyToken, TellsF1FromF10AndIsCaseSensitive) {
    size_t position = 0;
    EXPECT_EQ(MatchKeyToken("<F10>", position), 29);
    EXPECT_EQ(position, 5u);
    position = 0;
    EXPECT_EQ(MatchKeyToken("<F1>0", position), 20);
    EXPECT_EQ(position, 4u);
    for (std::string_view text : {"<f1>", "<Ctrl>", "<ctrl", "ctrl>", "<", ""}) {
        position = 0;
        EXPECT_EQ(MatchKeyToken(text, position), 0) << text;
        EXPECT_EQ(position, 0u) << text;
    }
}

TEST(PlayKeySequence, CtrlAWrapsTheKeyInCtrlWithWaitsBetweenKeyEvents) {
    EXPECT_EQ(Play("<ctrl>a<ctrl>"), (Events{"+17", "w1", "+65", "w1", "-65", "w1", "-17"}));
    EXPECT_EQ(Play("<ctrl><home><ctrl>"), (Events{"+17", "w1", "+36", "w1", "-36", "w1", "-17"}));
}

TEST(PlayKeySequence, FastModeLeavesOutEveryWait) {
    EXPECT_EQ(Play("<ctrl>a<ctrl>", true), (Events{"+17", "+65", "-65", "-17"}));
}

TEST(PlayKeySequence, EachKeyGetsItsOwnModifierPresses) {
    EXPECT_EQ(Keys("<ctrl>ab<ctrl>"),
              (Events{"+17", "+65", "-65", "-17", "+17", "+66", "-66", "-17"}));
}

TEST(PlayKeySequence, PressesAndReleasesModifiersShiftAltCtrl) {
    EXPECT_EQ(Keys("<ctrl><alt>x<alt><ctrl>"), (Events{"+18", "+17", "+88", "-88", "-18", "-17"}));
    EXPECT_EQ(Keys("<alt><shift><ctrl><F3>"),
              (Events{"+16", "+18", "+17", "+114", "-114", "-16", "-18", "-17"}));
}

TEST(PlayKeySequence, ANeededModifierFlipsTheSwitch) {
    EXPECT_EQ(Keys("<shift>a"), (Events{"+16", "+65", "-65", "-16"}));
    // Shift is already on, and "A" needs it: the flip takes it off.
    EXPECT_EQ(Keys("<shift>A"), (Events{"+65", "-65"}));
    EXPECT_EQ(Keys("A"), (Events{"+16", "+65", "-65", "-16"}));
    // The flip is undone after the key: the next key has the switch again.
    EXPECT_EQ(Keys("<shift>Ab"), (Events{"+65", "-65", "+16", "+66", "-66", "-16"}));
}

TEST(PlayKeySequence, AltGrAndAltCharactersArePressedInsideExactlyTheirModifiers) {
    const struct {
        std::string text;
        Events keys;
    } cases[] = {
        // AltGr is Ctrl+Alt: pressed Alt first, released in the same order.
        {{kEuro}, {"+18", "+17", "+69", "-69", "-18", "-17"}},
        {{kCapitalAOgonek}, {"+16", "+18", "+17", "+65", "-65", "-16", "-18", "-17"}},
        {{kAltM}, {"+18", "+77", "-77", "-18"}},
        // A switch that is on already is taken off for the character.
        {"<ctrl>" + std::string{kEuro}, {"+18", "+69", "-69", "-18"}},
        {"<alt>" + std::string{kAltM}, {"+77", "-77"}},
        {"<shift>" + std::string{kCapitalAOgonek}, {"+18", "+17", "+65", "-65", "-18", "-17"}},
        // The switches come back for the next character.
        {"<alt>" + std::string{kEuro} + "a",
         {"+17", "+69", "-69", "-17", "+18", "+65", "-65", "-18"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Keys(c.text), c.keys) << c.text;
}

TEST(PlayKeySequence, SwitchesAloneSendNothing) {
    EXPECT_TRUE(Play("").empty());
    EXPECT_TRUE(Play("<ctrl>").empty());
    EXPECT_TRUE(Play("<ctrl><alt><shift><shift>").empty());
}

TEST(PlayKeySequence, ASwitchLeftOnEndsWithNothingPressed) {
    EXPECT_EQ(Keys("<ctrl>a"), (Events{"+17", "+65", "-65", "-17"}));
}

TEST(PlayKeySequence, UnknownNamesAreTypedAsCharacters) {
    FakeInput input;
    PlayKeySequence(input, "<f1>", true);
    EXPECT_EQ(input.typed(), "<f1>");
    EXPECT_EQ(input.keys().front(), "+16"); // "<" is Shift plus the comma key
}

TEST(PlayKeySequence, KeyNamesInsideTextActAsKeys) {
    FakeInput input;
    PlayKeySequence(input, "a<tab>b<enter>", true);
    EXPECT_EQ(input.keys(), (Events{"+65", "-65", "+9", "-9", "+66", "-66", "+13", "-13"}));
}

TEST(PlayKeySequence, CharactersTheLayoutCannotTypeAreSkipped) {
    EXPECT_EQ(Keys("a\xE9"
                   "b"),
              (Events{"+65", "-65", "+66", "-66"}));
    EXPECT_TRUE(Play("\xE9\xE8").empty());
}

// The same text through the US and the German layout: each layout's own
// keys and modifiers (AltGr for the German "@", Shift for the US one) type
// it, and what the keys type back on that layout is the text again.
TEST(PlayKeySequence, TheSameTextIsTypedThroughEitherLayoutWithThatLayoutsKeys) {
    const std::string text = "Mail a/b@c.de <Zoe>, 42";
    Events keysOn[2];
    const FakeLayout layouts[] = {FakeLayout::Us, FakeLayout::German};
    for (int i = 0; i < 2; ++i) {
        FakeInput input(layouts[i]);
        PlayKeySequence(input, text, true);
        EXPECT_EQ(input.typed(), text) << "layout " << i;
        keysOn[i] = input.keys();
    }
    EXPECT_NE(keysOn[0], keysOn[1]);
    // "@": Shift+2 on the US layout, AltGr+Q (Ctrl+Alt) on the German one.
    FakeInput us(FakeLayout::Us), german(FakeLayout::German);
    PlayKeySequence(us, "@", true);
    PlayKeySequence(german, "@", true);
    EXPECT_EQ(us.keys(), (Events{"+16", "+50", "-50", "-16"}));
    EXPECT_EQ(german.keys(), (Events{"+18", "+17", "+81", "-81", "-18", "-17"}));
}
