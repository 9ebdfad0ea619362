// The colours of the title that the tabbed window paints itself in its left
// margin: embossed in the system's 3D colours where that stays readable,
// plain in the system's button-text colour where it would not (a high-
// contrast scheme, or one whose shadow is as light as the face).
#pragma once

#include <cstdint>
#include <vector>

// A colour as the window system passes it (COLORREF: 0x00BBGGRR).
using SystemColour = uint32_t;

// The contrast ratio of two colours by their relative luminance, from 1
// (the same) to 21 (black and white), as the accessibility guidelines
// define it.
double ContrastRatio(SystemColour a, SystemColour b);

// The system colours a layer of the title is drawn in.
enum class TitleInk { Highlight, DarkShadow, Face, ButtonText };

struct TitleLayer {
    int offset; // pixels right of and below the title's place
    TitleInk ink;
};

// What the title's colours depend on: the system's 3D colours and whether
// the user asked for high contrast.
struct TitleScheme {
    SystemColour face = 0;
    SystemColour highlight = 0;
    SystemColour darkShadow = 0;
    bool highContrast = false;
};

// The layers to draw, bottom first, over the face-coloured window.
std::vector<TitleLayer> ChooseTitleLayers(const TitleScheme& scheme);
