// Gives the installer's modeless windows their keyboard handling (Tab, Enter,
// Esc) while the background window's modal loop runs: that loop only offers
// keys to the background window itself, but it passes every message through
// the thread's message filter first, where this sends them to the modeless
// windows.
#pragma once

#include <windows.h>

class ModelessKeys {
public:
    // Installs the filter for the life of the object.
    ModelessKeys();
    ModelessKeys(const ModelessKeys&) = delete;
    ModelessKeys& operator=(const ModelessKeys&) = delete;
    ~ModelessKeys();

    // A modeless window whose keys are to be handled (null is ignored).
    static void add(HWND window);

private:
    static LRESULT CALLBACK filter(int code, WPARAM w, LPARAM l);
    HHOOK hook_;
};
