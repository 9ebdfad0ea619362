// Commands on windows in general: listing, texts, messages, focus, pointer and keys.
#include "Commands.h"
#include "Handles.h"

#include <shlobj.h>

#include <vector>

namespace {

// Long enough for a loaded machine, short enough that a hung program fails the test.
const UINT kSendTimeoutMs = 10000;

std::wstring className(HWND window) {
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

BOOL CALLBACK collectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// A picture static's "text" is its resource reference, not something a user reads.
bool hasText(HWND window) {
    if (className(window) != L"Static")
        return true;
    LONG type = GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK;
    return type != SS_ICON && type != SS_BITMAP && type != SS_ENHMETAFILE;
}

// Controls also carry their id, parent and current text.
std::string windowList(const std::vector<HWND>& windows, bool controls) {
    std::vector<std::string> items;
    for (HWND window : windows) {
        JsonObject info = windowInfo(window);
        if (controls) {
            info.addInt("id", GetDlgCtrlID(window)).addWindow("parent", GetParent(window));
            info.addText("text", hasText(window) ? toUtf8(windowText(window)) : std::string());
        }
        items.push_back(info.str());
    }
    return jsonArray(items);
}

} // namespace

LRESULT sendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &result))
        throw ProbeError("the window did not answer");
    return static_cast<LRESULT>(result);
}

// WM_GETTEXT rather than GetWindowText: only the message reads an edit control of
// another process; GetWindowText would give its creation caption.
std::wstring windowText(HWND window) {
    LRESULT length = sendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> buffer(length + 1);
    LRESULT copied =
        sendWithTimeout(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::wstring(buffer.data(), copied < 0 ? 0 : copied);
}

JsonObject windowInfo(HWND window) {
    DWORD pid = 0;
    DWORD tid = GetWindowThreadProcessId(window, &pid);
    wchar_t title[512] = L"";
    GetWindowTextW(window, title, 512);
    RECT rect = {};
    GetWindowRect(window, &rect);
    JsonObject info;
    info.addWindow("hwnd", window).addText("class", toUtf8(className(window)));
    info.addText("title", toUtf8(title)).addInt("pid", pid).addInt("tid", tid);
    info.addBool("visible", IsWindowVisible(window)).addBool("enabled", IsWindowEnabled(window));
    info.addRaw("rect", jsonRect(rect)).addWindow("owner", GetWindow(window, GW_OWNER));
    info.addInt("style", static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)));
    info.addInt("exstyle", static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    return info;
}

void cmdPing(const Args&, JsonObject& answer) {
    answer.addInt("pid", GetCurrentProcessId());
}

void cmdWindows(const Args&, JsonObject& answer) {
    std::vector<HWND> windows;
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&windows));
    answer.addRaw("windows", windowList(windows, false));
}

void cmdWindow(const Args& args, JsonObject& answer) {
    HWND window = args.window(0);
    // Asked once: a window going away between two questions would answer "exists"
    // without its record.
    const bool exists = IsWindow(window) != FALSE;
    answer.addBool("exists", exists);
    if (exists)
        answer.addRaw("window", windowInfo(window).str());
}

void cmdChildren(const Args& args, JsonObject& answer) {
    std::vector<HWND> windows;
    EnumChildWindows(args.existingWindow(0), collectWindow, reinterpret_cast<LPARAM>(&windows));
    answer.addRaw("children", windowList(windows, true));
}

void cmdForeground(const Args&, JsonObject& answer) {
    HWND window = GetForegroundWindow();
    answer.addWindow("hwnd", window);
    if (window)
        answer.addRaw("window", windowInfo(window).str());
}

// Focus, capture and menu state of the thread that owns a window (or of the foreground).
void cmdThreadState(const Args& args, JsonObject& answer) {
    HWND window = args.size() ? args.existingWindow(0) : GetForegroundWindow();
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        throw ProbeError("GetGUIThreadInfo failed");
    answer.addWindow("active", info.hwndActive).addWindow("focus", info.hwndFocus);
    answer.addWindow("capture", info.hwndCapture).addWindow("menuOwner", info.hwndMenuOwner);
    answer.addBool("inMenu", (info.flags & GUI_INMENUMODE) != 0);
    answer.addBool("inPopupMenu", (info.flags & GUI_POPUPMENUMODE) != 0);
    answer.addBool("inMoveSize", (info.flags & GUI_INMOVESIZE) != 0);
}

