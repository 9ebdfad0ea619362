// winprobe: answers inspection commands about the Wine desktop, one JSON line per request line.
#include "Commands.h"

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <io.h>

namespace {

const Command kCommands[] = {
    {"ping", cmdPing},
    {"windows", cmdWindows},
    {"window", cmdWindow},
    {"children", cmdChildren},
    {"foreground", cmdForeground},
    {"thread_state", cmdThreadState},
    {"set_foreground", cmdSetForeground},
    {"text", cmdText},
    {"set_text", cmdSetText},
    {"post", cmdPost},
    {"drop_files", cmdDropFiles},
    {"send", cmdSend},
    {"command", cmdCommand},
    {"check", cmdCheck},
    {"click", cmdClick},
    {"cursor", cmdCursor},
    {"pixel", cmdPixel},
    {"screen_pixels", cmdScreenPixels},
    {"keys", cmdKeys},
    {"metrics", cmdMetrics},
    {"menu", cmdMenu},
    {"resource_menu", cmdResourceMenu},
    {"tab", cmdTab},
    {"tab_select", cmdTabSelect},
    {"tab_rect", cmdTabRect},
    {"listbox", cmdListBox},
    {"listbox_select", cmdListBoxSelect},
    {"combo", cmdCombo},
    {"combo_select", cmdComboSelect},
    {"listview", cmdListView},
    {"listview_set_state", cmdListViewSetState},
    {"listview_item_rect", cmdListViewItemRect},
    {"processes", cmdProcesses},
    {"alive", cmdAlive},
    {"kill", cmdKill},
    {"resources", cmdResources},
    {"hold_file", cmdHoldFile},
    {"release_file", cmdReleaseFile},
    {"clip_set", cmdClipSet},
    {"clip_text", cmdClipText},
    {"clip_data", cmdClipData},
    {"clip_formats", cmdClipFormats},
    {"clip_empty", cmdClipEmpty},
    {"clip_drawings", cmdClipDrawings},
    {"clip_drawing", cmdClipDrawing},
    {"clip_open", cmdClipOpen},
    {"clip_viewer_hang", cmdClipViewerHang},
    {"clip_viewer_release", cmdClipViewerRelease},
};

HWND gClipboardOwner = nullptr;

// Request lines are read on their own thread so that the main thread keeps pumping
// messages: the probe owns the clipboard after clip_set, and a program that empties
// the clipboard sends its owner WM_DESTROYCLIPBOARD and waits for the answer.
struct LineChannel {
    HANDLE ready = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE taken = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::string line;
    bool closed = false;
};

bool readLine(std::string& line) {
    line.clear();
    char chunk[4096];
    while (std::fgets(chunk, sizeof chunk, stdin)) {
        line += chunk;
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return true;
        }
    }
    return !line.empty();
}

DWORD WINAPI readerThread(void* parameter) {
    LineChannel& channel = *static_cast<LineChannel*>(parameter);
    for (;;) {
        channel.closed = !readLine(channel.line);
        SetEvent(channel.ready);
        if (channel.closed)
            return 0;
        WaitForSingleObject(channel.taken, INFINITE);
    }
}

std::string answer(const std::string& line) {
    JsonObject reply;
    try {
        Args args(line);
        for (const Command& command : kCommands)
            if (args.command() == command.name) {
                reply.addBool("ok", true);
                command.run(args, reply);
                return reply.str();
            }
        throw ProbeError("unknown command: " + args.command());
    } catch (const std::exception& error) {
        return JsonObject().addBool("ok", false).addText("error", error.what()).str();
    }
}

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace

HWND clipboardOwnerWindow() {
    return gClipboardOwner;
}

int main() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    gClipboardOwner = CreateWindowExW(0, L"STATIC", L"winprobe", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, nullptr, nullptr);
    LineChannel channel;
    CloseHandle(CreateThread(nullptr, 0, readerThread, &channel, 0, nullptr));
    for (;;) {
        DWORD woken = MsgWaitForMultipleObjects(1, &channel.ready, FALSE, INFINITE, QS_ALLINPUT);
        if (woken != WAIT_OBJECT_0) {
            pumpMessages();
            continue;
        }
        if (channel.closed)
            return 0;
        std::string reply = answer(channel.line) + "\n";
        std::fwrite(reply.data(), 1, reply.size(), stdout);
        std::fflush(stdout);
        SetEvent(channel.taken);
    }
}
