// TrayIcon: the program's one notification-area icon.
#pragma once

#include <windows.h>

#include <string>

class TrayIcon {
public:
    static constexpr UINT kId = 101;
    static constexpr UINT kCallbackMessage = 101;

    explicit TrayIcon(HWND owner) : owner_(owner) {}
    // Shell_NotifyIconA with NIM_ADD, NIM_MODIFY or NIM_DELETE and the named
    // icon resource ("SMALL_MAIN", "SMALL_READING").
    void set(DWORD operation, const char* iconName);
    // The busy or the idle image; nothing is sent when it already shows.
    void showBusy(bool busy);

private:
    // A read changes the image twice: the images and the tip are loaded
    // once, so that a change costs only the shell's own work.
    HICON image(const char* iconName);

    HWND owner_;
    HICON idle_ = nullptr;
    HICON busy_ = nullptr;
    std::string tip_;
    HICON shown_ = nullptr;
};
