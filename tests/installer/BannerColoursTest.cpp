// The banner's texts stay readable on its own background, whatever the
// system's colour scheme.
#include "installer/BannerColours.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// Relative luminance and contrast ratio as the accessibility guidelines
// define them, written here from the definition.
double Luminance(uint32_t colour) {
    auto linear = [](unsigned channel) {
        double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour & 0xFF) + 0.7152 * linear((colour >> 8) & 0xFF) +
           0.0722 * linear((colour >> 16) & 0xFF);
}

double Contrast(uint32_t a, uint32_t b) {
    double x = Luminance(a), y = Luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

} // namespace

// The banner's first colours failed this: the red title on slate was 1.1 to
// 1, the black subtitle and notice 4.4 to 1.
TEST(BannerColours, EveryTextStandsOutFromTheBackground) {
    const struct {
        const char* text;
        uint32_t colour;
        double least;
    } texts[] = {
        {"title (large)", kBannerTitle, 3.0},
        {"subtitle and notice", kBannerText, 4.5},
    };
    for (const auto& t : texts)
        EXPECT_GE(Contrast(t.colour, kBannerBackground), t.least) << t.text;
    // The shadow must not swallow the title it outlines.
    EXPECT_GE(Contrast(kBannerTitle, kBannerTitleShadow), 4.5);
}
