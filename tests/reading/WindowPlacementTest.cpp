// A window placed at the pointer: centred on it, and moved back inside the
// work area wherever it would stick out.
#include "reading/WindowPlacement.h"

#include <gtest/gtest.h>

TEST(CentredOnPointer, CentresOnThePointerAndStaysInsideTheWorkArea) {
    // A window wider than high, so that a swap of the axes shows.
    const int width = 168;
    const int height = 158;
    const ScreenRect screen{0, 0, 1024, 738}; // a taskbar at the bottom
    const ScreenRect belowTopBar{0, 30, 1024, 768};
    struct Case {
        const char* what;
        ScreenPoint pointer;
        ScreenRect area;
        ScreenPoint expected;
    } cases[] = {
        {"middle of the screen", {500, 400}, screen, {416, 321}},
        {"on the tray, below the work area", {1013, 757}, screen, {856, 580}},
        {"top-left corner", {3, 2}, screen, {0, 0}},
        {"under a bar at the top", {600, 40}, belowTopBar, {516, 30}},
        {"near the right edge only", {1000, 300}, screen, {856, 221}},
    };
    for (const Case& c : cases) {
        ScreenPoint at = CentredOnPointer(c.pointer, width, height, c.area);
        EXPECT_EQ(at.x, c.expected.x) << c.what;
        EXPECT_EQ(at.y, c.expected.y) << c.what;
    }
}

TEST(CentredOnPointer, AWindowLargerThanTheAreaKeepsItsLeftAndTopEdgesInside) {
    ScreenPoint at = CentredOnPointer({500, 400}, 1200, 900, {10, 20, 1024, 738});
    EXPECT_EQ(at.x, 10);
    EXPECT_EQ(at.y, 20);
}
