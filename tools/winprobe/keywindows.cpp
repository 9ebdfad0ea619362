// keywindows: windows of the classes given on the command line that record
// every key, character, copy request and click they get, one line each, in a
// log file; the Wine tests drop the tray icon on them to check what a read
// sends to a console or terminal, which Wine does not ship.
// Usage: keywindows LOGFILE CLASS[/CHILDCLASS]...
// A plain CLASS is a top-level window that holds the focus itself; with a
// CHILDCLASS, a child of that class fills the window and holds the focus.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

FILE* gLog = nullptr;

const char* messageName(UINT message) {
    switch (message) {
    case WM_KEYDOWN:
        return "keydown";
    case WM_KEYUP:
        return "keyup";
    case WM_SYSKEYDOWN:
        return "syskeydown";
    case WM_SYSKEYUP:
        return "syskeyup";
    case WM_CHAR:
        return "char";
    case WM_SYSCHAR:
        return "syschar";
    case WM_COPY:
        return "copy";
    case WM_LBUTTONDOWN:
        return "click";
    default:
        return nullptr;
    }
}

// "<class> <message> <wParam in hex> <ctrl if Ctrl is down>"
void record(HWND window, UINT message, WPARAM w) {
    const char* name = messageName(message);
    if (!name || !gLog)
        return;
    char className[256] = "";
    GetClassNameA(window, className, sizeof className);
    std::fprintf(gLog, "%s %s %02X%s\n", className, name, static_cast<unsigned>(w),
                 GetKeyState(VK_CONTROL) < 0 ? " ctrl" : "");
    std::fflush(gLog);
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    record(window, message, w);
    HWND child = GetWindow(window, GW_CHILD);
    switch (message) {
    case WM_SETFOCUS:
        if (child)
            SetFocus(child);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(window);
        return 0;
    case WM_SIZE:
        if (child)
            MoveWindow(child, 0, 0, LOWORD(l), HIWORD(l), TRUE);
        return 0;
    case WM_DESTROY:
        if (!GetParent(window))
            PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, w, l);
    }
}

void registerClass(const std::string& name) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = name.c_str();
    RegisterClassA(&windowClass);
}

// Windows in a grid of six columns and three rows, clear of the taskbar and of the
// empty desktop just above it.
void createWindows(int index, const std::string& layout) {
    size_t slash = layout.find('/');
    std::string top = layout.substr(0, slash);
    registerClass(top);
    HWND window = CreateWindowExA(0, top.c_str(), ("keys " + layout).c_str(),
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10 + index % 6 * 165,
                                  10 + index / 6 * 225, 160, 210, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (slash != std::string::npos) {
        std::string child = layout.substr(slash + 1);
        registerClass(child);
        RECT client;
        GetClientRect(window, &client);
        CreateWindowExA(0, child.c_str(), "", WS_CHILD | WS_VISIBLE, 0, 0, client.right,
                        client.bottom, window, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    gLog = std::fopen(argv[1], "a");
    for (int i = 2; i < argc; ++i)
        createWindows(i - 2, argv[i]);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
