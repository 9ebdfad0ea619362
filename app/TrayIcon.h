// TrayIcon: the program's one notification-area icon.
#pragma once

#include "app/logic/ReadNotice.h"

#include <windows.h>

#include <string>

class TrayIcon {
public:
    static constexpr UINT kId = 101;
    static constexpr UINT kCallbackMessage = 101;

    // Asks the shell its version once: it decides the record's size.
    explicit TrayIcon(HWND owner);
    // Shell_NotifyIconA with NIM_ADD, NIM_MODIFY or NIM_DELETE and the named
    // icon resource ("SMALL_MAIN", "SMALL_READING").
    void set(DWORD operation, const char* iconName);
    // The busy or the idle image; nothing is sent when it already shows.
    void showBusy(bool busy);
    // Says `text` where the user looks after a read: in a balloon where the
    // shell shows balloons, else in the tip until clearNotice().
    void tell(const std::string& text, bool failure);
    // Takes the last word back: the balloon closes, the tip is the usual one.
    void clearNotice();
    const TrayRecordShape& shape() const { return shape_; }

private:
    // A read changes the image twice: the images are loaded once, so that a
    // change costs only the shell's own work.
    HICON image(const char* iconName);

    HWND owner_;
    HICON idle_ = nullptr;
    HICON busy_ = nullptr;
    HICON shown_ = nullptr;
    TrayRecordShape shape_;
    std::string notice_; // shown as the tip where no balloon can say it
};
