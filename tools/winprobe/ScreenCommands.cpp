// Commands that read the screen's pixels, fast enough to catch short-lived images.
#include "Commands.h"

#include <vector>

namespace {

class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// A 32-bit top-down bitmap selected into a memory DC.
class Capture {
public:
    Capture(HDC screen, int width, int height) : dc_(CreateCompatibleDC(screen)) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (!bitmap_)
            throw ProbeError("cannot make a bitmap for the screen");
        previous_ = SelectObject(dc_, bitmap_);
    }
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;
    ~Capture() {
        if (previous_)
            SelectObject(dc_, previous_);
        if (bitmap_)
            DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    const unsigned char* bits() const { return static_cast<const unsigned char*>(bits_); }

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

} // namespace

void cmdPixel(const Args& args, JsonObject& answer) {
    ScreenDc screen;
    COLORREF color = GetPixel(screen.get(), args.number(0), args.number(1));
    answer.addInt("r", GetRValue(color))
        .addInt("g", GetGValue(color))
        .addInt("b", GetBValue(color));
}

// Arguments: left, top, right, bottom; answers the rectangle's pixels as hex RGB, rows
// top to bottom.
void cmdScreenPixels(const Args& args, JsonObject& answer) {
    int left = static_cast<int>(args.number(0));
    int top = static_cast<int>(args.number(1));
    int width = static_cast<int>(args.number(2)) - left;
    int height = static_cast<int>(args.number(3)) - top;
    if (width <= 0 || height <= 0 || width * height > 1024 * 1024)
        throw ProbeError("bad rectangle");
    ScreenDc screen;
    Capture capture(screen.get(), width, height);
    BitBlt(capture.dc(), 0, 0, width, height, screen.get(), left, top, SRCCOPY);
    std::vector<unsigned char> rgb;
    rgb.reserve(width * height * 3);
    for (int i = 0; i < width * height; ++i) {
        const unsigned char* bgrx = capture.bits() + i * 4;
        rgb.insert(rgb.end(), {bgrx[2], bgrx[1], bgrx[0]});
    }
    answer.addText("rgb", hexBytes(rgb.data(), rgb.size()));
}
