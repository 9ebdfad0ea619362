// The tabbed window's title: embossed where the system's colours keep it
// readable, plain button text where they would not.
#include "app/logic/TitleColours.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr SystemColour Rgb(unsigned red, unsigned green, unsigned blue) {
    return red | (green << 8) | (blue << 16);
}

const std::vector<TitleLayer> kEmbossed = {
    {4, TitleInk::Highlight}, {2, TitleInk::DarkShadow}, {3, TitleInk::Face}};
const std::vector<TitleLayer> kPlain = {{3, TitleInk::ButtonText}};

bool operator==(const std::vector<TitleLayer>& a, const std::vector<TitleLayer>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](TitleLayer x, TitleLayer y) {
        return x.offset == y.offset && x.ink == y.ink;
    });
}

} // namespace

TEST(TitleColours, ContrastRatioRunsFromOneForEqualColoursToTwentyOneForBlackOnWhite) {
    EXPECT_DOUBLE_EQ(ContrastRatio(Rgb(0, 0, 0), Rgb(255, 255, 255)), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(Rgb(255, 255, 255), Rgb(0, 0, 0)), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(Rgb(80, 120, 140), Rgb(80, 120, 140)), 1.0);
    // Green weighs most, blue least: pure green on black stands out far more.
    EXPECT_GT(ContrastRatio(Rgb(0, 255, 0), Rgb(0, 0, 0)),
              ContrastRatio(Rgb(0, 0, 255), Rgb(0, 0, 0)) * 5);
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
        // A black face with a black shadow (a high-contrast scheme chosen as
        // an ordinary one): only a white sliver of each letter would show.
        {"High Contrast Black", {Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(0, 0, 0)}, false},
        // Readable embossing still gives way when the user asks for contrast.
        {"High Contrast White", {Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(0, 0, 0), true}, false},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(ChooseTitleLayers(c.colours) == (c.embossed ? kEmbossed : kPlain)) << c.scheme;
}
