// The product banner (see Banner.h). Fonts are made anew for every paint so
// that a change of the display's resolution is followed.
#include "installer/win32/Banner.h"

#include "Version.h"
#include "installer/BannerColours.h"
#include "installer/win32/Handles.h"

#include <cstring>

namespace {

const char kTitle[] = ZF_BANNER_TITLE;
const char kTitleStart[] = "Zembra ";
const char kSubtitle[] = "for Windows 95/98/NT";
const char kNotice[] = "Copyright (c) the Zembrafind authors. Freeware.";

// A solid rectangle: an opaque text output of nothing in the background colour.
void fillRect(HDC dc, const RECT& rect, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void drawText(HDC dc, int x, int y, const char* text) {
    TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}

Font bannerFont(HDC dc, int points, int weight) {
    const int height = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    return Font(
        CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, 1, 0, 0, 0, 0, "MS Sans Serif"));
}

// The title with its shadow, the bar under it and the subtitle.
void paintTitle(HDC dc, const RECT& client) {
    const Font title = bannerFont(dc, 24, 800);
    SIZE start{};
    {
        const SelectedObject selected(dc, title.get());
        SetBkColor(dc, kBannerBackground);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kBannerTitleShadow);
        drawText(dc, 30, 30, kTitle);
        SetTextColor(dc, kBannerTitle);
        drawText(dc, 29, 29, kTitle);
        GetTextExtentPointA(dc, kTitleStart, static_cast<int>(std::strlen(kTitleStart)), &start);
    }
    const int left = 30 + start.cx;
    const int top = 30 + start.cy;
    const RECT bar = {left, top, left + (client.right - start.cx - 60), top + 2};
    fillRect(dc, bar, kBannerBar);

    const Font subtitle = bannerFont(dc, 16, 400);
    const SelectedObject selected(dc, subtitle.get());
    SetBkColor(dc, kBannerBackground);
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, kBannerText);
    drawText(dc, 30 + start.cx, 34 + start.cy, kSubtitle);
}

} // namespace

void paintBanner(HDC dc, const RECT& client) {
    fillRect(dc, client, kBannerBackground);
    SetBkColor(dc, kBannerBackground);
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, kBannerText);
    drawText(dc, 30, client.bottom - 30, kNotice);
    paintTitle(dc, client);
}
