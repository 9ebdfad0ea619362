// The names a key sequence would type as text: what the settings dialogs
// warn about before they keep a sequence.
#include "ui/logic/KeyNameCheck.h"

#include <gtest/gtest.h>

using Names = std::vector<std::string>;

TEST(UnknownKeyNames, KeyTokensAndPlainTextPass) {
    for (const char* sequence :
         {"", "<ctrl>a<ctrl>", "<F3>", "<alt>ec<alt>", "<ctrl><home><ctrl>", "<numpad+><numpad.>",
          "a<b", "x > y", "<>", "a < b > c < d", "<<F3>"}) {
        EXPECT_EQ(UnknownKeyNames(sequence), Names{}) << sequence;
    }
}

TEST(UnknownKeyNames, NamesThatAreNoTokenAreReportedOnceInOrder) {
    struct Case {
        const char* sequence;
        Names names;
    };
    const Case cases[] = {
        // Token names are case-sensitive: these would be typed as text.
        {"<Ctrl>a<Ctrl>", {"<Ctrl>"}},
        {"<f3>", {"<f3>"}},
        {"<ctrl>a<ctrl><pagedown><enter>", {"<pagedown>"}},
        {"<win>r<escape><win>", {"<win>", "<escape>"}},
        // The last "<" before the ">" opens the name.
        {"a<<space>", {"<space>"}},
        {"<ctrl >a<Shift>", {"<Shift>"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UnknownKeyNames(c.sequence), c.names) << c.sequence;
}
