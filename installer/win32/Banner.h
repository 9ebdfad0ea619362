// The product banner painted over the installer's background window.
#pragma once

#include <windows.h>

// Paints the slate background, the maker's notice, the red title with its
// grey shadow, the red bar and the subtitle into the client rectangle.
void paintBanner(HDC dc, const RECT& client);
