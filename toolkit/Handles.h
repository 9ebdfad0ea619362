// Owners for Win32 handles that must be released: move-only, one per kind.
// A handle given away to the system is released from its owner (release()).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <utility>

template <class Traits> class Handle {
public:
    using Type = typename Traits::Type;

    Handle() = default;
    explicit Handle(Type handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle(Handle&& other) noexcept : handle_(other.release()) {}
    Handle& operator=(Handle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    ~Handle() { reset(); }

    Type get() const { return handle_; }
    explicit operator bool() const { return !Traits::empty(handle_); }
    Type release() { return std::exchange(handle_, nullptr); }
    void reset(Type handle = nullptr) {
        if (!Traits::empty(handle_))
            Traits::close(handle_);
        handle_ = handle;
    }

private:
    Type handle_ = nullptr;
};

// Most handles are empty when null.
template <class T> struct NullIsEmpty {
    using Type = T;
    static bool empty(T h) { return h == nullptr; }
};

struct IconTraits : NullIsEmpty<HICON> {
    static void close(HICON h) { DestroyIcon(h); }
};
struct FontTraits : NullIsEmpty<HFONT> {
    static void close(HFONT h) { DeleteObject(h); }
};
struct MenuTraits : NullIsEmpty<HMENU> {
    static void close(HMENU h) { DestroyMenu(h); }
};
struct ImageListTraits : NullIsEmpty<HIMAGELIST> {
    static void close(HIMAGELIST h) { ImageList_Destroy(h); }
};
struct GlobalTraits : NullIsEmpty<HGLOBAL> {
    static void close(HGLOBAL h) { GlobalFree(h); }
};
// CreateFileA answers INVALID_HANDLE_VALUE where others answer null: both
// mean "no handle".
struct KernelTraits {
    using Type = HANDLE;
    static bool empty(HANDLE h) { return h == nullptr || h == INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { CloseHandle(h); }
};
struct HookTraits : NullIsEmpty<HHOOK> {
    static void close(HHOOK h) { UnhookWindowsHookEx(h); }
};

using Icon = Handle<IconTraits>;
using Font = Handle<FontTraits>;
using Menu = Handle<MenuTraits>;
using ImageList = Handle<ImageListTraits>;
using GlobalMemory = Handle<GlobalTraits>;
using KernelHandle = Handle<KernelTraits>;
using Hook = Handle<HookTraits>;

// Selects an object into a DC and puts the previous one back.
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

// BeginPaint / EndPaint.
class PaintContext {
public:
    explicit PaintContext(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    PaintContext(const PaintContext&) = delete;
    PaintContext& operator=(const PaintContext&) = delete;
    ~PaintContext() { EndPaint(window_, &paint_); }
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};
