// Commands on processes (list, liveness, resources), on files held open as another
// program would, and on the system clipboard.
#include "Commands.h"
#include "Handles.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <map>
#include <vector>

namespace {

// Files the probe holds open without sharing, by path, until released.
std::map<std::string, HANDLE>& heldFiles() {
    static std::map<std::string, HANDLE> files;
    return files;
}

struct FormatName {
    UINT format;
    const char* name;
};

const FormatName kStandardFormats[] = {
    {CF_TEXT, "CF_TEXT"},
    {CF_BITMAP, "CF_BITMAP"},
    {CF_OEMTEXT, "CF_OEMTEXT"},
    {CF_DIB, "CF_DIB"},
    {CF_UNICODETEXT, "CF_UNICODETEXT"},
    {CF_LOCALE, "CF_LOCALE"},
    {CF_DIBV5, "CF_DIBV5"},
    {CF_HDROP, "CF_HDROP"},
};

std::string formatName(UINT format) {
    for (const FormatName& known : kStandardFormats)
        if (known.format == format)
            return known.name;
    wchar_t name[256] = L"";
    if (GetClipboardFormatNameW(format, name, 256))
        return toUtf8(name);
    return "#" + std::to_string(format);
}

// "text" is Unicode text, "ansi" text in the ANSI code page, a number a format by value,
// any other word a registered format.
UINT formatByName(const std::string& name) {
    if (name == "text")
        return CF_UNICODETEXT;
    if (name == "ansi")
        return CF_TEXT;
    if (!name.empty() && name[0] >= '0' && name[0] <= '9')
        return static_cast<UINT>(std::stoul(name, nullptr, 0));
    return RegisterClipboardFormatW(fromUtf8(name).c_str());
}

std::vector<unsigned char> clipboardBytes(const std::string& name, const std::string& value) {
    if (name == "text") {
        std::wstring text = fromUtf8(value);
        const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text.c_str());
        return std::vector<unsigned char>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t));
    }
    if (name == "ansi") {
        std::wstring wide = fromUtf8(value);
        std::vector<unsigned char> out(wide.size() * 2 + 1);
        int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()),
                                       reinterpret_cast<char*>(out.data()),
                                       static_cast<int>(out.size()), nullptr, nullptr);
        out.resize(size + 1);
        out.back() = 0;
        return out;
    }
    return bytesFromHex(value);
}

std::vector<unsigned char> clipboardData(UINT format) {
    HANDLE data = GetClipboardData(format);
    if (!data)
        throw ProbeError("format not on the clipboard: " + formatName(format));
    const unsigned char* bytes = static_cast<const unsigned char*>(GlobalLock(data));
    std::vector<unsigned char> out(bytes, bytes + GlobalSize(data));
    GlobalUnlock(data);
    return out;
}

} // namespace

void cmdProcesses(const Args&, JsonObject& answer) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    std::vector<std::string> items;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry))
        items.push_back(JsonObject()
                            .addInt("pid", entry.th32ProcessID)
                            .addText("exe", toUtf8(entry.szExeFile))
                            .str());
    CloseHandle(snapshot);
    answer.addRaw("processes", jsonArray(items));
}

void cmdAlive(const Args& args, JsonObject& answer) {
    ProcessHandle process(static_cast<DWORD>(args.number(0)), SYNCHRONIZE);
    answer.addBool("alive", process && WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT);
}

void cmdKill(const Args& args, JsonObject& answer) {
    ProcessHandle process(static_cast<DWORD>(args.number(0)), PROCESS_TERMINATE);
    answer.addBool("done", process && TerminateProcess(process.get(), 1));
}

void cmdResources(const Args& args, JsonObject& answer) {
    ProcessHandle process(static_cast<DWORD>(args.number(0)),
                          PROCESS_QUERY_INFORMATION | PROCESS_VM_READ);
    if (!process)
        throw ProbeError("cannot open the process");
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.get(), &memory, sizeof memory);
    answer.addInt("gdi", GetGuiResources(process.get(), GR_GDIOBJECTS));
    answer.addInt("user", GetGuiResources(process.get(), GR_USEROBJECTS));
    answer.addInt("private", memory.PagefileUsage).addInt("workingSet", memory.WorkingSetSize);
    DWORD handles = 0;
    GetProcessHandleCount(process.get(), &handles);
    answer.addInt("handles", handles);
}

// Opens a file without sharing, so that no other program can read, write or move it,
// and keeps it open until release_file.
void cmdHoldFile(const Args& args, JsonObject& answer) {
    HANDLE file = CreateFileW(fromUtf8(args.text(0)).c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw ProbeError("cannot open the file");
    heldFiles()[args.text(0)] = file;
    answer.addBool("done", true);
}

void cmdReleaseFile(const Args& args, JsonObject& answer) {
    auto held = heldFiles().find(args.text(0));
    bool found = held != heldFiles().end();
    if (found) {
        CloseHandle(held->second);
        heldFiles().erase(held);
    }
    answer.addBool("done", found);
}

// Arguments: pairs of format and value; replaces the whole clipboard.
void cmdClipSet(const Args& args, JsonObject& answer) {
    ClipboardSession session(clipboardOwnerWindow());
    EmptyClipboard();
    for (size_t i = 0; i + 1 < args.size(); i += 2) {
        std::vector<unsigned char> bytes = clipboardBytes(args.text(i), args.text(i + 1));
        GlobalMemory memory(bytes.data(), bytes.size());
        if (!SetClipboardData(formatByName(args.text(i)), memory.get()))
            throw ProbeError("SetClipboardData failed for " + args.text(i));
        memory.detach();
    }
    answer.addInt("sequence", GetClipboardSequenceNumber());
}

void cmdClipText(const Args&, JsonObject& answer) {
    ClipboardSession session(clipboardOwnerWindow());
    bool present = IsClipboardFormatAvailable(CF_UNICODETEXT);
    answer.addBool("present", present);
    if (present) {
        std::vector<unsigned char> bytes = clipboardData(CF_UNICODETEXT);
        bytes.resize(bytes.size() + 2, 0);
        answer.addText("text", toUtf8(reinterpret_cast<const wchar_t*>(bytes.data())));
    }
}

void cmdClipData(const Args& args, JsonObject& answer) {
    ClipboardSession session(clipboardOwnerWindow());
    std::vector<unsigned char> bytes = clipboardData(formatByName(args.text(0)));
    answer.addText("hex", hexBytes(bytes.data(), bytes.size()));
}

void cmdClipFormats(const Args&, JsonObject& answer) {
    ClipboardSession session(clipboardOwnerWindow());
    std::vector<std::string> formats;
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format))
        formats.push_back(
            JsonObject().addInt("id", format).addText("name", formatName(format)).str());
    answer.addRaw("formats", jsonArray(formats));
    answer.addInt("sequence", GetClipboardSequenceNumber());
    answer.addWindow("owner", GetClipboardOwner());
}

void cmdClipEmpty(const Args&, JsonObject& answer) {
    ClipboardSession session(clipboardOwnerWindow());
    answer.addBool("done", EmptyClipboard());
}

// One attempt, as another program would make it: whether the clipboard opens, and
// which window holds it open when it does not.
void cmdClipOpen(const Args&, JsonObject& answer) {
    bool opened = OpenClipboard(clipboardOwnerWindow()) != FALSE;
    HWND holder = opened ? nullptr : GetOpenClipboardWindow();
    if (opened)
        CloseClipboard();
    answer.addBool("opened", opened);
    answer.addWindow("holder", holder);
}
