// A clipboard viewer that hangs: it joins the viewer chain and then takes no
// more messages until released, as a hung program's viewer would. A program
// that passes the chain's messages on to it must not hang with it.
#include "Commands.h"

namespace {

struct HungViewer {
    HANDLE thread = nullptr;
    HANDLE joined = nullptr;
    HANDLE release = nullptr;
};

HungViewer& hungViewer() {
    static HungViewer viewer;
    return viewer;
}

DWORD WINAPI HangingViewer(void*) {
    HungViewer& viewer = hungViewer();
    HWND window = CreateWindowExW(0, L"Static", L"zfprobe hung viewer", WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND next = SetClipboardViewer(window);
    SetEvent(viewer.joined);
    // No message is taken from here on: the thread is hung.
    WaitForSingleObject(viewer.release, INFINITE);
    ChangeClipboardChain(window, next);
    DestroyWindow(window);
    return 0;
}

} // namespace

void cmdClipViewerHang(const Args&, JsonObject& answer) {
    HungViewer& viewer = hungViewer();
    if (viewer.thread)
        throw ProbeError("a hung viewer is already in the chain");
    viewer.joined = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    viewer.release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    viewer.thread = CreateThread(nullptr, 0, HangingViewer, nullptr, 0, nullptr);
    if (!viewer.thread || WaitForSingleObject(viewer.joined, 10000) != WAIT_OBJECT_0)
        throw ProbeError("the hung viewer did not join the chain");
    answer.addBool("done", true);
}

void cmdClipViewerRelease(const Args&, JsonObject& answer) {
    HungViewer& viewer = hungViewer();
    bool released = viewer.thread != nullptr;
    if (released) {
        SetEvent(viewer.release);
        WaitForSingleObject(viewer.thread, 10000);
        for (HANDLE* handle : {&viewer.thread, &viewer.joined, &viewer.release}) {
            CloseHandle(*handle);
            *handle = nullptr;
        }
    }
    answer.addBool("done", released);
}