void cmdSetForeground(const Args& args, JsonObject& answer) {
    answer.addBool("done", SetForegroundWindow(args.existingWindow(0)));
}

void cmdText(const Args& args, JsonObject& answer) {
    answer.addText("text", toUtf8(windowText(args.existingWindow(0))));
}

void cmdSetText(const Args& args, JsonObject& answer) {
    std::wstring text = fromUtf8(args.text(1));
    answer.addInt("result", sendWithTimeout(args.existingWindow(0), WM_SETTEXT, 0,
                                            reinterpret_cast<LPARAM>(text.c_str())));
}

void cmdPost(const Args& args, JsonObject& answer) {
    answer.addBool("done", PostMessageW(args.existingWindow(0), args.number(1), args.numberOr(2, 0),
                                        args.numberOr(3, 0)));
}

void cmdSend(const Args& args, JsonObject& answer) {
    answer.addInt("result", sendWithTimeout(args.existingWindow(0), args.number(1),
                                            args.numberOr(2, 0), args.numberOr(3, 0)));
}

// Posts WM_COMMAND as a control's notification would arrive (posted: a handler that
// runs a modal dialog must not hold up the probe).
void cmdCommand(const Args& args, JsonObject& answer) {
    HWND window = args.existingWindow(0);
    int id = static_cast<int>(args.number(1));
    WPARAM wParam = MAKEWPARAM(id, args.numberOr(2, BN_CLICKED));
    answer.addBool("done", PostMessageW(window, WM_COMMAND, wParam,
                                        reinterpret_cast<LPARAM>(GetDlgItem(window, id))));
}

void cmdCheck(const Args& args, JsonObject& answer) {
    answer.addInt("state", sendWithTimeout(args.existingWindow(0), BM_GETCHECK, 0, 0));
}

// BM_CLICK is posted for the same reason as WM_COMMAND above.
void cmdClick(const Args& args, JsonObject& answer) {
    answer.addBool("done", PostMessageW(args.existingWindow(0), BM_CLICK, 0, 0));
}

void cmdCursor(const Args&, JsonObject& answer) {
    POINT point = {};
    GetCursorPos(&point);
    answer.addInt("x", point.x).addInt("y", point.y);
    answer.addBool("visible", GetSystemMetrics(SM_MOUSEPRESENT) != 0);
}

// GetSystemMetrics for each index given (SM_SWAPBUTTON is 23).
void cmdMetrics(const Args& args, JsonObject& answer) {
    std::vector<std::string> values;
    for (size_t i = 0; i < args.size(); ++i)
        values.push_back(std::to_string(GetSystemMetrics(static_cast<int>(args.number(i)))));
    answer.addRaw("values", jsonArray(values));
}

// What the system reports as held down; under Wine the asynchronous state is shared
// by the desktop, so it shows keys that another program's keystrokes left pressed.
void cmdKeys(const Args& args, JsonObject& answer) {
    std::vector<std::string> down;
    for (size_t i = 0; i < args.size(); ++i)
        down.push_back((GetAsyncKeyState(args.number(i)) & 0x8000) ? "true" : "false");
    answer.addRaw("down", jsonArray(down));
}

// Arguments: the window, then the paths. Drops the files on the window as the file
// manager does: WM_DROPFILES with a DROPFILES block of wide paths. The block is
// written into the window's process (a fixed HGLOBAL is its address there) and left
// there: the message is posted, and the program's DragFinish releases the drop.
void cmdDropFiles(const Args& args, JsonObject& answer) {
    HWND window = args.existingWindow(0);
    std::wstring paths;
    for (size_t i = 1; i < args.size(); ++i)
        paths += fromUtf8(args.text(i)) + L'\0';
    paths += L'\0';
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    size_t size = sizeof header + paths.size() * sizeof(wchar_t);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    ProcessHandle process(pid, PROCESS_VM_OPERATION | PROCESS_VM_WRITE);
    void* block = process ? VirtualAllocEx(process.get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE)
                          : nullptr;
    if (!block)
        throw ProbeError("cannot allocate memory in the window's process");
    SIZE_T done = 0;
    if (!WriteProcessMemory(process.get(), block, &header, sizeof header, &done) ||
        !WriteProcessMemory(process.get(), static_cast<char*>(block) + sizeof header, paths.data(),
                            paths.size() * sizeof(wchar_t), &done))
        throw ProbeError("cannot write the window's process memory");
    answer.addBool("done", PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0));
}
