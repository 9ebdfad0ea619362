// Where a window that is placed at the mouse pointer goes: centred on the
// pointer and kept inside the screen's work area, as the dialog manager
// places a dialog created at the mouse.
#pragma once

#include "reading/ScreenPointer.h"

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The top-left corner of a `width` x `height` window centred on `pointer`,
// moved back inside `workArea` where it would stick out; a window larger
// than the area keeps its left and top edges inside.
ScreenPoint CentredOnPointer(ScreenPoint pointer, int width, int height,
                             const ScreenRect& workArea);
