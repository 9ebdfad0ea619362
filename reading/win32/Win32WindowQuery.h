// Win32WindowQuery: the window questions of the reading rules, asked of the
// real windows.
#pragma once

#include "reading/DocumentWindowRules.h"

class Win32WindowQuery : public WindowQuery {
public:
    bool isWindow(WindowHandle window) override;
    std::string className(WindowHandle window) override;
    std::string title(WindowHandle window) override;
    WindowHandle parent(WindowHandle window) override;
    uint32_t processOf(WindowHandle window) override;
    uint32_t currentProcess() override;
    WindowHandle desktopWindow() override;
    WindowHandle shellWindow() override;
};
