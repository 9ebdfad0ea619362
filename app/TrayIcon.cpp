// The notification-area icon record, its calls, and its word after a read.
#include "app/TrayIcon.h"

#include "app/Application.h"
#include "resources/AppIds.h"
#include "toolkit/LoadText.h"

#include <shellapi.h>

#include <cstddef>
#include <string>

namespace {

// shell32's DllGetVersion record; the function is loaded by name, since the
// first shells lack it.
struct ShellVersionInfo {
    DWORD size;
    DWORD major;
    DWORD minor;
    DWORD build;
    DWORD platform;
};
using DllGetVersionFunction = HRESULT(CALLBACK*)(ShellVersionInfo*);

unsigned ShellMajorVersion() {
    HMODULE shell = GetModuleHandleA("shell32.dll");
    auto getVersion = shell ? reinterpret_cast<DllGetVersionFunction>(
                                  reinterpret_cast<void*>(GetProcAddress(shell, "DllGetVersion")))
                            : nullptr;
    ShellVersionInfo info{sizeof(ShellVersionInfo), 0, 0, 0, 0};
    if (!getVersion || FAILED(getVersion(&info)))
        return 0;
    return info.major;
}

void CopyText(char* to, std::size_t bytes, const std::string& text) {
    const std::size_t length = text.size() < bytes ? text.size() : bytes - 1;
    text.copy(to, length);
    to[length] = '\0';
}

// The bytes of each edition of the record; the later editions are prefixes of
// the one structure (88, 488 and 504 bytes in the 32-bit program).
DWORD RecordBytes(unsigned edition) {
    if (edition >= 3)
        return offsetof(NOTIFYICONDATAA, guidItem) + sizeof(GUID);
    if (edition == 2)
        return offsetof(NOTIFYICONDATAA, guidItem);
    return offsetof(NOTIFYICONDATAA, szTip) + 64;
}

// The record of the shell's shape for this icon, with what `flags` name.
NOTIFYICONDATAA Record(const TrayRecordShape& shape, HWND owner, UINT flags) {
    NOTIFYICONDATAA data{};
    data.cbSize = RecordBytes(shape.edition);
    data.hWnd = owner;
    data.uID = TrayIcon::kId;
    data.uFlags = flags;
    return data;
}

} // namespace

#ifndef _WIN64
static_assert(offsetof(NOTIFYICONDATAA, szTip) + 64 == 88, "first shell record");
static_assert(offsetof(NOTIFYICONDATAA, guidItem) == 488, "second shell record");
static_assert(offsetof(NOTIFYICONDATAA, guidItem) + sizeof(GUID) == 504, "third shell record");
#endif

TrayIcon::TrayIcon(HWND owner) : owner_(owner), shape_(trayRecordFor(ShellMajorVersion())) {}

void TrayIcon::set(DWORD operation, const char* iconName) const {
    NOTIFYICONDATAA data = Record(shape_, owner_, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    data.uCallbackMessage = kCallbackMessage;
    // Shared icons from the module need no DestroyIcon.
    data.hIcon =
        static_cast<HICON>(LoadImageA(app().instance(), iconName, IMAGE_ICON, 16, 16, LR_SHARED));
    CopyText(data.szTip, shape_.tipBytes, notice_.empty() ? loadText(IDS_TRAY_TIP) : notice_);
    Shell_NotifyIconA(operation, &data);
}

void TrayIcon::tell(const std::string& text, bool failure) {
    NOTIFYICONDATAA data = Record(shape_, owner_, shape_.balloons ? NIF_INFO : NIF_TIP);
    if (shape_.balloons) {
        CopyText(data.szInfo, sizeof data.szInfo, text);
        CopyText(data.szInfoTitle, sizeof data.szInfoTitle, loadText(IDS_APP_TITLE));
        data.uTimeout = 10000;
        data.dwInfoFlags = failure ? NIIF_ERROR : NIIF_INFO;
    } else {
        notice_ = text;
        CopyText(data.szTip, shape_.tipBytes, notice_);
    }
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

void TrayIcon::clearNotice() {
    if (!shape_.balloons && notice_.empty())
        return;
    // An empty balloon text takes a shown balloon away.
    NOTIFYICONDATAA data = Record(shape_, owner_, shape_.balloons ? NIF_INFO : NIF_TIP);
    if (!shape_.balloons) {
        notice_.clear();
        CopyText(data.szTip, shape_.tipBytes, loadText(IDS_TRAY_TIP));
    }
    Shell_NotifyIconA(NIM_MODIFY, &data);
}
