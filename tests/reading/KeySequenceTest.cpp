// The key-sequence language: token matching and the exact event streams.
#include "reading/KeySequence.h"

#include "FakeInput.h"

#include <gtest/gtest.h>

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

TEST(MatchKeyToken, MatchesEveryTokenByItsExactNameAndAdvances) {
    for (int i = 1; i <= kKeyTokenCount; ++i) {
        std::string text = "x" + std::string(KeyTokenName(i)) + "y";
        size_t position = 1;
        EXPECT_EQ(MatchKeyToken(text, position), i) << text;
        EXPECT_EQ(position, text.size() - 1) << text;
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

TEST(MatchKeyToken, KnowsTheVirtualKeysOfTheTableEnds) {
    EXPECT_EQ(KeyTokenVirtualKey(1), 17);
    EXPECT_EQ(KeyTokenVirtualKey(19), 144);
    EXPECT_EQ(KeyTokenVirtualKey(31), 123);
    EXPECT_EQ(KeyTokenVirtualKey(32), 96);
    EXPECT_EQ(KeyTokenVirtualKey(46), 110);
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
