// A window centred on the pointer, inside the work area.
#include "reading/WindowPlacement.h"

namespace {

// The start of a span of `extent` centred on `at`, within [low, high).
int CentredSpan(int at, int extent, int low, int high) {
    int start = at - extent / 2;
    if (start + extent > high)
        start = high - extent;
    if (start < low)
        start = low;
    return start;
}

} // namespace

ScreenPoint CentredOnPointer(ScreenPoint pointer, int width, int height,
                             const ScreenRect& workArea) {
    return {CentredSpan(pointer.x, width, workArea.left, workArea.right),
            CentredSpan(pointer.y, height, workArea.top, workArea.bottom)};
}
