// The title's layers chosen by the contrast of the system's colours.
#include "app/logic/TitleColours.h"

#include <algorithm>
#include <cmath>

namespace {

// The embossed letters are face-coloured on the face: only the dark edge,
// a pixel wide, draws their outline. It must stand out from the face as
// much as any graphical object must (3 to 1).
constexpr double kOutlineContrast = 3.0;

double Linear(unsigned channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(SystemColour colour) {
    return 0.2126 * Linear(colour & 0xFF) + 0.7152 * Linear((colour >> 8) & 0xFF) +
           0.0722 * Linear((colour >> 16) & 0xFF);
}

} // namespace

double ContrastRatio(SystemColour a, SystemColour b) {
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

std::vector<TitleLayer> ChooseTitleLayers(const TitleScheme& scheme) {
    if (scheme.highContrast || ContrastRatio(scheme.darkShadow, scheme.face) < kOutlineContrast)
        return {{3, TitleInk::ButtonText}};
    return {{4, TitleInk::Highlight}, {2, TitleInk::DarkShadow}, {3, TitleInk::Face}};
}
