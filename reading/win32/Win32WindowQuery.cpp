// Win32WindowQuery: GetClassNameA, GetWindowTextA, GetParent and the rest.
#include "reading/win32/Win32WindowQuery.h"

#include "toolkit/WindowText.h"

#include <windows.h>

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

} // namespace

bool Win32WindowQuery::isWindow(WindowHandle window) {
    return IsWindow(AsWindow(window)) != FALSE;
}

std::string Win32WindowQuery::className(WindowHandle window) {
    char name[512] = {};
    GetClassNameA(AsWindow(window), name, sizeof name);
    return name;
}

// Read whole: the window-title fragments of the key sequences may match
// anywhere in a long title.
std::string Win32WindowQuery::title(WindowHandle window) {
    return WindowText(AsWindow(window));
}

WindowHandle Win32WindowQuery::parent(WindowHandle window) {
    return GetParent(AsWindow(window));
}

uint32_t Win32WindowQuery::processOf(WindowHandle window) {
    DWORD process = 0;
    GetWindowThreadProcessId(AsWindow(window), &process);
    return process;
}

uint32_t Win32WindowQuery::currentProcess() {
    return GetCurrentProcessId();
}

WindowHandle Win32WindowQuery::desktopWindow() {
    return GetDesktopWindow();
}

WindowHandle Win32WindowQuery::shellWindow() {
    return ShellWindow();
}
