// The tabbed window's title: embossed where the system's colours keep it
// readable, plain button text where they would not.
#include "app/logic/TitleColours.h"

#include <gtest/gtest.h>

namespace {
constexpr SystemColour Rgb(unsigned red, unsigned green, unsigned blue) {
    return red | (green << 8) | (blue << 16);
}
} // namespace

TEST(TitleColours, ContrastRatioWeighsTheChannelsByLuminance) {
    EXPECT_DOUBLE_EQ(ContrastRatio(Rgb(0, 0, 0), Rgb(255, 255, 255)), 21.0);
    // Green weighs most, blue least (COLORREF keeps red in the low byte).
    EXPECT_GT(ContrastRatio(Rgb(0, 255, 0), Rgb(0, 0, 0)),
              5 * ContrastRatio(Rgb(0, 0, 255), Rgb(0, 0, 0)));
}

TEST(TitleColours, SchemesThatHideTheEmbossingGetPlainButtonText) {
    const struct {
        const char* scheme;
        TitleScheme colours;
        bool embossed;
    } cases[] = {
        {"Windows Standard", {Rgb(192, 192, 192), Rgb(255, 255, 255), Rgb(0, 0, 0)}, true},
        {"Wine's default", {Rgb(240, 240, 240), Rgb(255, 255, 255), Rgb(105, 105, 105)}, true},
        // Shadows as light as the face: the face-coloured letters vanish.
        {"pale shadows", {Rgb(192, 192, 192), Rgb(255, 255, 255), Rgb(160, 160, 160)}, false},
        // A high-contrast scheme chosen as an ordinary one: a black face
        // with a black shadow shows only a white sliver of each letter.
        {"High Contrast Black", {Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(0, 0, 0)}, false},
        // Readable embossing still gives way when the user asks for contrast.
        {"High Contrast White", {Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(0, 0, 0), true}, false},
    };
    for (const auto& c : cases) {
        std::vector<TitleLayer> layers = ChooseTitleLayers(c.colours);
        bool plain = layers.size() == 1 && layers[0].ink == TitleInk::ButtonText;
        EXPECT_EQ(plain, !c.embossed) << c.scheme;
    }
}
