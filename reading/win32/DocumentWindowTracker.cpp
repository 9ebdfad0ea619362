// DocumentWindowTracker: the document-window rules over the real windows.
#include "reading/win32/DocumentWindowTracker.h"

#include "reading/DocumentWindowRules.h"

namespace {

HWND AsWindow(WindowHandle window) {
    return static_cast<HWND>(window);
}

using ShellWindowFunction = HWND(WINAPI*)();

// GetShellWindow is missing from Windows 95's user32.
HWND ShellWindow() {
    static const auto function = reinterpret_cast<ShellWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetShellWindow")));
    return function ? function() : nullptr;
}

class Win32WindowQuery : public WindowQuery {
public:
    bool isWindow(WindowHandle window) override { return IsWindow(AsWindow(window)) != FALSE; }
    std::string className(WindowHandle window) override {
        char name[512] = {};
        GetClassNameA(AsWindow(window), name, sizeof name);
        return name;
    }
    std::string title(WindowHandle window) override {
        char text[512] = {};
        GetWindowTextA(AsWindow(window), text, sizeof text);
        return text;
    }
    WindowHandle parent(WindowHandle window) override { return GetParent(AsWindow(window)); }
    uint32_t processOf(WindowHandle window) override {
        DWORD process = 0;
        GetWindowThreadProcessId(AsWindow(window), &process);
        return process;
    }
    uint32_t currentProcess() override { return GetCurrentProcessId(); }
    WindowHandle desktopWindow() override { return GetDesktopWindow(); }
    WindowHandle shellWindow() override { return ShellWindow(); }
};

} // namespace

void DocumentWindowTracker::update() {
    Win32WindowQuery query;
    HWND foreground = GetForegroundWindow();
    if (IsDocumentWindow(query, foreground))
        window_ = foreground;
}
