// The notification-area icon record and its one call.
#include "app/TrayIcon.h"

#include "app/Application.h"
#include "resources/AppIds.h"

#include <shellapi.h>

void TrayIcon::set(DWORD operation, const char* iconName) const {
    // The first shell version's record (88 bytes, 64-character tip): every
    // shell since Windows 95 accepts it.
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner_;
    data.uID = kId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    // Shared icons from the module need no DestroyIcon.
    data.hIcon =
        static_cast<HICON>(LoadImageA(app().instance(), iconName, IMAGE_ICON, 16, 16, LR_SHARED));
    LoadStringA(app().instance(), IDS_TRAY_TIP, data.szTip, sizeof data.szTip);
    Shell_NotifyIconA(operation, &data);
}
