// The colours of the installer's banner. The banner keeps colours of its own
// whatever the system's scheme is, so its texts are chosen to stay readable
// on its slate background: at least 4.5 to 1 for the small texts and 3 to 1
// for the large title, as the accessibility guidelines ask.
#pragma once

#include <cstdint>

// A colour as the window system takes it (COLORREF: 0x00BBGGRR).
constexpr uint32_t BannerRgb(unsigned red, unsigned green, unsigned blue) {
    return red | (green << 8) | (blue << 16);
}

constexpr uint32_t kBannerBackground = BannerRgb(80, 120, 140);
// The bar under the title: decoration, no text on it.
constexpr uint32_t kBannerBar = BannerRgb(220, 0, 0);
// The title (24 points, bold) and its shadow a pixel below and right.
constexpr uint32_t kBannerTitle = BannerRgb(255, 255, 255);
constexpr uint32_t kBannerTitleShadow = BannerRgb(0, 0, 0);
// The subtitle and the maker's notice.
constexpr uint32_t kBannerText = BannerRgb(255, 255, 255);
