// Which foreground window can be a document window: not the taskbar, not the
// desktop, not this program. The window queries sit behind WindowQuery, which
// the capture asks too, so that the rules are tested without a window system.
#pragma once

#include "reading/WindowHandle.h"

#include <cstdint>
#include <string>

class WindowQuery {
public:
    virtual ~WindowQuery() = default;
    virtual bool isWindow(WindowHandle window) = 0;
    virtual std::string className(WindowHandle window) = 0;
    virtual std::string title(WindowHandle window) = 0;
    virtual WindowHandle parent(WindowHandle window) = 0;
    virtual uint32_t processOf(WindowHandle window) = 0;
    virtual uint32_t currentProcess() = 0;
    // The system's desktop window and the shell's desktop window (none when
    // there is no shell).
    virtual WindowHandle desktopWindow() = 0;
    virtual WindowHandle shellWindow() = 0;
};

// The top-level ancestor: GetParent climbed as far as it goes.
WindowHandle TopLevelAncestor(WindowQuery& query, WindowHandle window);

// True when `window` qualifies as a document window.
bool IsDocumentWindow(WindowQuery& query, WindowHandle window);
