// TrayIcon: the program's one notification-area icon.
#pragma once

#include <windows.h>

class TrayIcon {
public:
    static constexpr UINT kId = 101;
    static constexpr UINT kCallbackMessage = 101;

    explicit TrayIcon(HWND owner) : owner_(owner) {}
    // Shell_NotifyIconA with NIM_ADD, NIM_MODIFY or NIM_DELETE and the named
    // icon resource ("SMALL_MAIN", "SMALL_READING").
    void set(DWORD operation, const char* iconName) const;

private:
    HWND owner_;
};
