// Owners for the Win32 handles the installer must release: move-only, one
// per kind, and guards that undo a change of a painting context.
#pragma once

#include <windows.h>

#include <utility>

class Font {
public:
    explicit Font(HFONT font) : font_(font) {}
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    Font(Font&& other) noexcept : font_(std::exchange(other.font_, nullptr)) {}
    ~Font() {
        if (font_)
            DeleteObject(font_);
    }
    HFONT get() const { return font_; }

private:
    HFONT font_;
};

// Selects an object into a context and puts the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint ... EndPaint for one WM_PAINT.
class PaintSession {
public:
    explicit PaintSession(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    PaintSession(const PaintSession&) = delete;
    PaintSession& operator=(const PaintSession&) = delete;
    ~PaintSession() { EndPaint(window_, &paint_); }
    HDC dc() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
    PAINTSTRUCT paint_{};
};
