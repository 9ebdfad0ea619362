// The notification-area icon record and its one call.
#include "app/TrayIcon.h"

#include "app/Application.h"
#include "resources/AppIds.h"
#include "toolkit/LoadText.h"

#include <shellapi.h>

#include <cstring>

namespace {
constexpr char kIdleImage[] = "SMALL_MAIN";
constexpr char kBusyImage[] = "SMALL_READING";

// Shared icons from the module need no DestroyIcon.
HICON LoadSmallIcon(const char* iconName) {
    return static_cast<HICON>(
        LoadImageA(app().instance(), iconName, IMAGE_ICON, 16, 16, LR_SHARED));
}
} // namespace

HICON TrayIcon::image(const char* iconName) {
    if (std::strcmp(iconName, kIdleImage) == 0)
        return idle_ ? idle_ : (idle_ = LoadSmallIcon(kIdleImage));
    if (std::strcmp(iconName, kBusyImage) == 0)
        return busy_ ? busy_ : (busy_ = LoadSmallIcon(kBusyImage));
    return LoadSmallIcon(iconName);
}

void TrayIcon::set(DWORD operation, const char* iconName) {
    // The first shell version's record (88 bytes, 64-character tip): every
    // shell since Windows 95 accepts it.
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner_;
    data.uID = kId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = image(iconName);
    if (tip_.empty())
        tip_ = loadText(IDS_TRAY_TIP);
    lstrcpynA(data.szTip, tip_.c_str(), sizeof data.szTip);
    Shell_NotifyIconA(operation, &data);
    shown_ = operation == NIM_DELETE ? nullptr : data.hIcon;
}

void TrayIcon::showBusy(bool busy) {
    const char* name = busy ? kBusyImage : kIdleImage;
    if (shown_ && image(name) != shown_)
        set(NIM_MODIFY, name);
}
