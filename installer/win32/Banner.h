// The product banner painted over the installer's background window.
#pragma once

#include <windows.h>

// Paints the slate background, the maker's notice, the title with its
// shadow, the red bar and the subtitle into the client rectangle, in the
// banner's own colours (BannerColours.h).
void paintBanner(HDC dc, const RECT& client);
