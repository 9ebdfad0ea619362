// A table of windows for the reading tests: each window's class, title,
// parent and process. This program is process 1; a window not in the table
// is no window.
#pragma once

#include "reading/DocumentWindowRules.h"

#include <map>
#include <string>

struct FakeWindow {
    std::string className;
    std::string title;
    WindowHandle parent = nullptr;
    uint32_t process = 0;
};

class FakeWindows : public WindowQuery {
public:
    bool isWindow(WindowHandle w) override { return windows.count(w) != 0; }
    std::string className(WindowHandle w) override { return find(w).className; }
    std::string title(WindowHandle w) override { return find(w).title; }
    WindowHandle parent(WindowHandle w) override { return find(w).parent; }
    uint32_t processOf(WindowHandle w) override { return find(w).process; }
    uint32_t currentProcess() override { return 1; }
    WindowHandle desktopWindow() override { return desktop; }
    WindowHandle shellWindow() override { return shell; }

    std::map<WindowHandle, FakeWindow> windows;
    WindowHandle desktop = nullptr;
    WindowHandle shell = nullptr;

private:
    const FakeWindow& find(WindowHandle w) const {
        static const FakeWindow kNone;
        auto found = windows.find(w);
        return found != windows.end() ? found->second : kNone;
    }
};
