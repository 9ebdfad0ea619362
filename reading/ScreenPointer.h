// ScreenPointer: the mouse pointer as the reading code moves, hides and
// clicks it, and the window system's rule for double clicks. The Windows
// build moves the real pointer; tests record what happened.
#pragma once

#include "reading/WindowHandle.h"

#include <cstdint>

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// A left click this program sent: where, and when (tick count in ms).
struct SentClick {
    bool sent = false;
    ScreenPoint at;
    uint32_t tick = 0;
};

// When the system takes a second click for a double click: within `ms` of
// the first and inside a rectangle `width` x `height` centred on it.
struct DoubleClickRule {
    unsigned ms = 500;
    int width = 4;
    int height = 4;
};

class ScreenPointer {
public:
    virtual ~ScreenPointer() = default;
    virtual ScreenPoint position() = 0;
    virtual void moveTo(ScreenPoint point) = 0;
    virtual void show(bool visible) = 0;
    // A primary click whose events carry the point themselves: a pointer
    // just moved can be put back by the window system before a plain click.
    virtual void primaryClickAt(ScreenPoint point) = 0;
    // The window (control) under a screen point.
    virtual WindowHandle windowAt(ScreenPoint point) = 0;
    virtual DoubleClickRule doubleClickRule() = 0;
};
